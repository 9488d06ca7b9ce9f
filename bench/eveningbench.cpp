// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The quiz night with 200 teams filed: its file's size in bytes with typical
// names, the longest names, and the longest in three-byte characters; the
// typical one written to FILE, for a filing's benchmark and for start-up.
// usage: eveningbench FILE
#include "evening/evening.h"
#include "evening/eveningfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

namespace {
EveningData evening(const QString &nameStem, QRandomGenerator &random)
{
    Evening evening;
    for (int n = 1; n <= 200; ++n) {
        ScoreSheet sheet;
        for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
            sheet.setAnswer(q, int(random.bounded(ScoreSheet::MaxMinute + 1)));
        }
        evening.fileSheet(sheet,
                          (nameStem + QString::number(n)).right(EveningLimits::MaxNameLength));
    }
    return evening.data();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: eveningbench FILE\n");
        return 2;
    }
    QRandomGenerator random(2026);
    const QByteArray typical =
        EveningFile::toJson(evening(QStringLiteral("The Quizzing Owls of Table "), random));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(typical) != typical.size()) {
        std::fprintf(stderr, "eveningbench: cannot write %s\n", argv[1]);
        return 1;
    }
    const auto size = [&random](QChar c) {
        return qlonglong(
            EveningFile::toJson(evening(QString(EveningLimits::MaxNameLength, c), random)).size());
    };
    const qlonglong longest = size(u'w');
    std::printf("file_bytes=%lld\nfile_bytes_longest_names=%lld\n"
                "file_bytes_longest_names_not_ascii=%lld\n",
                qlonglong(typical.size()), longest, size(QChar(0x20AC)));
    return 0;
}
