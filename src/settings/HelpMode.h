#pragma once

#include <QObject>
#include <QString>
#include <utility>
#include <vector>

class LockPanel;
class QWidget;

// The hover help of the calendar tab: "helpButton" switches explanatory tooltips on its controls on
// and off, with a lamp on the button and a line on the message panel. A new settings window
// starts with it off.
class HelpMode : public QObject {
    Q_OBJECT
public:
    HelpMode(QWidget* window, LockPanel& panel);

    void reset() { flag_ = 0; }
    void toggle();
    bool isOn() const { return flag_ != 0; }

private:
    LockPanel& panel_;
    QWidget* helpLamp_;
    std::vector<std::pair<QWidget*, QString>> tips_;
    int flag_ = 0;
};
