#include "clock/ClockWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "clock/AlarmScreen.h"
#include "clock/ClockLayout.h"
#include "clock/DoubleClickActions.h"
#include "clock/GradientPicture.h"
#include "clock/StripMouse.h"
#include "clock/TickScheduler.h"
#include "core/AlarmMonitor.h"
#include "core/AutostartEntry.h"
#include "core/Placement.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "core/Twips.h"
#include "platform/Platform.h"
#include "platform/WindowManager.h"
#include "widgets/ControlDef.h"
#include "widgets/Fonts.h"
#include "widgets/SystemColours.h"

namespace {

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

}  // namespace

ClockWindow::ClockWindow(const Platform& os, SettingsStore& store, SettingsRecord& record,
                         AlarmMonitor& alarms)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      os_(os),
      store_(store),
      record_(record),
      alarms_(alarms),
      exitLabelColour_(SystemColours::buttonFace()) {
    setObjectName("clockStrip");
    setWindowTitle("ZORVEK Inc.TIME");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(Fonts::gothic(ClockLayout::kWindowPoints));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, SystemColours::activeTitleBar());
    setPalette(background);

    makeStrip();
    tick_ = new TickScheduler(os_.clock, this);
    connect(tick_, &TickScheduler::tick, this, &ClockWindow::showTime);
    alarmScreen_ = new AlarmScreen(*this, os_, store_, record_);
    connect(alarmScreen_, &AlarmScreen::started, this, &ClockWindow::ringStarted);
    connect(alarmScreen_, &AlarmScreen::confirmed, this, &ClockWindow::ringConfirmed);
    actions_ = std::make_unique<DoubleClickActions>(os_, record_);
    mouse_ = new StripMouse(*this, *date_, *time_, *tick_, os_.clock);
    connect(mouse_, &StripMouse::settingsRequested, this, &ClockWindow::settingsRequested);
    connect(mouse_, &StripMouse::timeDoubleClicked, this, [this] { actions_->run(this); });
    connect(mouse_, &StripMouse::exitLabelDoubleClicked, this, &ClockWindow::requestPower);
    tick_->start();
}

ClockWindow::~ClockWindow() = default;

// Fixed sizes: a new text then only repaints the label, with no layout pass each second.
void ClockWindow::makeStrip() {
    gradient_ = new GradientPicture(this);
    gradient_->setObjectName("gradient");
    gradient_->setGeometry(pxRect(0, 0, Placement::kWideStripWidth, Placement::kStripHeight));
    buildControls(this, ClockLayout::stripControls());
    date_ = findChild<QLabel*>("date");
    time_ = findChild<QLabel*>("time");
    date_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    time_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* label : {date_, time_}) {
        label->setFixedSize(label->size());
        setTextColour(label, SystemColours::titleBarText());
    }
    time_->installEventFilter(this);
}

void ClockWindow::load() {
    record_.load(store_);
    if (record_.greetingOff == 0) emit greetingWanted();
    setWidthTwips(record_.exitControls == 1 ? Placement::kWideStripWidth : Placement::kStripWidth);
    const QRect stored(px(record_.clockLeft), px(record_.clockTop), width(), height());
    const ScreenMetrics& screens = os_.screens;
    move(Placement::keepOnScreen(stored, screens.screens(), screens.primaryScreen()).topLeft());
    setExitButtonsShown(record_.exitControlsAsButtons);
    showOnLayer(record_.keptInFront == 1);
    setColourMode(record_.titleBarColours);
    const AutostartEntry cleanup(os_.locations.autostartFolder(), AutostartEntry::kCleanup);
    record_.cleanupAtLogin = cleanup.enabled() && !cleanup.exec().isEmpty();
}

void ClockWindow::showTime() {
    const QDateTime now = os_.clock.now();
    const QDate date = now.date();
    date_->setText(QStringLiteral("%1/%2/%3").arg(date.year()).arg(date.month()).arg(date.day()));
    time_->setText(StoredValue::fromTime(now.time()));
    for (int slot : alarms_.tick(record_.alarms, now)) alarmScreen_->ring(slot);
}

void ClockWindow::setWidthTwips(int width) {
    setFixedSize(px(width), px(Placement::kStripHeight));
    gradient_->resize(px(width), px(Placement::kStripHeight));
    wide_ = width == Placement::kWideStripWidth;
    showExitControls();
}

void ClockWindow::setExitButtonsShown(bool asButtons) {
    exitAsButtons_ = asButtons;
    showExitControls();
}

// Only a strip widened for them shows R and Q, so a narrow strip filling the screen for an alarm
// does not reveal them either.
void ClockWindow::showExitControls() {
    if (wide_ && !restartLabel_) makeExitControls();
    if (!restartLabel_) return;
    restartButton_->setVisible(wide_ && exitAsButtons_);
    shutDownButton_->setVisible(wide_ && exitAsButtons_);
    restartLabel_->setVisible(wide_ && !exitAsButtons_);
    shutDownLabel_->setVisible(wide_ && !exitAsButtons_);
}

// No button of the strip takes the focus, so that a key typed just as an alarm takes the focus
// presses none of them.
void ClockWindow::makeExitControls() {
    buildControls(this, ClockLayout::exitControls());
    restartLabel_ = findChild<QLabel*>("restartLabel");
    shutDownLabel_ = findChild<QLabel*>("shutDownLabel");
    restartButton_ = findChild<QPushButton*>("restartButton");
    shutDownButton_ = findChild<QPushButton*>("shutDownButton");
    for (QLabel* label : {restartLabel_, shutDownLabel_}) setTextColour(label, exitLabelColour_);
    mouse_->watchExitLabels(*restartLabel_, *shutDownLabel_);
    for (QPushButton* button : {restartButton_, shutDownButton_})
        button->setFocusPolicy(Qt::NoFocus);
    connect(restartButton_, &QPushButton::clicked, this, [this] { requestPower(true); });
    connect(shutDownButton_, &QPushButton::clicked, this, [this] { requestPower(false); });
}

void ClockWindow::requestPower(bool restart) {
    if (wide_) actions_->requestPower(restart, this);
}

void ClockWindow::moveTwips(int left, int top) { move(px(left), px(top)); }
int ClockWindow::leftTwips() const { return int(twips(x())); }
int ClockWindow::topTwips() const { return int(twips(y())); }

void ClockWindow::setColourMode(int mode) {
    if (mode != 0 && mode != 1) return;
    const bool titleBar = mode == 1;
    const QColor text = titleBar ? SystemColours::titleBarText() : QColor(Qt::black);
    exitLabelColour_ = titleBar ? SystemColours::buttonFace() : QColor(Qt::black);
    setTextColour(date_, text);
    setTextColour(time_, text);
    if (restartLabel_) {
        setTextColour(restartLabel_, exitLabelColour_);
        setTextColour(shutDownLabel_, exitLabelColour_);
    }
    gradient_->setVisible(!titleBar);
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

// Told once the time's first drawing is on its way to the screen, not while it is made.
bool ClockWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == time_ && !std::exchange(painted_, true))
        QTimer::singleShot(0, this, &ClockWindow::firstPainted);
    return QWidget::eventFilter(watched, event);
}

bool ClockWindow::isTopmost() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint) || alarmScreen_->isRinging();
}

// The layer is chosen once, before the native window exists: Qt re-creates a window whose
// stays-on-top flag changed at its next show, and the new window would have a new id and none
// of the states the window manager was told about the old one. A ring raises the strip through
// the window manager instead. The strip is not focused by a click.
void ClockWindow::showOnLayer(bool topmost) {
    if (!testAttribute(Qt::WA_WState_Created)) {
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        winId();
        windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus);
    }
    show();
}
