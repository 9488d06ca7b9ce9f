// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loader/library.h"

#include <QTest>

using namespace Qt::StringLiterals;

// libm stands for any library: every Linux system has libm.so.6.
class tst_Library : public QObject
{
    Q_OBJECT
private slots:
    void load_data();
    void load();
};

void tst_Library::load_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("named"); // in the error, empty where it loads
    QTest::newRow("found") << "m"
                           << "sqrt"_ba << QString();
    QTest::newRow("library missing") << "vornaxi-none"
                                     << "sqrt"_ba
                                     << "libvornaxi-none.so.6";
    QTest::newRow("function missing") << "m"
                                      << "vornaxi_none"_ba
                                      << "vornaxi_none";
}

void tst_Library::load()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, second);
    QFETCH(QString, named);
    double (*cosine)(double) = nullptr;
    double (*other)(double) = nullptr;
    Library library(name, 6, {{"cos", cosine}, {second.constData(), other}});
    for (int call = 0; call < 2; ++call) {
        QCOMPARE(library.load(), named.isEmpty());
        QCOMPARE(library.errorString().isEmpty(), named.isEmpty());
        QVERIFY2(library.errorString().contains(named), qPrintable(library.errorString()));
        QCOMPARE(!cosine, !named.isEmpty());
        QCOMPARE(!other, !named.isEmpty());
    }
    if (cosine) {
        QCOMPARE(cosine(0.0), 1.0);
        QCOMPARE(other(4.0), 2.0);
    }
}

QTEST_APPLESS_MAIN(tst_Library)
#include "tst_library.moc"
