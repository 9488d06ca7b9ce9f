// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "evening/evening.h"
#include "evening/eveningfile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The file as documented, written by hand: one team, Owls, number 1; the
// next new team gets number 3.
const QByteArray Kept = R"({"format": "vornaxi-timer evening", "version": 1, "nextNumber": 3,
"teams": [{"number": 1, "name": "Owls", "filed": "2026-12-08T20:15:00+01:00",
           "minutes": [1, 2, null, 0, null, null, null, null, null, null, null, 4]}]})";

QByteArray keptWith(const char *from, const QByteArray &to)
{
    return QByteArray(Kept).replace(from, to);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QString listed(const EveningData &data)
{
    QStringList teams;
    for (const FiledTeam &team : data.teams) {
        QString minutes;
        for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
            minutes += team.sheet.minuteText(q) == u"X" ? u'.' : QChar(u'0' + team.sheet.answer(q));
        }
        teams << QStringLiteral("%1 %2 %3 %4")
                     .arg(team.number)
                     .arg(team.displayName(), minutes, team.filed.toString(Qt::ISODate));
    }
    return teams.join(QStringLiteral(" | ")) + QStringLiteral(" next %1").arg(data.nextNumber);
}
} // namespace

class tst_EveningFile : public QObject
{
    Q_OBJECT

private slots:
    void file_data();
    void file();
};

// Each row starts the program on a folder holding `kept` as evening.json
// (none when null), then files two teams, and reads the folder again as the
// next start would. "new" starts a new evening before filing; "blocked"
// gives a folder that cannot be made.
void tst_EveningFile::file_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QString>("loaded");

    const QString owls = QStringLiteral("1 Owls 12.0.......4 2026-12-08T20:15:00+01:00 next 3");
    QTest::newRow("read, written and read again") << "load" << Kept << owls;
    QTest::newRow("no file yet") << "load" << QByteArray() << " next 1";
    const int longest = EveningLimits::MaxNameLength;
    QTest::newRow("a name of the longest")
        << "load" << keptWith("\"Owls\"", '"' + QByteArray(longest, 'o') + '"')
        << QString(owls).replace(QStringLiteral("Owls"), QString(longest, u'o'));
    QTest::newRow("new evening: the old file kept under its date") << "new" << Kept << " next 1";
    QTest::newRow("a folder that cannot be made") << "blocked" << QByteArray() << " next 1";

    const QList<std::pair<const char *, QByteArray>> bad{
        {"not JSON", "Owls 12"},
        {"empty", ""},
        {"cut short", Kept.left(Kept.size() / 2)},
        {"a JSON array", "[]"},
        {"another program's JSON", keptWith("vornaxi-timer evening", "recipes")},
        {"a newer version", keptWith("\"version\": 1", "\"version\": 2")},
        {"version as text", keptWith("\"version\": 1", "\"version\": \"1\"")},
        {"teams not a list", keptWith("[{", "{\"0\":{").replace("]}", "}}")},
        {"number as text", keptWith("\"number\": 1", "\"number\": \"1\"")},
        {"number not after the last", keptWith("\"number\": 1", "\"number\": 0")},
        {"next number not after the last", keptWith("\"nextNumber\": 3", "\"nextNumber\": 1")},
        {"a minute of 5", keptWith("[1, 2", "[5, 2")},
        {"a minute of 1.5", keptWith("[1, 2", "[1.5, 2")},
        {"eleven minutes", keptWith("[1, 2, null", "[1, 2")},
        {"no time filed", keptWith("2026-12-08T20:15:00+01:00", "")},
        {"a name one too long", keptWith("\"Owls\"", '"' + QByteArray(longest + 1, 'o') + '"')},
        {"a name with a line break", keptWith("\"Owls\"", "\"Ow\\nls\"")},
        {"a name of a million characters", keptWith("Owls", QByteArray(1'000'000, 'o'))},
        {"over 1 MB", Kept + QByteArray(EveningLimits::MaxFileBytes, ' ')},
    };
    for (const auto &[name, kept] : bad) {
        QTest::newRow(name) << "load" << kept << "set aside";
    }
}

void tst_EveningFile::file()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, kept);
    QFETCH(QString, loaded);
    QTemporaryDir dir;
    QString folder = dir.path();
    if (action == u"blocked") {
        put(dir.filePath(QStringLiteral("file")), "");
        folder = dir.filePath(QStringLiteral("file/evening"));
    }
    if (!kept.isNull()) {
        put(folder + QLatin1String("/evening.json"), kept);
    }
    // The first name for setting the file aside is taken.
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString taken = dir.filePath(action == u"new" ? QStringLiteral("evening-2026-12-08.json")
                                                        : QStringLiteral("evening-unusable-") +
                                               today + QLatin1String(".json"));
    put(taken, "taken");

    auto store = std::make_unique<EveningStore>(folder);
    QSignalSpy told(store.get(), &EveningStore::problem);
    Evening evening;
    store->follow(evening);
    if (action == u"new") {
        evening.startNew();
    }
    const bool setAside = loaded == u"set aside";
    QCOMPARE(listed(evening.data()), setAside ? QStringLiteral(" next 1") : loaded);
    ScoreSheet sheet;
    sheet.setAnswer(1, 1);
    QVERIFY(evening.fileSheet(sheet, QStringLiteral("Larks")));
    QVERIFY(evening.fileSheet(sheet, QStringLiteral("Kites")));
    QVERIFY(store->waitForWrites(10'000));
    QCoreApplication::processEvents();
    QCOMPARE(told.count(), int(setAside || action == u"blocked"));
    QCOMPARE(contents(taken), "taken");
    if (action == u"blocked") {
        // It goes on in memory.
        QCOMPARE(evening.standings().size(), 2);
        return;
    }
    if (setAside || action == u"new") {
        QCOMPARE(contents(taken.chopped(5) + QLatin1String("-2.json")), kept);
        QCOMPARE(QDir(folder).count(), 5u); // . .. taken kept evening.json
    }
    store.reset();
    const EveningData again = EveningStore(folder).load();
    QCOMPARE(listed(again), listed(evening.data()));
}

QTEST_GUILESS_MAIN(tst_EveningFile)
#include "tst_eveningfile.moc"
