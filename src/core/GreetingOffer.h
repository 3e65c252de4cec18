#pragma once

#include <utility>

// The greeting window with today's notes shows at most once a run: at the clock's first load,
// never at the reloads that Apply and closing the settings window make.
class GreetingOffer {
public:
    // True the first time only.
    bool offer() { return !std::exchange(offered_, true); }

private:
    bool offered_ = false;
};
