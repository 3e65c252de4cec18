#pragma once

#include "platform/Clock.h"

class FakeClock : public Clock {
public:
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_{QDate(1999, 6, 5), QTime(9, 5, 3)};
};
