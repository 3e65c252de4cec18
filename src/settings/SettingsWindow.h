#pragma once

#include <QDialog>
#include <memory>

class AlarmPage;
class Application;
class CalendarPage;
class ClockDisplayPage;
class CustomPage;
class HelpMode;
class LockPanel;
class QPushButton;
class TabStrip;
class TempFilesPage;
class VersionPage;

// The settings window "tool1": six tabs of settings, OK, Cancel and Apply. Every close unloads
// it; every opening runs the full load.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingsWindow(Application& app);
    ~SettingsWindow() override;

    void Form_Load();
    void Save_Click();
    void OK_Click();
    void Cancel_Click();
    void Quit_Click();
    void SSTab1_Click();
    void showInputArea(bool shown);

    TabStrip& tabs() { return *SSTab1_; }
    CalendarPage& calendar() { return *calendar_; }
    LockPanel& lock() { return *lock_; }
    HelpMode& help() { return *help_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void reject() override;

private:
    void createPages();
    void connectClockPreviews();
    QPoint clockPlaceTwips() const;
    void enableApply();
    void Form_Unload();
    void placeWindow();
    QPoint fittedFramePosition(const QRect& frame) const;
    void openPasswordDialog();

    Application& app_;
    TabStrip* SSTab1_;
    QPushButton* Save_;
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
