// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The real window, offscreen: what a tick repaints, what wakes the program
// while it waits, and whether memory grows over many periods.
//
// usage: windowbench paints IDLE_MS     repaints and timer wake-ups
//        windowbench growth PERIODS CHANGES
//        windowbench room WIDTH HEIGHT   where the room's view spends its time
//
// Ticks are driven by emitting the tick timer's signal, so a whole period
// takes a fraction of a second; paints are flushed after every tick, as the
// event loop would between two real ticks. Prints key=value lines.
#include "clock/periodclock.h"
#include "quizfixture.h"
#include "room/roomview.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include <unistd.h>

namespace {

// Counts, for the whole application, paint events per widget and timer
// events, leaving out the benchmark's own timer.
struct EventCounter : QObject
{
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString name = watched->objectName();
            ++paints[name.isEmpty() ? watched->metaObject()->className() : name.toStdString()];
        } else if (event->type() == QEvent::Timer && watched != ignored) {
            ++timers;
        }
        return false;
    }
    int allPaints() const
    {
        int n = 0;
        for (const auto &[name, count] : paints) {
            n += count;
        }
        return n;
    }
    void reset() { paints.clear(), timers = 0; }

    std::map<std::string, int> paints;
    int timers = 0;
    const QObject *ignored = nullptr;
};

// What the event loop does between two ticks: posted update requests turn
// into paint events.
void flush()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Runs the event loop for a while, as the program would between clicks.
void idle(int ms, EventCounter &counter)
{
    QEventLoop loop;
    QTimer quit;
    quit.setSingleShot(true);
    counter.ignored = &quit;
    QObject::connect(&quit, &QTimer::timeout, &loop, &QEventLoop::quit);
    quit.start(ms);
    loop.exec();
    counter.ignored = nullptr;
}

long rssKb()
{
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The tests' window, its ticks seen, and each tick followed by what the event
// loop does before the next.
struct Window : Fixture
{
    QPushButton *start = get<QPushButton>(QStringLiteral("start"));
    TickTimer *timer = get<TickTimer>(QStringLiteral("Timer1"));
    int ticksSeen = 0;

    Window()
    {
        QObject::connect(timer, &TickTimer::ticked, &window, [this] { ++ticksSeen; });
        flush();
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
    idle(300, counter); // the first paints settle

    // Stopped: nothing should wake the program.
    counter.reset();
    idle(idleMs, counter);
    std::printf("stopped_timer_events=%d\nstopped_paints=%d\nstopped_timer_active=%d\n",
                counter.timers, counter.allPaints(), w.timer->isActive() ? 1 : 0);

    // Running in real time: one wake-up per tick and nothing in between.
    w.start->click();
    flush();
    counter.reset();
    w.ticksSeen = 0;
    idle(idleMs, counter);
    std::printf("running_ms=%d\nrunning_ticks=%d\nrunning_timer_events=%d\n", idleMs, w.ticksSeen,
                counter.timers);
    w.start->click();
    flush();

    // Driven ticks: what each of them repaints, the period's end left out.
    w.start->click();
    flush();
    w.ticksSeen = 0;
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
            if (name != "Label9" && name != "Display") {
                others += count;
                otherNames[name] += count;
            }
        }
    }
    std::printf("driven_ticks=%d\nticks_seen=%d\nreadout_paints=%d\nreadout_min=%d\n"
                "readout_max=%d\ndigit_paints_on_change=%d\ndigit_paints_other=%d\n"
                "other_paints=%d\n",
                driven, w.ticksSeen, readoutTotal, readoutMin, readoutMax, digitOnChange,
                digitOther, others);
    std::string detail;
    for (const auto &[name, count] : otherNames) {
        detail += name + ':' + std::to_string(count) + ' ';
    }
    std::printf("other_detail=%s\n", detail.c_str());
    qApp->removeEventFilter(&counter);
    return 0;
}

int growth(int periods, int changes)
{
    Window w;
    // The expanded window throughout, so that its larger backing store is in
    // the baseline and not counted as growth.
    w.get<QPushButton>(QStringLiteral("cmdExpand"))->click();
    flush();
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
        auto *slider = w.get<QScrollBar>(QStringLiteral("setminute(%1)").arg(i % 12 + 1));
        slider->setValue((slider->value() + 1) % (slider->maximum() + 1));
        w.get<QRadioButton>(QStringLiteral("Option1(%1)").arg(i % 5))->click();
        flush();
        if (i == 59) { // every slider at every value, every colour
            afterFirstRound = rssKb();
        }
    }
    const long afterChanges = rssKb();
    std::printf("periods=%d\nchanges=%d\nrss_first_kb=%ld\nrss_periods_kb=%ld\n"
                "rss_first_round_kb=%ld\nrss_changes_kb=%ld\ngrowth_kb=%ld\nbeeps=%d\n",
                periods, changes, first, afterPeriods, afterFirstRound, afterChanges,
                afterChanges - first, w.beeper.count);
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

} // namespace

int main(int argc, char *argv[])
{
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
    std::fprintf(
        stderr, "usage: windowbench paints IDLE_MS | growth PERIODS CHANGES | room WIDTH HEIGHT\n");
    return 2;
}
