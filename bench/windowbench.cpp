// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The clock and the real window, offscreen: how ticks keep their schedule,
// what a tick repaints, what wakes the program while it waits, whether memory
// grows over many periods, and what filing a team costs the window's thread.
//
// usage: windowbench ticks precise|coarse INTERVAL_MS TICKS [STALL_AT STALL_MS]
//        windowbench paints IDLE_MS     repaints and timer wake-ups
//        windowbench growth PERIODS CHANGES
//        windowbench room WIDTH HEIGHT   where the room's view spends its time
//        windowbench evening FILE ROUNDS one more team filed into FILE's evening
// Ticks are driven by emitting the tick timer's signal, paints flushed after
// each as the event loop would. Prints key=value lines (bench/notes.md).
#include "clock/periodclock.h"
#include "evening/eveningfile.h"
#include "quizfixture.h"
#include "room/roomview.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

// Counts, for the whole application, paint events per widget and timer
// events (QTest::qWait, which runs the event loop here, has no timer).
struct EventCounter : QObject
{
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString name = watched->objectName();
            ++paints[name.isEmpty() ? watched->metaObject()->className() : name.toStdString()];
        } else if (event->type() == QEvent::Timer) {
            ++timers;
        }
        return false;
    }
    void reset() { paints.clear(), timers = 0; }

    std::map<std::string, int> paints;
    int timers = 0;
};

// What the event loop does between two ticks: posted update requests turn
// into paint events.
void flush()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

long rssKb()
{
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The tests' window, each tick followed by what the event loop does before
// the next.
struct Window : Fixture
{
    QPushButton *start = get<QPushButton>(QStringLiteral("start"));
    TickTimer *timer = get<TickTimer>(QStringLiteral("Timer1"));

    explicit Window(bool expanded = false)
    {
        if (expanded) {
            get<QPushButton>(QStringLiteral("cmdExpand"))->click();
        }
        flush();
    }
    // One step of question n's slider: the sheet touched.
    void step(int n)
    {
        auto *slider = get<QScrollBar>(QStringLiteral("setminute(%1)").arg(n % 12 + 1));
        slider->setValue((slider->value() + 1) % (slider->maximum() + 1));
    }
    void tick()
    {
        Fixture::tick();
        flush();
    }
    // One whole period: Start, then 240 ticks, after which it stops itself.
    void period()
    {
        start->click();
        flush();
        for (int k = 0; k < 240; ++k) {
            tick();
        }
        if (window.periodClock().isRunning()) {
            qFatal("windowbench: the period did not end after 240 ticks");
        }
    }
};

int paints(int idleMs)
{
    Window w;
    EventCounter counter;
    qApp->installEventFilter(&counter);
    QTest::qWait(300); // the first paints settle

    // Stopped: nothing should wake the program.
    counter.reset();
    QTest::qWait(idleMs);
    std::printf("stopped_timer_events=%d\nstopped_timer_active=%d\n", counter.timers,
                w.timer->isActive() ? 1 : 0);

    // Running in real time: one wake-up per tick and nothing in between.
    w.start->click();
    flush();
    counter.reset();
    QTest::qWait(idleMs);
    std::printf("running_ms=%d\nrunning_timer_events=%d\n", idleMs, counter.timers);
    w.start->click();
    flush();

    // Driven ticks: what each of them repaints, the period's end left out.
    w.start->click();
    flush();
    int readoutMin = 1 << 30, readoutMax = 0, readoutTotal = 0;
    int digitOnChange = 0, digitOther = 0, others = 0;
    std::map<std::string, int> otherNames;
    const int driven = 239;
    for (int k = 1; k <= driven; ++k) {
        counter.paints.clear();
        w.tick();
        const int readout = counter.paints["Label9"];
        readoutMin = std::min(readoutMin, readout);
        readoutMax = std::max(readoutMax, readout);
        readoutTotal += readout;
        (k % 60 == 0 ? digitOnChange : digitOther) += counter.paints["Display"];
        for (const auto &[name, count] : counter.paints) {
            otherNames[name] += name != "Label9" && name != "Display" ? count : 0;
        }
    }
    std::string detail;
    for (const auto &[name, count] : otherNames) {
        others += count;
        detail += count ? name + ':' + std::to_string(count) + ' ' : std::string();
    }
    std::printf("driven_ticks=%d\nreadout_paints=%d\nreadout_min=%d\nreadout_max=%d\n"
                "digit_paints_on_change=%d\ndigit_paints_other=%d\nother_paints=%d\n"
                "other_detail=%s\n",
                driven, readoutTotal, readoutMin, readoutMax, digitOnChange, digitOther, others,
                detail.c_str());
    qApp->removeEventFilter(&counter);
    return 0;
}

int growth(int periods, int changes)
{
    // The expanded window throughout, so that its larger backing store is in
    // the baseline and not counted as growth.
    Window w(true);
    w.period();
    const long first = rssKb();
    for (int i = 1; i < periods; ++i) {
        w.period();
    }
    const long afterPeriods = rssKb();

    // The score sheet's sliders and the colour buttons. The first round of
    // each is reported apart: caches filling once are not growth.
    long afterFirstRound = -1;
    for (int i = 0; i < changes; ++i) {
        w.step(i);
        w.get<QRadioButton>(QStringLiteral("Option1(%1)").arg(i % 5))->click();
        flush();
        if (i == 59) { // every slider at every value, every colour
            afterFirstRound = rssKb();
        }
    }
    const long afterChanges = rssKb();
    std::printf("rss_first_kb=%ld\nrss_periods_kb=%ld\nrss_first_round_kb=%ld\n"
                "rss_changes_kb=%ld\ngrowth_kb=%ld\n",
                first, afterPeriods, afterFirstRound, afterChanges, afterChanges - first);
    return 0;
}

// Microseconds since the timer started, and restarts it.
long long lap(QElapsedTimer &timer)
{
    const long long us = timer.nsecsElapsed() / 1000;
    timer.restart();
    return us;
}

// The room's view alone, at a screen's size: its first showing (layout,
// fonts fitted, first paint), a whole repaint of the stopped view (the stop
// sign from its picture), and what each second costs once running.
int room(int width, int height)
{
    const FusionStyle style;
    RoomView view(nullptr);
    QElapsedTimer timer;
    timer.start();
    view.setGeometry(0, 0, width, height);
    view.show();
    while (!view.windowHandle()->isExposed() && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    flush();
    std::printf("room_first_show_us=%lld\n", lap(timer));

    const int rounds = 20;
    for (int i = 0; i < rounds; ++i) {
        view.repaint();
    }
    std::printf("room_stopped_repaint_us=%lld\n", lap(timer) / rounds);

    RoomState state = view.state();
    state.running = true;
    state.minuteDigit = QStringLiteral("1");
    const QStringList readouts = PeriodClock::allReadouts();
    state.readout = readouts.first();
    view.setState(state);
    flush();
    std::printf("room_start_us=%lld\n", lap(timer));

    EventCounter counter;
    qApp->installEventFilter(&counter);
    const int ticks = 59;
    for (int k = 1; k <= ticks; ++k) {
        state.readout = readouts.at(k);
        view.setState(state);
        flush();
    }
    std::printf("room_tick_us=%lld\nroom_tick_paints=%d\n", lap(timer) / ticks,
                counter.paints["roomView"]);
    qApp->removeEventFilter(&counter);
    const QRect box = view.layout().readout;
    std::printf("room_readout_box=%dx%d\n", box.width(), box.height());
    return 0;
}

// Ctrl+N with FILE's evening filed (its teams restored afresh each round):
// what the window's thread does, the standings window open and the write
// handed to the store's thread; in turns with one whole repaint of the
// expanded window. The paints a filing asks for, and the write, are done
// before the next is timed. Each round's times in microseconds.
int evening(const char *path, int rounds)
{
    QFile file(QString::fromLocal8Bit(path));
    const std::optional<EveningData> filed =
        file.open(QIODevice::ReadOnly) ? EveningFile::fromJson(file.readAll()) : std::nullopt;
    if (!filed) {
        qFatal("windowbench: no evening in %s", path);
    }
    Window w(true); // as the evening's moderator has it
    QTemporaryDir folder;
    EveningStore store(folder.path());
    store.follow(w.evening);
    w.desk.standings()->show();
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        w.evening.restore(*filed);
        w.step(i);
        flush();
        store.waitForWrites();
        timer.start();
        w.desk.nextTeam();
        std::printf("filing_us=%.1f\n", double(timer.nsecsElapsed()) / 1000);
        if (w.evening.data().teams.size() != filed->teams.size() + 1) {
            qFatal("windowbench: Ctrl+N filed no team");
        }
        flush();
        store.waitForWrites();
        timer.start();
        w.window.repaint();
        std::printf("repaint_us=%.1f\n", double(timer.nsecsElapsed()) / 1000);
    }
    std::printf("teams=%lld\n", qlonglong(filed->teams.size()));
    return 0;
}

// How exactly a run of ticks keeps its schedule in a plain Qt event loop, no
// window: the program's TickTimer, or for comparison Qt's default repeating
// QTimer. Microseconds against the schedule start + k x interval.
int schedule(int argc, char *argv[])
{
    using namespace std::chrono;
    QCoreApplication *const app = QCoreApplication::instance(); // no widgets: not qApp
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
    QObject::connect(&tickTimer, &TickTimer::ticked, app, onTick);
    QObject::connect(&repeating, &QTimer::timeout, app, onTick);
    // The run never hangs, whatever the timer does.
    QTimer::singleShot(interval * ticks + stall + seconds(30), app,
                       [] { QCoreApplication::exit(1); });
    start = steady_clock::now();
    if (qstrcmp(argv[1], "precise") == 0) {
        tickTimer.start();
    } else {
        repeating.start();
    }
    if (QCoreApplication::exec() != 0 || static_cast<int>(at.size()) != ticks) {
        std::fprintf(stderr, "windowbench: only %zu of %d ticks came\n", at.size(), ticks);
        return 1;
    }

    const long long step = duration_cast<microseconds>(interval).count();
    long long afterStall = 0, byEnd = 0;
    bool stallSeen = stallAt == 0;
    for (std::size_t i = 0; i < at.size(); ++i) {
        const long long due = step * static_cast<long long>(i + 1);
        std::printf("late=%lld\n", at[i] - due);
        byEnd += at[i] <= step * ticks + step / 2 ? 1 : 0;
        if (!stallSeen && due > stallEnd) {
            afterStall = at[i] - due;
            stallSeen = true;
        }
    }
    std::printf("lost=%lld\nafter_stall=%lld\n", ticks - byEnd, afterStall);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if ((argc == 5 || argc == 7) && std::strcmp(argv[1], "ticks") == 0) {
        QCoreApplication app(argc, argv);
        return schedule(argc - 1, argv + 1);
    }
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "paints") == 0) {
        return paints(std::atoi(argv[2]));
    }
    if (argc == 4 && std::strcmp(argv[1], "growth") == 0) {
        return growth(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "room") == 0) {
        return room(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "evening") == 0) {
        return evening(argv[2], std::atoi(argv[3]));
    }
    std::fprintf(stderr,
                 "usage: windowbench ticks precise|coarse INTERVAL_MS TICKS [STALL_AT "
                 "STALL_MS] | paints IDLE_MS | growth PERIODS CHANGES | room WIDTH "
                 "HEIGHT | evening FILE ROUNDS\n");
    return 2;
}
