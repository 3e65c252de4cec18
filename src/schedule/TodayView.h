#pragma once

#include <QDialog>
#include <QTimer>

#include "core/TodayAnimation.h"

class Clock;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class ScreenMetrics;
class SettingsStore;
struct CalendarState;
struct SettingsRecord;

// The window "greetingWindow" that greets the user at start with today's notes, its controls
// sliding into place. It deletes itself when closed.
class TodayView : public QDialog {
    Q_OBJECT
public:
    TodayView(const Clock& clock, SettingsStore& store, SettingsRecord& record,
              const CalendarState& calendar, const ScreenMetrics& screens);

    void load();
    void slideStep();
    bool isAnimating() const { return slideTimer_.isActive(); }

private:
    void onGreetingOffChanged(bool checked);
    void closeGreeting();

    const Clock& clock_;
    SettingsStore& store_;
    SettingsRecord& record_;
    const CalendarState& calendar_;
    QLabel* title_;
    QListWidget* notes_;
    QCheckBox* greetingOffCheck_;
    QPushButton* closeButton_;
    QLabel* logo_;
    QTimer slideTimer_;
    TodayAnimation animation_;
};
