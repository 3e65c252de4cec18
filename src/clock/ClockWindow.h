#pragma once

#include <QDateTime>
#include <QEvent>
#include <QDeadlineTimer>
#include <QWidget>

#include "widgets/SystemColours.h"

class AlarmMonitor;
class GradientPicture;
class SettingsStore;
struct Platform;
struct SettingsRecord;
class QLabel;
class QPushButton;
class TickScheduler;

// The clock strip "time1": date and time at a stored place, the alarms' full-screen message.
class ClockWindow : public QWidget {
    Q_OBJECT
public:
    ClockWindow(const Platform& os, SettingsStore& store, SettingsRecord& record,
                AlarmMonitor& alarms);
    ~ClockWindow() override;

    // The load step: reads the store and places, sizes, layers and colours the strip.
    void Form_Load();

    void Timer1_Timer();
    void Command1_Click();
    void SetTopmost();
    void SetNotTopmost();
    // mode 1: the title-bar colours; 0: black on the gradient; any other value changes nothing.
    void ApplyClockColours(int mode);

    // Previews from the settings window; the next load undoes them unless they were applied.
    void setWidthTwips(int width);
    void setExitButtonsVisible(bool visible);
    void moveTwips(int left, int top);
    int leftTwips() const;
    int topTwips() const;

    // Mouse actions on the strip; the settings window's "今すぐ消去" shares the clearing.
    void saikin_B();
    void Qbutton_Click();
    void Rbutton_Click();
    // Brings the strip back once ten seconds have passed since a right click hid it.
    void HideTimer_Timer();

    // Kept in front, by the stored choice or while an alarm rings.
    bool isTopmost() const;
    bool isAlarmMaximised() const { return maximised_; }
    TickScheduler& tickScheduler() { return *tick_; }

    // How long after a ring Enter is ignored.
    static constexpr int kEnterIgnoredMs = 500;

signals:
    // The stored choice asks for the greeting window; whether it shows is the program's to say.
    void greetingWanted();
    // A double click on the date.
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
    void makeDesktopAccessory();
    void ring(int slot);
    void showOnLayer(bool topmost);
    void maximise();
    void restoreStrip();
    void placeAlarmLines();
    void acceptFocus(bool accept);
    void takeFocus();
    void giveFocusBack();
    void enterPressed();
    void setTextColour(QWidget* widget, const QColor& colour);

    void buildExitControls();
    void buildAlarmControls();
    bool mouseEvent(QObject* watched, QEvent::Type type, Qt::MouseButton button);
    bool Label1_MouseDown(Qt::MouseButton button);
    void Label1_MouseUp();
    void Label1_DblClick();
    void Label2_DblClick();
    void QLabel_DblClick();
    void RLabel_DblClick();
    void hideForTenSeconds();
    void requestPower(bool reboot);
    void launch(const QString& commandLine);
    void showExitControls();

    const Platform& os_;
    SettingsStore& store_;
    SettingsRecord& record_;
    AlarmMonitor& alarms_;
    TickScheduler* tick_;
    GradientPicture* Image1_;
    QLabel* Label1_;
    QLabel* Label2_;
    // Made when first needed, null until then.
    QLabel* alarmTitle_ = nullptr;    // Label3(1)
    QLabel* alarmMessage_ = nullptr;  // Label3(0)
    QLabel* RLabel_ = nullptr;
    QLabel* QLabel_ = nullptr;
    QPushButton* Rbutton_ = nullptr;
    QPushButton* Qbutton_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QColor exitLabelColour_ = SystemColours::buttonFace();
    QRect stripGeometry_;
    bool maximised_ = false;
    TickScheduler* hideTimer_ = nullptr;
    QDateTime hiddenSince_;     // whole seconds; invalid while the strip is shown
    bool painted_ = false;
    bool exitControls_ = false;  // the strip is wide enough for R and Q
    bool buttonType_ = false;    // R and Q as buttons (single click), else as labels
    WId focusBefore_ = 0;  // the window that had the focus before the alarm took it
    QDeadlineTimer enterIgnored_;
};
