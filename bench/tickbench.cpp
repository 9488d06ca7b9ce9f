// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How exactly a run of ticks keeps its schedule in a real Qt event loop: the
// program's TickTimer, or for comparison Qt's default repeating QTimer.
//
// usage: tickbench precise|coarse INTERVAL_MS TICKS [STALL_AT_TICK STALL_MS]
//
// Prints key=value lines, all times in microseconds against the
// schedule start + k x interval:
//   median, max    lateness of the ticks (negative: early)
//   end            lateness of the last tick, the error of the period's end
//   lost           ticks still missing half an interval after the end is due
//   after_stall    lateness of the first tick due after the stall ended
#include "clock/ticktimer.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

struct Run
{
    milliseconds interval{100};
    int ticks = 240;
    int stallAt = 0; // 0: no stall
    milliseconds stall{0};
};

long long us(Clock::duration d)
{
    return std::chrono::duration_cast<microseconds>(d).count();
}

void report(const Run &run, const std::vector<Clock::duration> &at, Clock::duration stallEnd)
{
    std::vector<long long> late;
    for (std::size_t i = 0; i < at.size(); ++i) {
        late.push_back(us(at[i] - run.interval * static_cast<int>(i + 1)));
    }
    std::vector<long long> sorted = late;
    std::sort(sorted.begin(), sorted.end());
    const long long median = sorted[sorted.size() / 2];

    const Clock::duration endDue = run.interval * run.ticks;
    const auto deliveredByEnd =
        std::count_if(at.begin(), at.end(), [&](auto t) { return t <= endDue + run.interval / 2; });

    long long afterStall = 0;
    if (run.stallAt > 0) {
        for (std::size_t i = 0; i < at.size(); ++i) {
            if (run.interval * static_cast<int>(i + 1) > stallEnd) {
                afterStall = late[i];
                break;
            }
        }
    }
    std::printf("median=%lld\nmax=%lld\nend=%lld\nlost=%lld\nafter_stall=%lld\n", median,
                sorted.back(), late.back(), static_cast<long long>(run.ticks - deliveredByEnd),
                afterStall);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr,
                     "usage: tickbench precise|coarse INTERVAL_MS TICKS [STALL_AT STALL_MS]\n");
        return 2;
    }
    const bool precise = qstrcmp(argv[1], "precise") == 0;
    Run run;
    run.interval = milliseconds(std::atoi(argv[2]));
    run.ticks = std::atoi(argv[3]);
    if (argc == 6) {
        run.stallAt = std::atoi(argv[4]);
        run.stall = milliseconds(std::atoi(argv[5]));
    }

    std::vector<Clock::duration> at;
    at.reserve(run.ticks);
    Clock::time_point start;
    Clock::duration stallEnd{};

    TickTimer tickTimer(run.interval);
    QTimer repeating; // Qt's defaults: coarse, repeating
    repeating.setInterval(run.interval);

    auto onTick = [&] {
        at.push_back(Clock::now() - start);
        const int k = static_cast<int>(at.size());
        if (k == run.stallAt) {
            // A handler that blocks the event loop, as a slow print or a
            // swapped-out page would.
            std::this_thread::sleep_for(run.stall);
            stallEnd = Clock::now() - start;
        }
        if (k == run.ticks) {
            tickTimer.stop();
            repeating.stop();
            QCoreApplication::quit();
        }
    };
    QObject::connect(&tickTimer, &TickTimer::ticked, &app, onTick);
    QObject::connect(&repeating, &QTimer::timeout, &app, onTick);
    // The run never hangs, whatever the timer does.
    QTimer::singleShot(run.interval * run.ticks + run.stall + std::chrono::seconds(30), &app,
                       [] { QCoreApplication::exit(1); });

    start = Clock::now();
    if (precise) {
        tickTimer.start();
    } else {
        repeating.start();
    }
    const int status = QCoreApplication::exec();
    if (status != 0 || static_cast<int>(at.size()) != run.ticks) {
        std::fprintf(stderr, "tickbench: only %zu of %d ticks came\n", at.size(), run.ticks);
        return 1;
    }
    report(run, at, stallEnd);
    return 0;
}
