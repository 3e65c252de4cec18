// How closely the clock's tick follows the wall-clock second: runs the real scheduler for a while
// and prints how late each tick came after its second boundary, and any second it skipped or
// showed twice.
//
//   bench_tick [seconds]      (default 60)

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "clock/TickScheduler.h"
#include "platform/SystemClock.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication qt(argc, argv);

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

    SystemClock clock;
    TickScheduler scheduler(clock);
    QObject::connect(&scheduler, &TickScheduler::tick, [&] { landings.push_back(landNow()); });
    QTimer::singleShot(seconds * 1000, &qt, [&] {
        scheduler.stop();
        QCoreApplication::exit(0);
    });

    std::printf("running the tick for %d s...\n", seconds);
    std::fflush(stdout);
    scheduler.start();
    QCoreApplication::exec();

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
