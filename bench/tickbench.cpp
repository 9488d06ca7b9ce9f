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

using namespace std::chrono;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr,
                     "usage: tickbench precise|coarse INTERVAL_MS TICKS [STALL_AT STALL_MS]\n");
        return 2;
    }
    const milliseconds interval(std::atoi(argv[2]));
    const int ticks = std::atoi(argv[3]);
    const int stallAt = argc == 6 ? std::atoi(argv[4]) : 0; // 0: no stall
    const milliseconds stall(argc == 6 ? std::atoi(argv[5]) : 0);

    std::vector<long long> at; // microseconds since the start
    steady_clock::time_point start;
    const auto since = [&] { return duration_cast<microseconds>(steady_clock::now() - start); };
    long long stallEnd = 0;
    TickTimer tickTimer(interval);
    QTimer repeating; // Qt's defaults: coarse, repeating
    repeating.setInterval(interval);
    const auto onTick = [&] {
        at.push_back(since().count());
        if (static_cast<int>(at.size()) == stallAt) {
            // A handler that blocks the event loop, as a slow print or a
            // swapped-out page would.
            std::this_thread::sleep_for(stall);
            stallEnd = since().count();
        }
        if (static_cast<int>(at.size()) == ticks) {
            QCoreApplication::quit();
        }
    };
    QObject::connect(&tickTimer, &TickTimer::ticked, &app, onTick);
    QObject::connect(&repeating, &QTimer::timeout, &app, onTick);
    // The run never hangs, whatever the timer does.
    QTimer::singleShot(interval * ticks + stall + seconds(30), &app,
                       [] { QCoreApplication::exit(1); });
    start = steady_clock::now();
    if (qstrcmp(argv[1], "precise") == 0) {
        tickTimer.start();
    } else {
        repeating.start();
    }
    if (QCoreApplication::exec() != 0 || static_cast<int>(at.size()) != ticks) {
        std::fprintf(stderr, "tickbench: only %zu of %d ticks came\n", at.size(), ticks);
        return 1;
    }

    const long long step = duration_cast<microseconds>(interval).count();
    std::vector<long long> late(at.size());
    long long afterStall = 0, byEnd = 0;
    bool stallSeen = stallAt == 0;
    for (std::size_t i = 0; i < at.size(); ++i) {
        const long long due = step * static_cast<long long>(i + 1);
        late[i] = at[i] - due;
        byEnd += at[i] <= step * ticks + step / 2 ? 1 : 0;
        if (!stallSeen && due > stallEnd) {
            afterStall = late[i];
            stallSeen = true;
        }
    }
    std::vector<long long> sorted = late;
    std::sort(sorted.begin(), sorted.end());
    std::printf("median=%lld\nmax=%lld\nend=%lld\nlost=%lld\nafter_stall=%lld\n",
                sorted[sorted.size() / 2], sorted.back(), late.back(), ticks - byEnd, afterStall);
    return 0;
}
