// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>

class QWidget;

// The font as designed if every text fits the box in the face the system
// resolved it to, otherwise the same face made just small enough. With the
// named fonts (or their metric-compatible stand-ins) nothing changes; a wider
// fallback face must not cut the clock's digits off.
QFont fitToBox(QFont font, const QStringList &texts, QSize box, Qt::Alignment alignment);

// The room a control's style leaves for its caption: a push button's, a radio
// button's or a group box title's.
QSize captionRoom(const QWidget &control);
// A caption longer than its control (a translated one, say) is not cut off
// and the control does not grow: the control's font is made just small enough
// for every one of texts (its own caption if none are given) to fit.
void fitCaption(QWidget &control, const QStringList &texts = {});
