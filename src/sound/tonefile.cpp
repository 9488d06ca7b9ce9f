// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tonefile.h"

#include <QCoreApplication>
#include <QFileInfo>

QByteArray toneFile()
{
#if defined(VORNAXI_DATA_FROM_BIN)
    const QString bin = QCoreApplication::applicationDirPath();
    for (const char *dir : {VORNAXI_DATA_FROM_BIN, VORNAXI_DATA_IN_BUILD}) {
        const QFileInfo tone(bin + u'/' + QLatin1StringView(dir) + QStringLiteral("/beep.wav"));
        if (tone.isFile()) {
            return QFile::encodeName(tone.canonicalFilePath());
        }
    }
#endif
    return {};
}
