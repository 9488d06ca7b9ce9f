// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The quiz night with 200 teams filed: the size of its file, and what filing
// one more costs the window's thread (the evening's step, the standings
// table's reset, the state handed to the writer; the disk is the writer
// thread's), against the floor of pushing an empty step on a QUndoStack.
//
// usage: eveningbench [ROUNDS]
//
// Prints key=value lines: sizes in bytes, times in microseconds (median and
// 95th percentile over ROUNDS filings, 200 by default; the median of the
// thread's CPU time too).
#include "evening/evening.h"
#include "evening/eveningfile.h"
#include "evening/standingsmodel.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <time.h>

namespace {
using Clock = std::chrono::steady_clock;

// The calling thread's own CPU time: what a loaded machine's waiting leaves
// out.
double threadUs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}
constexpr int Teams = 200;

ScoreSheet randomSheet(QRandomGenerator &random)
{
    ScoreSheet sheet;
    for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
        sheet.setAnswer(q, int(random.bounded(ScoreSheet::MaxMinute + 1)));
    }
    return sheet;
}

EveningData evening(const QString &nameStem, QRandomGenerator &random)
{
    Evening evening;
    for (int n = 1; n <= Teams; ++n) {
        evening.fileSheet(randomSheet(random),
                          (nameStem + QString::number(n)).right(EveningLimits::MaxNameLength));
    }
    return evening.data();
}

// The P-th percentile of the times (nearest rank below).
double pct(std::vector<double> us, int p)
{
    std::sort(us.begin(), us.end());
    return us[us.size() * p / 100];
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    QRandomGenerator random(2026);

    const EveningData typical = evening(QStringLiteral("The Quizzing Owls of Table "), random);
    std::printf("file_bytes_200=%lld\n", qlonglong(EveningFile::toJson(typical).size()));
    std::printf(
        "file_bytes_200_longest_names=%lld\n",
        qlonglong(EveningFile::toJson(evening(QString(EveningLimits::MaxNameLength, u'w'), random))
                      .size()));
    std::printf("file_bytes_200_longest_names_not_ascii=%lld\n",
                qlonglong(EveningFile::toJson(
                              evening(QString(EveningLimits::MaxNameLength, QChar(0x20AC)), random))
                              .size()));

    QTemporaryDir dir;
    EveningStore store(dir.path());
    Evening filing;
    StandingsModel standings(filing);
    store.follow(filing);
    std::vector<double> costs;
    std::vector<double> cpu;
    for (int round = 0; round < rounds; ++round) {
        filing.restore(typical);
        store.waitForWrites();
        const ScoreSheet sheet = randomSheet(random);
        const double cpuStart = threadUs();
        const auto start = Clock::now();
        filing.fileSheet(sheet, QStringLiteral("The Late Larks"));
        costs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        cpu.push_back(threadUs() - cpuStart);
    }
    store.waitForWrites();

    QUndoStack floorStack;
    std::vector<double> floor;
    for (int round = 0; round < rounds; ++round) {
        floorStack.clear();
        const auto start = Clock::now();
        floorStack.push(new QUndoCommand(QStringLiteral("File")));
        floor.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("filing_us_median=%.1f\nfiling_us_p95=%.1f\n", pct(costs, 50), pct(costs, 95));
    std::printf("filing_cpu_us_median=%.1f\n", pct(cpu, 50));
    std::printf("floor_us_median=%.2f\nfloor_us_p95=%.2f\n", pct(floor, 50), pct(floor, 95));
    std::printf("rows=%d\n", standings.rowCount());
    return 0;
}
