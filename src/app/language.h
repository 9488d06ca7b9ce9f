// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The program's texts, and Qt's own in its standard dialogs, in the first of
// the user's languages (QLocale::uiLanguages(), "en_GB", "de_AT"...) the
// program ships (de_AT falls back to de). English is
// the language of the source texts: where it comes first, or where no shipped
// language is asked for, nothing is installed and the program is as written.
// The translations stay installed as long as this lives.
class Language
{
public:
    explicit Language(const QStringList &uiLanguages);
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    // The language installed ("de"), empty for the source texts.
    QString name() const { return m_name; }

    // Every language shipped with the program, by name ("de", "fr"...).
    static QStringList shipped();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_name;
};
