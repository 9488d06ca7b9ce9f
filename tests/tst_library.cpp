// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loader/library.h"

#include <QTest>

// libm stands for any library: every Linux system has libm.so.6.
class tst_Library : public QObject
{
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QString>("missing"); // named in the error; empty where it loads
        QTest::newRow("found") << "m" << QByteArray("sqrt") << QString();
        QTest::newRow("library missing") << "none" << QByteArray("sqrt") << "libnone.so.6";
        QTest::newRow("function missing") << "m" << QByteArray("no_sqrt") << "no_sqrt";
    }
    void load()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, second);
        QFETCH(QString, missing);
        double (*cosine)(double) = nullptr;
        double (*root)(double) = nullptr;
        Library library(name, 6, {{"cos", cosine}, {second.constData(), root}});
        for (int call = 0; call < 2; ++call) {
            QCOMPARE(library.load(), missing.isEmpty());
            QCOMPARE(library.errorString().isEmpty(), missing.isEmpty());
            QVERIFY2(library.errorString().contains(missing), qPrintable(library.errorString()));
            // All or none.
            QCOMPARE(cosine && root ? cosine(0.0) + root(4.0) : 0.0, missing.isEmpty() ? 3.0 : 0.0);
            QVERIFY(!cosine == !root);
        }
    }
};

QTEST_APPLESS_MAIN(tst_Library)
#include "tst_library.moc"
