#include "clock/TickScheduler.h"

#include "platform/Clock.h"

namespace {

constexpr int kLeadMs = 2;  // how far past the boundary a tick aims
}  // namespace

TickScheduler::TickScheduler(const Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickScheduler::fire);
}

int TickScheduler::delayToNextSecond(int millisecondOfSecond) {
    return 1000 - millisecondOfSecond + kLeadMs;
}

void TickScheduler::start() {
    active_ = true;
    arm();
}

void TickScheduler::stop() {
    active_ = false;
    timer_.stop();
}

void TickScheduler::arm() {
    const qint64 now = clock_.now().toMSecsSinceEpoch();
    const int delay = delayToNextSecond(int(now % 1000));
    due_ = now + delay;
    timer_.start(delay);
}

void TickScheduler::fire() {
    if (!active_) return;
    // A timer may wake a little before its time; the tick must not show the old second twice.
    const qint64 early = due_ - clock_.now().toMSecsSinceEpoch();
    if (early > 0 && early < 1000) {
        timer_.start(int(early));
        return;
    }
    arm();
    emit tick();
}
