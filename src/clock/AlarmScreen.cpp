#include "clock/AlarmScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include "clock/ClockLayout.h"
#include "core/AlarmRules.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "platform/Platform.h"
#include "platform/WindowManager.h"
#include "widgets/Accessible.h"
#include "widgets/ControlDef.h"
#include "widgets/SystemColours.h"

AlarmScreen::AlarmScreen(QWidget& window, const Platform& os, SettingsStore& store,
                         SettingsRecord& record)
    : QObject(&window), window_(window), os_(os), store_(store), record_(record) {
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), &window);
        connect(enter, &QShortcut::activated, this, &AlarmScreen::enterPressed);
    }
    Accessible::setRole(&window, QAccessible::Window);
}

// Full screen and above every window, whatever the stored layer; a failure to switch a one-shot
// alarm off is told once the alarm is confirmed.
void AlarmScreen::ring(int slot) {
    const AlarmSlot& alarm = record_.alarms[size_t(slot)];
    emit started();
    os_.dialogs.alarmSound();
    // Read before the window manager hears of the ring, which may focus the strip at once.
    if (!window_.isActiveWindow()) focusBefore_ = WindowManager::focusedWindow();
    if (!title_) makeLines();
    acceptFocus(true);
    fillScreen();
    message_->setText(alarm.message);
    title_->setText(AlarmRules::title(slot, os_.clock.now().time()));
    placeLines();
    takeFocus();
    announce(true);
    if (alarm.once) {
        const SettingsStore::Action switchOff(store_);
        record_.storeAlarmOn(store_, slot, false);
    }
}

// What the ring held back is shown while the clock still has the focus, so it comes up in front;
// then the focus goes back where it was.
void AlarmScreen::confirm() {
    if (ringing_) restoreStrip();
    announce(false);
    emit confirmed();
    giveFocusBack();
    if (!window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        WindowManager::setState(window_.winId(), WindowManager::State::Above, false);
}

// No button of the strip takes the focus, so that a key typed just as an alarm takes the focus
// presses none of them.
void AlarmScreen::makeLines() {
    buildControls(&window_, ClockLayout::alarmControls());
    title_ = window_.findChild<QLabel*>("alarmTitle");
    message_ = window_.findChild<QLabel*>("alarmMessage");
    confirmButton_ = window_.findChild<QPushButton*>("confirmAlarm");
    for (QLabel* line : {title_, message_}) {
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setWordWrap(true);
        QPalette text = line->palette();
        text.setColor(QPalette::WindowText, SystemColours::titleBarText());
        line->setPalette(text);
        line->show();
    }
    confirmButton_->setFocusPolicy(Qt::NoFocus);
    confirmButton_->installEventFilter(this);
    confirmButton_->show();
    connect(confirmButton_, &QPushButton::clicked, this, &AlarmScreen::confirm);
}

// The size limits go first: a window manager makes no window of fixed size full screen.
void AlarmScreen::fillScreen() {
    if (!ringing_) strip_ = window_.geometry();
    QRect screen = os_.screens.primaryScreen();
    for (const QRect& s : os_.screens.screens())
        if (s.contains(strip_.center())) screen = s;
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    WindowManager::setState(window_.winId(), WindowManager::State::FullScreen, true);
    WindowManager::setState(window_.winId(), WindowManager::State::Above, true);
    window_.setGeometry(screen);
    ringing_ = true;
}

void AlarmScreen::restoreStrip() {
    WindowManager::setState(window_.winId(), WindowManager::State::FullScreen, false);
    window_.setFixedSize(strip_.size());
    window_.move(strip_.topLeft());
    ringing_ = false;
}

namespace {

QSize wrappedSize(const QLabel* line, int width) {
    return line->fontMetrics()
        .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::AlignHCenter | Qt::TextWordWrap,
                      line->text())
        .size();
}

}  // namespace

// The lines size themselves to their text, wrapped to fit the screen they fill.
void AlarmScreen::placeLines() {
    const int width = ClockLayout::alarmTextWidth(window_.width());
    const ClockLayout::AlarmLines lines = ClockLayout::alarmLines(
        window_.size(), wrappedSize(title_, width), wrappedSize(message_, width));
    title_->setGeometry(lines.title);
    message_->setGeometry(lines.message);
    confirmButton_->setGeometry(lines.button);
}

// A change of the window's flags makes Qt tell the window manager the layer its flags say, so it
// comes before the ring's own requests to the window manager.
void AlarmScreen::acceptFocus(bool accept) {
    window_.windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, !accept);
}

// The focus is taken even from a full-screen program, so that Enter confirms the alarm.
void AlarmScreen::takeFocus() {
    window_.raise();
    if (!WindowManager::activate(window_.winId())) window_.activateWindow();
    enterIgnored_ = QDeadlineTimer(kEnterIgnoredMs);
}

void AlarmScreen::giveFocusBack() {
    acceptFocus(false);
    WindowManager::activate(focusBefore_);
    focusBefore_ = 0;
}

// A screen reader hears the ring as an alert, its title and message, with 確認(K) focused.
void AlarmScreen::announce(bool ringing) {
    Accessible::setRole(&window_, ringing ? QAccessible::AlertMessage : QAccessible::Window);
    window_.setAccessibleName(ringing ? title_->text() + ' ' + message_->text() : QString());
    if (ringing) confirmButton_->setFocus();
}

// Neither does a blank typed just as the alarm came press the focused 確認(K).
bool AlarmScreen::eventFilter(QObject* watched, QEvent* event) {
    return watched == confirmButton_ && event->type() == QEvent::KeyPress &&
           !enterIgnored_.hasExpired();
}

// An Enter typed for another program just as the alarm came does not confirm it unseen.
void AlarmScreen::enterPressed() {
    if (enterIgnored_.hasExpired()) confirm();
}
