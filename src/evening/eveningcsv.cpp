// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eveningcsv.h"

#include "evening/evening.h"

#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {
QString field(QString text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front())) {
        text.prepend(u'\'');
    }
    static const QString needQuotes = QStringLiteral(",\"\r\n");
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return needQuotes.contains(c); })) {
        text.replace(u'"', QStringLiteral("\"\""));
        text = u'"' + text + u'"';
    }
    return text;
}
} // namespace

QByteArray standingsCsv(const Evening &evening)
{
    QStringList header{QStringLiteral("rank"), QStringLiteral("team"), QStringLiteral("total")};
    for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
        header << u'q' + QString::number(q);
    }
    header << QStringLiteral("filed");
    QString csv = header.join(u',') + QStringLiteral("\r\n");
    for (const Standing &row : evening.standings()) {
        const FiledTeam &team = *evening.team(row.number);
        QStringList fields{QString::number(row.rank), field(row.team), QString::number(row.total)};
        for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
            const int minute = team.sheet.answer(q);
            fields << (minute > 0 ? QString::number(minute) : QString());
        }
        fields << team.filed.toString(Qt::ISODate);
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

bool writeStandingsCsv(const Evening &evening, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(standingsCsv(evening)) >= 0 &&
        file.commit();
}
