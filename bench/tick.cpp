// How closely what the clock shows follows the wall-clock second: runs the real clock window for a
// while and prints how late after each second boundary the time label was painted with its new
// text, and any second it skipped or showed twice.
//
//   bench_tick [seconds]      (default 60)

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "TestPlatform.h"
#include "app/Application.h"
#include "clock/ClockWindow.h"
#include "platform/SystemClock.h"
#include "core/SettingsStore.h"

namespace {

struct Landing {
    long long second;  // wall-clock second the tick landed in, since the epoch
    long long delayUs; // how far past that second's boundary
};

Landing landNow() {
    using namespace std::chrono;
    const long long us =
        duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return {us / 1'000'000, us % 1'000'000};
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

// Notes when the time label starts painting a text it has not painted before.
class PaintWatch : public QObject {
public:
    PaintWatch(QLabel* label, std::vector<Landing>& landings) : label_(label), landings_(landings) {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && label_->text() != painted_) {
            painted_ = label_->text();
            landings_.push_back(landNow());
        }
        return false;
    }

private:
    QLabel* label_;
    QString painted_;
    std::vector<Landing>& landings_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);

    int seconds = 60;
    if (argc > 1) {
        char* end = nullptr;
        const long wanted = std::strtol(argv[1], &end, 10);
        if (end == argv[1] || *end != '\0' || wanted < 2 || wanted > 86400) {
            std::fprintf(stderr, "usage: %s [seconds, 2 to 86400]\n", argv[0]);
            return 2;
        }
        seconds = int(wanted);
    }

    std::vector<Landing> landings;
    landings.reserve(std::size_t(seconds) + 2);

    // The real clock window on a throw-away store, with the real wall clock.
    TestPlatform fakes;
    SystemClock clock;
    const Platform os{clock,           fakes.dialogs,   fakes.power,    fakes.launcher,
                      fakes.locations, fakes.screens,   fakes.lifecycle};
    SettingsStore(fakes.locations.settingsFile()).save("set", "OPENCheck", "1");  // the clock alone
    Application app(os);
    app.start();
    PaintWatch watch(app.clock()->findChild<QLabel*>("time"), landings);
    QTimer::singleShot(seconds * 1000, &qt, [] { QCoreApplication::exit(0); });

    std::printf("running the clock for %d s...\n", seconds);
    std::fflush(stdout);
    QCoreApplication::exec();
    // The first paint shows the design caption, not a second.
    if (!landings.empty()) landings.erase(landings.begin());

    if (landings.empty()) {
        std::printf("ticks seen:        0\nno tick at all\n");
        return 1;
    }

    long long skipped = 0;
    long long doubled = 0;
    for (std::size_t i = 1; i < landings.size(); ++i) {
        const long long step = landings[i].second - landings[i - 1].second;
        if (step == 0) ++doubled;
        else if (step > 1) skipped += step - 1;
    }

    std::vector<long long> delays;
    delays.reserve(landings.size());
    for (const Landing& l : landings) delays.push_back(l.delayUs);
    std::sort(delays.begin(), delays.end());
    const std::size_t n = delays.size();
    const double medianMs =
        (n % 2 ? double(delays[n / 2]) : (delays[n / 2 - 1] + delays[n / 2]) / 2.0) / 1000.0;
    const double largestMs = double(delays.back()) / 1000.0;
    const double p99Ms = double(delays[std::min(n - 1, (n * 99) / 100)]) / 1000.0;

    std::printf("ticks seen:        %zu (in %d s)\n", n, seconds);
    std::printf("median delay:      %.3f ms   target < 5 ms   %s\n", medianMs,
                verdict(medianMs < 5.0));
    std::printf("99th percentile:   %.3f ms\n", p99Ms);
    std::printf("largest delay:     %.3f ms   target < 20 ms  %s\n", largestMs,
                verdict(largestMs < 20.0));
    std::printf("skipped seconds:   %lld        target 0        %s\n", skipped,
                verdict(skipped == 0));
    std::printf("doubled seconds:   %lld        target 0        %s\n", doubled,
                verdict(doubled == 0));
    return 0;
}
