#pragma once

#include <QDialog>
#include <memory>

class AlarmPage;
class CalendarPage;
class ClockDisplayPage;
class CustomPage;
class HelpMode;
class LockPanel;
class QPushButton;
class TabStrip;
class TempFilesPage;
class VersionPage;
class SettingsStore;
struct CalendarState;
struct Platform;
struct SettingsRecord;

// The settings window "settingsWindow": six tabs of settings, OK, Cancel and Apply. Every close
// unloads it; every opening runs the full load. What it means for the clock it reports as signals.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(const Platform& os, SettingsStore& store, SettingsRecord& record,
                   CalendarState& calendar);
    ~SettingsWindow() override;

    // clockPlaceTwips: where the clock stands now, which the position sliders start from.
    void load(QPoint clockPlaceTwips);
    void apply();
    void applyAndClose();
    void cancel();
    void quit();
    void onTabChanged();
    void showInputArea(bool shown);

    TabStrip& tabs() { return *tabs_; }
    CalendarPage& calendar() { return *calendar_; }
    LockPanel& lock() { return *lock_; }
    HelpMode& help() { return *help_; }

signals:
    void loaded();
    // Around Apply's writes: the clock is unloaded before them and loaded after them.
    void applying();
    void applied();
    // Every close, by OK, Cancel or the close box; not the end of the program.
    void closed();
    void quitRequested();
    // Previews of the clock display page, for the clock that is loaded now.
    void clockLeftMoved(int left);
    void clockTopMoved(int top);
    void clockLeftShifted(int by);
    void clockWidthChanged(int width);
    void exitButtonsShown(bool visible);
    void clockColoursChanged(int mode);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void reject() override;

private:
    void buildTabs();
    void createPages();
    void passOnClockPreviews();
    void enableApply();
    void unload();
    void placeWindow();
    QPoint fittedFramePosition(const QRect& frame) const;
    void openPasswordDialog();

    const Platform& os_;
    SettingsStore& store_;
    SettingsRecord& record_;
    CalendarState& calendarState_;
    TabStrip* tabs_;
    QPushButton* applyButton_;
    std::unique_ptr<TempFilesPage> tempFiles_;
    std::unique_ptr<ClockDisplayPage> clockDisplay_;
    std::unique_ptr<VersionPage> version_;
    std::unique_ptr<AlarmPage> alarms_;
    std::unique_ptr<CustomPage> custom_;
    std::unique_ptr<LockPanel> lock_;
    std::unique_ptr<HelpMode> help_;
    std::unique_ptr<CalendarPage> calendar_;
    bool quitting_ = false;
    bool placing_ = false;  // until the window manager's frame is known
};
