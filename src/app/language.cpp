// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Built from translations/*.ts and embedded by qt_add_translations().
const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("vornaxi-timer_");

} // namespace

Language::Language(const QStringList &uiLanguages)
{
    // The languages in the user's order of preference (LANGUAGE, then
    // LC_ALL, LC_MESSAGES, LANG for the system's): the first one shipped
    // wins, and English, the source texts, wins as any shipped one does.
    for (const QString &ui : uiLanguages) {
        const QLocale wanted(ui);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C) {
            return;
        }
        if (m_program.load(wanted, QStringLiteral("vornaxi-timer"), QStringLiteral("_"), Folder)) {
            break;
        }
    }
    if (m_program.isEmpty()) {
        return;
    }
    m_name = m_program.language().section(u'_', 0, 0);
    QCoreApplication::installTranslator(&m_program);
    // Qt's own texts (buttons of the message boxes, the file dialog), where
    // the system has them (Debian: qt6-translations-l10n).
    if (m_qt.load(QLocale(m_program.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
}

Language::~Language()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QStringList Language::shipped()
{
    QStringList names;
    const QStringList files =
        QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        names << file.mid(Prefix.size()).chopped(3);
    }
    return names;
}
