// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Model-based random test: long random sequences of user events drive the
// real window, and after every event what the window shows is compared with
// a small reference model written from the rules alone, not from the
// program's classes.
#include "quizfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <array>

namespace {

// Everything a user can see or hear, as plain values.
struct Seen
{
    bool running = false;
    QString startCaption, readout, digit;
    bool digitShown = false, stopSignShown = false;
    int beeps = 0;
    std::array<int, 12> values{};
    QStringList labels;
    QString total;
    QColor background, panelBackground;
    bool nameEnabled = false, printEnabled = false;
    QString name;
    QSize size;
    int prints = 0;
    QSize lastPrintSize;

    bool operator==(const Seen &) const = default;

    QString toString() const
    {
        QString text;
        QDebug(&text).nospace() << "running=" << running << " caption=" << startCaption
                                << " readout=" << readout << " digit=" << digit
                                << " digitShown=" << digitShown << " stopSign=" << stopSignShown
                                << " beeps=" << beeps
                                << "\n  values=" << QList<int>(values.begin(), values.end())
                                << " labels=" << labels << " total=" << total
                                << "\n  background=" << background.name()
                                << " panel=" << panelBackground.name()
                                << " nameEnabled=" << nameEnabled
                                << " printEnabled=" << printEnabled << " name=" << name.left(40)
                                << " size=" << size << " prints=" << prints
                                << " lastPrint=" << lastPrintSize;
        return text;
    }
};

// The reference model: the rules of the program, written down plainly.
struct Model
{
    Seen s;
    int seconds = 0;
    int minute = 1;
    std::array<bool, 12> touched{};
    bool expanded = false;

    Model()
    {
        s.startCaption = QStringLiteral("Start");
        s.digit = QStringLiteral("1");
        s.digitShown = true;
        s.stopSignShown = true;
        for (int i = 0; i < 12; ++i) {
            s.labels << QStringLiteral("X");
        }
        s.total = QStringLiteral("0");
        colour(ColourScheme::StartIndex);
        s.size = CompactSize;
    }

    void toggle()
    {
        ++s.beeps;
        seconds = 0;
        minute = 1;
        s.running = !s.running;
        s.startCaption = s.running ? QStringLiteral("Stop/Reset") : QStringLiteral("Start");
        s.stopSignShown = !s.running;
        s.digitShown = s.running;
        if (s.running) {
            s.readout = QStringLiteral(" 1:00");
            s.digit = QStringLiteral("1");
        } else {
            s.readout.clear();
        }
    }
    void tick()
    {
        ++seconds;
        if (seconds == 60) {
            if (minute == 4) {
                toggle();
            } else {
                seconds = 0;
                ++minute;
                s.digit = QString::number(minute);
                ++s.beeps;
            }
        }
        s.readout = QString::asprintf(" %d:%02d", minute, seconds);
    }
    void setValue(int q, int value)
    {
        value = std::clamp(value, 0, 4);
        if (value == s.values[q]) {
            return; // no change, no handler
        }
        s.values[q] = value;
        touched[q] = true;
        s.labels[q] = value ? QStringLiteral(" %1").arg(value) : QString();
        static constexpr int points[] = {0, 16, 12, 8, 4};
        int total = 0;
        for (int v : s.values) {
            total += points[v];
        }
        s.total = QString::number(total);
    }
    void colour(int i)
    {
        s.background = s.panelBackground = QColor::fromRgb(ColourScheme::Palette[i]);
    }
    void toggleSize()
    {
        expanded = !expanded;
        s.size = expanded ? ExpandedSize : CompactSize;
    }
    void edit(const QString &text)
    {
        if (text != s.name) {
            s.name = text;
            s.printEnabled = true;
        }
    }
    void print()
    {
        ++s.prints;
        s.lastPrintSize = s.size;
    }
};

struct Driver : Fixture
{
    QPushButton *start = get<QPushButton>(QStringLiteral("start"));
    QPushButton *expand = get<QPushButton>(QStringLiteral("cmdExpand"));
    QPushButton *enter = get<QPushButton>(QStringLiteral("cmdEnter"));
    QPushButton *print = get<QPushButton>(QStringLiteral("cmdPrint"));
    QLineEdit *name = get<QLineEdit>(QStringLiteral("txtTeamName"));
    QLabel *readout = get<QLabel>(QStringLiteral("Label9"));
    QLabel *digit = get<QLabel>(QStringLiteral("Display"));
    QLabel *score = get<QLabel>(QStringLiteral("score"));
    QWidget *panel = get(QStringLiteral("Picture5"));
    TickTimer *timer = get<TickTimer>(QStringLiteral("Timer1"));
    std::array<QScrollBar *, 12> sliders{};
    std::array<QLabel *, 12> labels{};
    std::array<QRadioButton *, 5> colours{};

    Driver()
    {
        QApplication::setActiveWindow(&window);
        [this] { QVERIFY(QTest::qWaitForWindowActive(&window)); }();
        for (int i = 0; i < 12; ++i) {
            sliders[i] = get<QScrollBar>(QStringLiteral("setminute(%1)").arg(i + 1));
            labels[i] = get<QLabel>(QStringLiteral("minute(%1)").arg(i + 1));
        }
        for (int i = 0; i < 5; ++i) {
            colours[i] = get<QRadioButton>(QStringLiteral("Option1(%1)").arg(i));
        }
    }

    Seen seen() const
    {
        Seen s;
        s.running = timer->isActive();
        s.startCaption = start->text();
        s.readout = readout->text();
        s.digit = digit->text();
        s.digitShown = !digit->isHidden();
        s.stopSignShown = !panel->isHidden();
        s.beeps = beeper.count;
        for (int i = 0; i < 12; ++i) {
            s.values[i] = sliders[i]->value();
            s.labels << labels[i]->text();
        }
        s.total = score->text();
        s.background = window.palette().color(QPalette::Window);
        s.panelBackground = panel->palette().color(QPalette::Window);
        s.nameEnabled = name->isEnabled();
        s.printEnabled = print->isEnabled();
        s.name = name->text();
        s.size = window.size();
        s.prints = int(printer.printed.size());
        if (!printer.printed.isEmpty()) {
            s.lastPrintSize = printer.printed.last().size;
        }
        return s;
    }

    // Gives a control the focus as a user can: one in sight by a click, one
    // out of sight by Tab alone; false if the focus does not get there.
    bool focus(QWidget *control)
    {
        if (control->isVisible()) {
            control->setFocus(Qt::MouseFocusReason);
            return true;
        }
        QWidget *first = QApplication::focusWidget();
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != control && QApplication::focusWidget() != first);
        return QApplication::focusWidget() == control;
    }

    void drag(QScrollBar *s, bool toEnd)
    {
        const QPoint from = thumbRect(s).center();
        const QPoint to(toEnd ? s->width() - 12 : 12, from.y());
        QTest::mousePress(s, Qt::LeftButton, {}, from);
        dragMouseTo(s, to);
        QTest::mouseRelease(s, Qt::LeftButton, {}, to);
    }
};

} // namespace

class tst_Model : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Every size toggle makes the offscreen platform warn that it cannot
        // pass the fixed size on; thousands of those would drown a failure.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(QLatin1String("propagateSizeHints"))) {
                    previous(type, context, message);
                }
            });
    }
    void randomSessions_data();
    void randomSessions();
};

void tst_Model::randomSessions_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    for (quint32 seed : {1u, 2u, 3u, 4u, 20261208u}) {
        QTest::addRow("seed %u", seed) << seed << 24000;
    }
}

void tst_Model::randomSessions()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    Driver d;
    Model m;
    QRandomGenerator random(seed);
    const QString typable = QStringLiteral("ab <b>&amp;</b> Z9\u05d0\u0301");
    QString last = QStringLiteral("start-up");

    for (int step = 0; step < events;) {
        // Weights per thousand: cheap ticks and keys most, a print rarely.
        const int kind = random.bounded(1000);
        const int q = random.bounded(12);
        if (kind < 15) {
            last = QStringLiteral("click Start");
            QTest::mouseClick(d.start, Qt::LeftButton);
            m.toggle();
        } else if (kind < 600) {
            if (!m.s.running) {
                continue; // the timer only ticks while the period runs
            }
            last = QStringLiteral("tick");
            emit d.timer->ticked();
            m.tick();
        } else if (kind < 610) {
            last = QStringLiteral("click Score->");
            QTest::mouseClick(d.expand, Qt::LeftButton);
            m.toggleSize();
        } else if (kind < 625) {
            const int i = random.bounded(5);
            last = QStringLiteral("click colour %1").arg(i);
            QTest::mouseClick(d.colours[i], Qt::LeftButton);
            m.colour(i);
        } else if (kind < 785) {
            static constexpr Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left,   Qt::Key_Home,
                                               Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
            const int k = random.bounded(6);
            last = QStringLiteral("key %1 on slider %2").arg(k).arg(q + 1);
            // Out of sight in the compact window, a slider never takes a key.
            if (d.focus(d.sliders[q])) {
                QTest::keyClick(QApplication::focusWidget(), keys[k]);
            }
            if (m.expanded) {
                const int v = m.s.values[q];
                const int next[] = {v + 1, v - 1, 0, 4, v + 1, v - 1};
                m.setValue(q, next[k]);
            }
        } else if (!m.expanded) {
            continue; // the rest is only in reach in the expanded window
        } else if (kind < 850) {
            const bool right = random.bounded(2);
            last = QStringLiteral("arrow %1 of slider %2").arg(right ? "right" : "left").arg(q + 1);
            d.clickArrow(q + 1, right);
            m.setValue(q, m.s.values[q] + (right ? 1 : -1));
        } else if (kind < 860) {
            const bool toEnd = random.bounded(2);
            last =
                QStringLiteral("drag slider %1 to the %2").arg(q + 1).arg(toEnd ? "end" : "start");
            d.drag(d.sliders[q], toEnd);
            m.setValue(q, toEnd ? 4 : 0);
        } else if (kind < 870) {
            last = QStringLiteral("click Enter Team Name");
            QTest::mouseClick(d.enter, Qt::LeftButton);
            m.s.nameEnabled = true;
        } else if (kind < 999) {
            if (!m.s.nameEnabled) {
                continue;
            }
            if (random.bounded(3) == 0) {
                last = QStringLiteral("backspace in the name");
                QTest::keyClick(d.name, Qt::Key_End);
                QTest::keyClick(d.name, Qt::Key_Backspace);
                m.edit(m.s.name.left(std::max<qsizetype>(0, m.s.name.size() - 1)));
            } else {
                const QChar c = typable[random.bounded(typable.size())];
                last = QStringLiteral("type '%1'").arg(c);
                QTest::keyClick(d.name, Qt::Key_End);
                // Any character, as an input method delivers it.
                QTest::sendKeyEvent(QTest::Click, d.name, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
                m.edit(m.s.name + c);
            }
        } else {
            if (!m.s.printEnabled) {
                continue;
            }
            last = QStringLiteral("click Print Results");
            QTest::mouseClick(d.print, Qt::LeftButton);
            m.print();
        }
        ++step;

        const Seen seen = d.seen();
        if (!(seen == m.s)) {
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2, after %3:\n window: %4\n model:  %5")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(last, seen.toString(), m.s.toString())));
        }
    }
}

QTEST_MAIN(tst_Model)
#include "tst_model.moc"
