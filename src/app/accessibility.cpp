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

// Translated where they are set (context Accessibility).
// clang-format off
const Description Descriptions[] = {
    {"Picture5",
     QT_TRANSLATE_NOOP("Accessibility", "Stop sign"),
     QT_TRANSLATE_NOOP("Accessibility", "The period clock is stopped")},
    {"Display",
     nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Minute of the period now running")},
    {"Label9",
     nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Clock readout: minute and seconds of the period")},
    {"start",
     nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Starts the four-minute period, or stops and resets it")},
    {"end",
     QT_TRANSLATE_NOOP("Accessibility", "Quit"),
     QT_TRANSLATE_NOOP("Accessibility", "Ends the program")},
    {"Option1(0)",
     QT_TRANSLATE_NOOP("Accessibility", "White background"),
     QT_TRANSLATE_NOOP("Accessibility", "Background colour")},
    {"Option1(1)",
     QT_TRANSLATE_NOOP("Accessibility", "Green background"),
     QT_TRANSLATE_NOOP("Accessibility", "Background colour")},
    {"Option1(2)",
     QT_TRANSLATE_NOOP("Accessibility", "Cyan background"),
     QT_TRANSLATE_NOOP("Accessibility", "Background colour")},
    {"Option1(3)",
     QT_TRANSLATE_NOOP("Accessibility", "Yellow background"),
     QT_TRANSLATE_NOOP("Accessibility", "Background colour")},
    {"Option1(4)",
     QT_TRANSLATE_NOOP("Accessibility", "Black background"),
     QT_TRANSLATE_NOOP("Accessibility", "Background colour")},
    {"cmdExpand",
     QT_TRANSLATE_NOOP("Accessibility", "Score sheet"),
     QT_TRANSLATE_NOOP("Accessibility", "Shows or hides the score sheet")},
    {"score",
     nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Total score")},
    {"cmdEnter",
     nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Unlocks the team name box")},
    {"txtTeamName",
     QT_TRANSLATE_NOOP("Accessibility", "Team name"),
     QT_TRANSLATE_NOOP("Accessibility", "Name of the competing team, printed on the result sheet")},
    {"cmdPrint",
     nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Prints the window as the result sheet")},
};
// clang-format on

QString translated(const char *text)
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
        describe(window, QString::fromLatin1(d.control), d.name ? translated(d.name) : QString(),
                 translated(d.description));
    }
    for (int n = 1; n <= ScoreSheet::QuestionCount; ++n) {
        describe(window, QStringLiteral("setminute(%1)").arg(n),
                 QCoreApplication::translate("Accessibility", "Question %1").arg(n),
                 QCoreApplication::translate(
                     "Accessibility",
                     "Minute in which question %1 was answered: 1 to 4, or 0 if it was not")
                     .arg(n));
        describe(
            window, QStringLiteral("minute(%1)").arg(n), QString(),
            QCoreApplication::translate("Accessibility", "Answer minute of question %1").arg(n));
    }
}
