#include "clock/StripMouse.h"

#include <QLabel>
#include <QMouseEvent>

#include "clock/TickScheduler.h"
#include "platform/Clock.h"

namespace {

const char* const kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
constexpr int kHideSeconds = 10;

}  // namespace

StripMouse::StripMouse(QWidget& window, QLabel& date, QLabel& time, TickScheduler& tick,
                       const Clock& clock)
    : QObject(&window),
      window_(window),
      date_(date),
      time_(time),
      tick_(tick),
      clock_(clock),
      hideTimer_(new TickScheduler(clock, this)) {
    connect(hideTimer_, &TickScheduler::tick, this, &StripMouse::endHideWhenOver);
    for (QLabel* label : {&date_, &time_}) label->installEventFilter(this);
}

void StripMouse::watchExitLabels(QLabel& restart, QLabel& shutDown) {
    restart_ = &restart;
    shutDown_ = &shutDown;
    for (QLabel* label : {restart_, shutDown_}) label->installEventFilter(this);
}

bool StripMouse::eventFilter(QObject* watched, QEvent* event) {
    const auto button = [event] { return static_cast<QMouseEvent*>(event)->button(); };
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (watched == &date_) datePressed(button());
            return true;
        case QEvent::MouseButtonRelease:
            if (watched == &date_) dateReleased();
            return true;
        case QEvent::MouseButtonDblClick:
            if (button() == Qt::LeftButton) doubleClicked(watched);
            return true;
        default:
            return false;
    }
}

void StripMouse::datePressed(Qt::MouseButton button) {
    if (button != Qt::LeftButton) {
        hideForTenSeconds();
        return;
    }
    tick_.stop();
    date_.setText(kWeekdays[clock_.now().date().dayOfWeek() - 1]);
}

// The date comes back with the next tick.
void StripMouse::dateReleased() {
    if (!hiddenSince_.isValid()) tick_.start();
}

void StripMouse::doubleClicked(QObject* label) {
    if (label == &date_)
        emit settingsRequested();
    else if (label == &time_)
        emit timeDoubleClicked();
    else if (label == restart_)
        emit exitLabelDoubleClicked(true);
    else if (label == shutDown_)
        emit exitLabelDoubleClicked(false);
}

// A second right click cannot start a second wait: the strip is hidden until the first ends.
void StripMouse::hideForTenSeconds() {
    if (hiddenSince_.isValid()) return;
    const QDateTime now = clock_.now();
    hiddenSince_ = now.addMSecs(-now.time().msec());
    tick_.stop();
    window_.hide();
    hideTimer_->start();
}

void StripMouse::endHideWhenOver() {
    if (!hiddenSince_.isValid()) return;
    const QDateTime now = clock_.now();
    if (now >= hiddenSince_ && now < hiddenSince_.addSecs(kHideSeconds)) return;
    hideTimer_->stop();
    hiddenSince_ = {};
    window_.show();
    tick_.start();
}
