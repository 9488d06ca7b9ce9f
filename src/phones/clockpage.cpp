// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockpage.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace

QByteArray clockPage()
{
    // Translated in the window's language (context ClockPage).
    const auto translated = [](const char *text) {
        return QCoreApplication::translate("ClockPage", text);
    };
    QByteArray page = resource(QStringLiteral(":/web/clock.html"));
    const QByteArray stopSign =
        "data:image/svg+xml;base64," + resource(QStringLiteral(":/stopsign.svg")).toBase64();
    const std::pair<const char *, QByteArray> fields[] = {
        //: The language of these texts for the browser, as a language code: de, fr, nl...
        {"@LANG@", escaped(translated(QT_TRANSLATE_NOOP("ClockPage", "en")))},
        //: The title of the page phones and tablets show.
        {"@TITLE@",
         escaped(translated(QT_TRANSLATE_NOOP("ClockPage", "Vornaxi Timer: the clock")))},
        //: Said by a screen reader when a new minute begins, %1 its number (1 to 4).
        {"@MINUTE_SAID@", escaped(translated(QT_TRANSLATE_NOOP("ClockPage", "Minute %1")))},
        {"@STOPPED@", escaped(translated(QT_TRANSLATE_NOOP("ClockPage", "The clock is stopped")))},
        //: What a screen reader calls the list of the teams, ranked, between periods.
        {"@STANDINGS@", escaped(translated(QT_TRANSLATE_NOOP("ClockPage", "The standings")))},
        //: One line under the clock where the browser cannot keep the screen on itself.
        {"@WAKE@",
         escaped(translated(QT_TRANSLATE_NOOP(
             "ClockPage", "To keep this screen on, turn off its sleep in the device's settings")))},
        //: Over the clock while the connection to the moderator's computer is lost.
        {"@RECONNECTING@", escaped(translated(QT_TRANSLATE_NOOP("ClockPage", "Reconnecting…")))},
        {"@STOPSIGN@", stopSign},
    };
    for (const auto &[field, value] : fields) {
        page.replace(field, value);
    }
    return page;
}
