#pragma once

#include <QObject>
#include <QTimer>

class Clock;

// A once-a-second tick that lands just after each wall-clock second boundary. Every tick re-arms
// for the next boundary, so the tick neither drifts nor stays wrong after a clock change.
class TickScheduler : public QObject {
    Q_OBJECT
public:
    explicit TickScheduler(const Clock& clock, QObject* parent = nullptr);

    void start();
    void stop();
    bool isActive() const { return active_; }

    // Milliseconds from the given moment to just after the next second boundary.
    static int delayToNextSecond(int millisecondOfSecond);

signals:
    void tick();

private:
    void fire();
    void arm();

    const Clock& clock_;
    QTimer timer_;
    bool active_ = false;
    qint64 due_ = 0;  // when the armed tick should land, ms since the epoch
};
