#pragma once

#include <QColor>
#include <QWidget>
#include <memory>

class AlarmMonitor;
class AlarmScreen;
class DoubleClickActions;
class GradientPicture;
class QLabel;
class QPushButton;
class SettingsStore;
class StripMouse;
class TickScheduler;
struct Platform;
struct SettingsRecord;

// The clock strip: the date and the time at the stored place and layer, in the chosen colours,
// rewritten just after every second, when the alarms are checked too. Its window is also the
// alarm's screen (AlarmScreen); the mouse on it is StripMouse's.
class ClockWindow : public QWidget {
    Q_OBJECT
public:
    ClockWindow(const Platform& os, SettingsStore& store, SettingsRecord& record,
                AlarmMonitor& alarms);
    ~ClockWindow() override;

    // Reads the store into the record, then places, sizes, layers and colours the strip.
    void load();
    // The date and the time of now, then the alarms due by now.
    void showTime();

    // mode 1: the title-bar colours; 0: black on the gradient; any other value changes nothing.
    void setColourMode(int mode);
    // Previews from the settings window; the next load undoes them unless they were applied.
    void setWidthTwips(int width);
    void setExitButtonsShown(bool asButtons);
    void moveTwips(int left, int top);
    int leftTwips() const;
    int topTwips() const;

    // Kept in front, by the stored choice or while an alarm rings.
    bool isTopmost() const;
    AlarmScreen& alarmScreen() { return *alarmScreen_; }
    StripMouse& mouse() { return *mouse_; }
    TickScheduler& tickScheduler() { return *tick_; }

signals:
    // The stored choice asks for the greeting window; whether it shows is the program's to say.
    void greetingWanted();
    void settingsRequested();
    // Once, when the strip is on the screen and its first drawing is done.
    void firstPainted();
    // From the first moment of a ring to its confirmation.
    void ringStarted();
    void ringConfirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void makeStrip();
    void makeExitControls();
    void showExitControls();
    void showOnLayer(bool topmost);
    void requestPower(bool restart);

    const Platform& os_;
    SettingsStore& store_;
    SettingsRecord& record_;
    AlarmMonitor& alarms_;
    TickScheduler* tick_;
    GradientPicture* gradient_;
    QLabel* date_;
    QLabel* time_;
    AlarmScreen* alarmScreen_;
    StripMouse* mouse_;
    std::unique_ptr<DoubleClickActions> actions_;
    // Made when the strip is first wide enough for them, null until then.
    QLabel* restartLabel_ = nullptr;
    QLabel* shutDownLabel_ = nullptr;
    QPushButton* restartButton_ = nullptr;
    QPushButton* shutDownButton_ = nullptr;
    QColor exitLabelColour_;
    bool wide_ = false;           // wide enough for R and Q
    bool exitAsButtons_ = false;  // R and Q as buttons (single click), else as labels
    bool painted_ = false;
};
