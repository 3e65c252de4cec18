#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>

class QLabel;

// Turns the mouse events of a label array into its handlers' events: each watched label is
// known by its index in the array.
class LabelMouse : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QLabel* label, int index);

signals:
    void pressed(int index, Qt::MouseButton button, QPoint globalPos);
    void released(int index);
    // A left press and release on the same label.
    void clicked(int index);
    void doubleClicked(int index, Qt::MouseButton button, QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, int> indices_;
    bool doubleClicking_ = false;
};
