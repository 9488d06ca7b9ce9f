// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "scoring/scoresheet.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

struct Description
{
    const char *control;
    const char *name; // nullptr: the visible text is the name
    const char *description;
};

// clang-format off
const Description Descriptions[] = {
    {"Picture5",    "Stop sign",         "The period clock is stopped"},
    {"Display",     nullptr,             "Minute of the period now running"},
    {"Label9",      nullptr,             "Clock readout: minute and seconds of the period"},
    {"start",       nullptr,             "Starts the four-minute period, or stops and resets it"},
    {"end",         "Quit",              "Ends the program"},
    {"Option1(0)",  "White background",  "Background colour"},
    {"Option1(1)",  "Green background",  "Background colour"},
    {"Option1(2)",  "Cyan background",   "Background colour"},
    {"Option1(3)",  "Yellow background", "Background colour"},
    {"Option1(4)",  "Black background",  "Background colour"},
    {"cmdExpand",   "Score sheet",       "Shows or hides the score sheet"},
    {"score",       nullptr,             "Total score"},
    {"cmdEnter",    nullptr,             "Unlocks the team name box"},
    {"txtTeamName", "Team name",         "Name of the competing team, printed on the result sheet"},
    {"cmdPrint",    nullptr,             "Prints the window as the result sheet"},
};
// clang-format on

QString tr(const char *text)
{
    return QCoreApplication::translate("Accessibility", text);
}

void describe(QWidget &window, const QString &control, const QString &name,
              const QString &description)
{
    QWidget *widget = window.findChild<QWidget *>(control);
    Q_ASSERT(widget);
    if (!widget) {
        return;
    }
    if (!name.isEmpty()) {
        widget->setAccessibleName(name);
    }
    widget->setAccessibleDescription(description);
}

} // namespace

void describeForAccessibility(QWidget &window)
{
    for (const Description &d : Descriptions) {
        describe(window, QString::fromLatin1(d.control), d.name ? tr(d.name) : QString(),
                 tr(d.description));
    }
    for (int n = 1; n <= ScoreSheet::QuestionCount; ++n) {
        describe(window, QStringLiteral("setminute(%1)").arg(n), tr("Question %1").arg(n),
                 tr("Minute in which question %1 was answered: 1 to 4, or 0 if it was not").arg(n));
        describe(window, QStringLiteral("minute(%1)").arg(n), QString(),
                 tr("Answer minute of question %1").arg(n));
    }
}
