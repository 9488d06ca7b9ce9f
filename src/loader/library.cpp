// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "library.h"

#include <QCoreApplication>

Library::Library(const QString &name, int version, std::initializer_list<Function> functions)
    : m_library(name, version)
    , m_file(QStringLiteral("lib%1.so.%2").arg(name).arg(version))
    , m_functions(functions)
{
}

bool Library::load()
{
    if (m_loaded) {
        return *m_loaded;
    }
    m_loaded = m_library.load();
    if (!*m_loaded) {
        //: %1 is a library's file, libqrencode.so.4 for one.
        m_error = QCoreApplication::translate("Library", "%1 was not found or could not be loaded")
                      .arg(m_file);
    }
    for (const Function &function : m_functions) {
        const QFunctionPointer address = *m_loaded ? m_library.resolve(function.m_name) : nullptr;
        if (*m_loaded && !address) {
            m_loaded = false;
            m_error = QCoreApplication::translate("Library", "%1 has no function %2")
                          .arg(m_file, QLatin1String(function.m_name));
        }
        function.m_set(function.m_pointer, address);
    }
    // None of them, not some: a caller tests its answer, not each pointer.
    if (!*m_loaded) {
        for (const Function &function : m_functions) {
            function.m_set(function.m_pointer, nullptr);
        }
    }
    return *m_loaded;
}
