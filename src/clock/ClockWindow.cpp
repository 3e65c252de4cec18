#include "clock/ClockWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <utility>
#include <QWindow>

#include "core/AlarmMonitor.h"
#include "core/AlarmRules.h"
#include "core/SettingsRecord.h"
#include "platform/Platform.h"
#include "clock/ClockLayout.h"
#include "clock/GradientPicture.h"
#include "widgets/SystemColours.h"
#include "clock/TickScheduler.h"
#include "platform/WindowManager.h"
#include "widgets/Fonts.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "core/Twips.h"
#include "core/AutostartEntry.h"
#include "core/Placement.h"
#include "core/RecentDocuments.h"

namespace {

const char* const kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
const QString kNoPath = QStringLiteral("実行させたいファイルのフルパスを指定してください。");
const QString kNotFound =
    QStringLiteral("ディレクトリ 又は、ファイル名が違うか ファイルが存在しません。");
const QString kCheckPath = QStringLiteral("実行させたいファイルのフルパスを確認してください。");
const QString kPowerRefused =
    QStringLiteral("シャットダウンまたは再起動を要求できませんでした。");
constexpr int kHideSeconds = 10;

}  // namespace

ClockWindow::ClockWindow(const Platform& os, SettingsStore& store, SettingsRecord& record,
                         AlarmMonitor& alarms)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      os_(os),
      store_(store),
      record_(record),
      alarms_(alarms) {
    setObjectName("time1");
    setWindowTitle("ZORVEK Inc.TIME");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(Fonts::gothic(ClockLayout::kWindowPoints));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, SystemColours::activeTitleBar());
    setPalette(background);

    Image1_ = new GradientPicture(this);
    Image1_->setObjectName("Image1");
    Image1_->setGeometry(pxRect(0, 0, Placement::kWideStripWidth, Placement::kStripHeight));
    buildControls(this, ClockLayout::stripControls());
    Label1_ = findChild<QLabel*>("Label1");
    Label2_ = findChild<QLabel*>("Label2");
    Label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Fixed sizes: a new text then only repaints the label, with no layout pass each second.
    for (QLabel* label : {Label1_, Label2_}) {
        label->setFixedSize(label->size());
        setTextColour(label, SystemColours::titleBarText());
        label->installEventFilter(this);
    }
    hideTimer_ = new TickScheduler(os_.clock, this);
    connect(hideTimer_, &TickScheduler::tick, this, &ClockWindow::HideTimer_Timer);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &ClockWindow::enterPressed);
    }

    tick_ = new TickScheduler(os_.clock, this);
    connect(tick_, &TickScheduler::tick, this, &ClockWindow::Timer1_Timer);
    tick_->start();
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::Form_Load() {
    SettingsRecord& record = record_;
    record.load(store_);
    if (record.greetingOff == 0) emit greetingWanted();

    setWidthTwips(record.exitControls == 1 ? Placement::kWideStripWidth : Placement::kStripWidth);
    const QRect stored(px(record.clockLeft), px(record.clockTop), width(), height());
    const ScreenMetrics& screens = os_.screens;
    move(Placement::keepOnScreen(stored, screens.screens(), screens.primaryScreen()).topLeft());
    setExitButtonsVisible(record.exitControlsAsButtons);
    if (record.keptInFront == 1) SetTopmost();
    else SetNotTopmost();
    ApplyClockColours(record.titleBarColours);

    const AutostartEntry cleanup(os_.locations.autostartFolder(),
                                 AutostartEntry::kCleanup);
    record.cleanupAtLogin = cleanup.enabled() && !cleanup.exec().isEmpty();
}

void ClockWindow::setWidthTwips(int width) {
    setFixedSize(px(width), px(Placement::kStripHeight));
    Image1_->resize(px(width), px(Placement::kStripHeight));
    exitControls_ = width == Placement::kWideStripWidth;
    showExitControls();
}

void ClockWindow::setExitButtonsVisible(bool visible) {
    buttonType_ = visible;
    showExitControls();
}

// Only a strip widened for them shows R and Q, so a narrow strip filling the screen for an alarm
// does not reveal them either.
void ClockWindow::showExitControls() {
    if (exitControls_ && !RLabel_) buildExitControls();
    if (!RLabel_) return;
    Rbutton_->setVisible(exitControls_ && buttonType_);
    Qbutton_->setVisible(exitControls_ && buttonType_);
    RLabel_->setVisible(exitControls_ && !buttonType_);
    QLabel_->setVisible(exitControls_ && !buttonType_);
}

// No button of the strip takes the focus, so that a key typed just as an alarm takes the focus
// presses none of them.
void ClockWindow::buildExitControls() {
    buildControls(this, ClockLayout::exitControls());
    RLabel_ = findChild<QLabel*>("RLabel");
    QLabel_ = findChild<QLabel*>("QLabel");
    Rbutton_ = findChild<QPushButton*>("Rbutton");
    Qbutton_ = findChild<QPushButton*>("Qbutton");
    for (QLabel* label : {RLabel_, QLabel_}) {
        setTextColour(label, exitLabelColour_);
        label->installEventFilter(this);
    }
    for (QPushButton* button : {Rbutton_, Qbutton_}) button->setFocusPolicy(Qt::NoFocus);
    connect(Qbutton_, &QPushButton::clicked, this, &ClockWindow::Qbutton_Click);
    connect(Rbutton_, &QPushButton::clicked, this, &ClockWindow::Rbutton_Click);
}

void ClockWindow::buildAlarmControls() {
    buildControls(this, ClockLayout::alarmControls());
    alarmTitle_ = findChild<QLabel*>("Label3(1)");
    alarmMessage_ = findChild<QLabel*>("Label3(0)");
    Command1_ = findChild<QPushButton*>("Command1");
    for (QLabel* line : {alarmTitle_, alarmMessage_}) {
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setWordWrap(true);
        setTextColour(line, SystemColours::titleBarText());
        line->show();
    }
    Command1_->setFocusPolicy(Qt::NoFocus);
    Command1_->show();
    connect(Command1_, &QPushButton::clicked, this, &ClockWindow::Command1_Click);
}

void ClockWindow::moveTwips(int left, int top) { move(px(left), px(top)); }
int ClockWindow::leftTwips() const { return int(twips(x())); }
int ClockWindow::topTwips() const { return int(twips(y())); }

void ClockWindow::setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

void ClockWindow::ApplyClockColours(int mode) {
    if (mode != 0 && mode != 1) return;
    const bool titleBar = mode == 1;
    const QColor text = titleBar ? SystemColours::titleBarText() : QColor(Qt::black);
    const QColor small = titleBar ? SystemColours::buttonFace() : QColor(Qt::black);
    setTextColour(Label1_, text);
    setTextColour(Label2_, text);
    exitLabelColour_ = small;
    if (RLabel_) {
        setTextColour(RLabel_, small);
        setTextColour(QLabel_, small);
    }
    Image1_->setVisible(!titleBar);
}

// The strip belongs to the desktop: not focused by a click, and none of its buttons takes the
// focus, so that a key typed just as an alarm takes the focus presses none of them.
void ClockWindow::makeDesktopAccessory() {
    winId();
    windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus);
}

// Out of the task bar and window switching, set anew before each map: a window manager drops the
// states of a window that is hidden, as the strip is for ten seconds by a right click.
void ClockWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) WindowManager::keepOffTaskbar(*windowHandle());
    QWidget::showEvent(event);
}

// The program ends only by Quit, a shut-down or restart request or a second copy; a close by the
// window manager (Alt+F4) would leave it running without its only window.
void ClockWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

bool ClockWindow::isTopmost() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint) || maximised_;
}

void ClockWindow::SetTopmost() { showOnLayer(true); }
void ClockWindow::SetNotTopmost() { showOnLayer(false); }

// The layer is chosen once, before the native window exists: Qt re-creates a window whose
// stays-on-top flag changed at its next show, and the new window would have a new id and none
// of the states the window manager was told about the old one. A ring raises the strip through
// the window manager instead.
void ClockWindow::showOnLayer(bool topmost) {
    if (!testAttribute(Qt::WA_WState_Created)) {
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        makeDesktopAccessory();
    }
    show();
}

void ClockWindow::Timer1_Timer() {
    const QDateTime now = os_.clock.now();
    const QDate date = now.date();
    Label1_->setText(QStringLiteral("%1/%2/%3").arg(date.year()).arg(date.month()).arg(date.day()));
    Label2_->setText(StoredValue::fromTime(now.time()));
    for (int slot : alarms_.tick(record_.alarms, now)) ring(slot);
}

// Full screen and above every window, whatever the stored layer; a failure to switch a one-shot
// alarm off is told once the ring is confirmed.
void ClockWindow::ring(int slot) {
    AlarmSlot& alarm = record_.alarms[slot];
    emit ringStarted();
    os_.dialogs.alarmSound();
    // Read before the window manager hears of the ring, which may focus the strip at once.
    if (!isActiveWindow()) focusBefore_ = WindowManager::focusedWindow();
    if (!alarmTitle_) buildAlarmControls();
    acceptFocus(true);
    maximise();
    alarmMessage_->setText(alarm.message);
    alarmTitle_->setText(AlarmRules::title(slot, os_.clock.now().time()));
    placeAlarmLines();
    takeFocus();
    if (alarm.once) {
        const SettingsStore::Action switchOff(store_);
        record_.storeAlarmOn(store_, slot, false);
    }
}

namespace {

QSize wrappedSize(const QLabel* line, int width) {
    return line->fontMetrics()
        .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::AlignHCenter | Qt::TextWordWrap,
                      line->text())
        .size();
}

}  // namespace

// The alarm lines size themselves to their text, wrapped to fit the screen they fill.
void ClockWindow::placeAlarmLines() {
    const int width = ClockLayout::alarmTextWidth(this->width());
    const ClockLayout::AlarmLines lines = ClockLayout::alarmLines(
        size(), wrappedSize(alarmTitle_, width), wrappedSize(alarmMessage_, width));
    alarmTitle_->setGeometry(lines.title);
    alarmMessage_->setGeometry(lines.message);
    Command1_->setGeometry(lines.button);
}

// A change of the window's flags makes Qt tell the window manager the layer its flags say, so it
// comes before the ring's own requests to the window manager.
void ClockWindow::acceptFocus(bool accept) {
    windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, !accept);
}

// A ringing alarm takes the keyboard focus, so that Enter confirms it, even from a full-screen
// program; the window that had the focus gets it back on the confirm.
void ClockWindow::takeFocus() {
    raise();
    if (!WindowManager::activate(winId())) activateWindow();
    enterIgnored_ = QDeadlineTimer(kEnterIgnoredMs);
}

void ClockWindow::giveFocusBack() {
    acceptFocus(false);
    WindowManager::activate(focusBefore_);
    focusBefore_ = 0;
}

// An Enter typed for another program just as the alarm came does not confirm it unseen.
void ClockWindow::enterPressed() {
    if (enterIgnored_.hasExpired()) Command1_Click();
}

// The size limits go first: a window manager makes no window of fixed size full screen.
void ClockWindow::maximise() {
    if (!maximised_) stripGeometry_ = geometry();
    QRect screen = os_.screens.primaryScreen();
    for (const QRect& s : os_.screens.screens())
        if (s.contains(stripGeometry_.center())) screen = s;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    WindowManager::setState(winId(), WindowManager::State::FullScreen, true);
    WindowManager::setState(winId(), WindowManager::State::Above, true);
    setGeometry(screen);
    maximised_ = true;
}

void ClockWindow::restoreStrip() {
    WindowManager::setState(winId(), WindowManager::State::FullScreen, false);
    setFixedSize(stripGeometry_.size());
    move(stripGeometry_.topLeft());
    maximised_ = false;
}

// What the ring held back is shown while the clock still has the focus, so it comes up in front;
// then the focus goes back where it was.
void ClockWindow::Command1_Click() {
    if (maximised_) restoreStrip();
    emit ringConfirmed();
    giveFocusBack();
    if (!windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        WindowManager::setState(winId(), WindowManager::State::Above, false);
}

bool ClockWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        // Told once the time's first drawing is on its way to the screen, not while it is made.
        case QEvent::Paint:
            if (watched == Label2_ && !std::exchange(painted_, true))
                QTimer::singleShot(0, this, &ClockWindow::firstPainted);
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return mouseEvent(watched, event->type(), static_cast<QMouseEvent*>(event)->button());
        default: return QWidget::eventFilter(watched, event);
    }
}

bool ClockWindow::mouseEvent(QObject* watched, QEvent::Type type, Qt::MouseButton button) {
    if (watched == Label1_ && type == QEvent::MouseButtonPress) return Label1_MouseDown(button);
    if (watched == Label1_ && type == QEvent::MouseButtonRelease) Label1_MouseUp();
    if (type != QEvent::MouseButtonDblClick || button != Qt::LeftButton) return true;
    if (watched == Label1_) Label1_DblClick();
    else if (watched == Label2_) Label2_DblClick();
    else if (watched == QLabel_ && QLabel_) QLabel_DblClick();
    else if (watched == RLabel_ && RLabel_) RLabel_DblClick();
    return true;
}

bool ClockWindow::Label1_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) {
        hideForTenSeconds();
        return true;
    }
    tick_->stop();
    Label1_->setText(kWeekdays[os_.clock.now().date().dayOfWeek() - 1]);
    return true;
}

// While hidden the tick stays off, so an alarm due meanwhile does not ring.
void ClockWindow::Label1_MouseUp() {
    if (!hiddenSince_.isValid()) tick_->start();
}

void ClockWindow::Label1_DblClick() { emit settingsRequested(); }

// A second right click cannot start a second wait: the strip is hidden until the first ends.
void ClockWindow::hideForTenSeconds() {
    if (hiddenSince_.isValid()) return;
    const QDateTime now = os_.clock.now();
    hiddenSince_ = now.addMSecs(-now.time().msec());
    tick_->stop();
    hide();
    hideTimer_->start();
}

// Whole seconds are compared, so the strip is away for nine to ten seconds. A clock set back
// meanwhile ends the wait rather than stretching it.
void ClockWindow::HideTimer_Timer() {
    if (!hiddenSince_.isValid()) return;
    const QDateTime now = os_.clock.now();
    if (now >= hiddenSince_ && now < hiddenSince_.addSecs(kHideSeconds)) return;
    hideTimer_->stop();
    hiddenSince_ = {};
    show();
    tick_->start();
}

void ClockWindow::Label2_DblClick() {
    const SettingsRecord& record = record_;
    if (record.clearRecentOnDoubleClick == 1) saikin_B();
    if (record.powerOnDoubleClick == 1) {
        requestPower(record.restartNotShutDown);
        return;  // nothing is launched, whether or not the request went through
    }
    if (record.launchOnDoubleClick == 1) launch(record.launchCommand);
}

void ClockWindow::saikin_B() {
    const Platform& os = os_;
    RecentDocuments::report(RecentDocuments::clear(os.locations, os.dialogs), os.dialogs, this);
}

void ClockWindow::Qbutton_Click() {
    if (exitControls_) requestPower(false);
}

void ClockWindow::Rbutton_Click() {
    if (exitControls_) requestPower(true);
}

void ClockWindow::QLabel_DblClick() { Qbutton_Click(); }
void ClockWindow::RLabel_DblClick() { Rbutton_Click(); }

// The program ends once logind has taken the request; a refusal is told, and the clock stays.
void ClockWindow::requestPower(bool reboot) {
    const Platform& os = os_;
    const std::optional<QString> failure = reboot ? os.power.reboot() : os.power.powerOff();
    if (!failure) {
        os_.lifecycle.endProgram();
        return;
    }
    os.dialogs.beep();
    os.dialogs.message(this, kPowerRefused + "\r\n" + *failure, Dialogs::Buttons::Ok,
                       Dialogs::Icon::Warning);
}

void ClockWindow::launch(const QString& commandLine) {
    Dialogs& dialogs = os_.dialogs;
    const Launcher::Result result = os_.launcher.start(commandLine);
    if (result == Launcher::Started) return;
    dialogs.beep();
    if (result == Launcher::InvalidArgument) dialogs.message(this, kNoPath);
    if (result == Launcher::FileNotFound) {
        dialogs.message(this, kNotFound);
        dialogs.message(this, kCheckPath);
    }
}
