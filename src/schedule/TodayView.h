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

// The window "greetingWindow" that greets the user at start with today's notes, its controls sliding into
// place. It deletes itself when closed.
class TodayView : public QDialog {
    Q_OBJECT
public:
    TodayView(const Clock& clock, SettingsStore& store, SettingsRecord& record,
              const CalendarState& calendar, const ScreenMetrics& screens);

    void Form_Load();
    void Timer1_Timer();
    bool isAnimating() const { return Timer1_.isActive(); }

private:
    void OPENCheck2_Click(bool checked);
    void Command1_Click();

    const Clock& clock_;
    SettingsStore& store_;
    SettingsRecord& record_;
    const CalendarState& calendar_;
    QLabel* Label1_;
    QListWidget* ListView1_;
    QCheckBox* OPENCheck2_;
    QPushButton* Command1_;
    QLabel* Image1_;
    QTimer Timer1_;
    TodayAnimation animation_;
};
