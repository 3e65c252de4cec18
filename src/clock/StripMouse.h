#pragma once

#include <QDateTime>
#include <QObject>

class Clock;
class QLabel;
class QWidget;
class TickScheduler;

// The mouse on the strip. Holding the left button on the date shows the weekday with the tick
// paused; a right or middle click hides the strip for nine to ten seconds, the tick paused; a left
// double click on the date asks for the settings window, on the time for the double-click
// actions, on the R and Q labels for a restart or a shut-down. Clicks do nothing else.
class StripMouse : public QObject {
    Q_OBJECT
public:
    StripMouse(QWidget& window, QLabel& date, QLabel& time, TickScheduler& tick,
               const Clock& clock);
    void watchExitLabels(QLabel& restart, QLabel& shutDown);

    // Brings the strip back once ten whole seconds have passed since a right click hid it; a clock
    // set back meanwhile ends the wait rather than stretching it.
    void endHideWhenOver();

signals:
    void settingsRequested();
    void timeDoubleClicked();
    void exitLabelDoubleClicked(bool restart);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void datePressed(Qt::MouseButton button);
    void dateReleased();
    void doubleClicked(QObject* label);
    void hideForTenSeconds();

    QWidget& window_;
    QLabel& date_;
    QLabel& time_;
    QLabel* restart_ = nullptr;
    QLabel* shutDown_ = nullptr;
    TickScheduler& tick_;
    const Clock& clock_;
    TickScheduler* hideTimer_;
    QDateTime hiddenSince_;  // whole seconds; invalid while the strip is shown
};
