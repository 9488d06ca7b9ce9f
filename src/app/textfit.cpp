// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

bool fits(const QFont &font, const QStringList &texts, QSize box, Qt::Alignment alignment)
{
    const QFontMetrics metrics(font);
    QString characters;
    for (const QString &text : texts) {
        if (metrics.horizontalAdvance(text) > box.width()) {
            return false;
        }
        for (QChar c : text) {
            if (!characters.contains(c)) {
                characters += c;
            }
        }
    }
    // Vertically only the inked part counts, and the ink of all the
    // characters together bounds that of every text; top-aligned text starts
    // at the font's ascent.
    const QRect ink = metrics.tightBoundingRect(characters);
    const int bottom =
        (alignment & Qt::AlignTop) ? metrics.ascent() + ink.bottom() + 1 : ink.height();
    return bottom <= box.height();
}

} // namespace

QFont fitToBox(QFont font, const QStringList &texts, QSize box, Qt::Alignment alignment)
{
    while (font.pixelSize() > 1 && !fits(font, texts, box, alignment)) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

QSize captionRoom(const QWidget &control)
{
    const QStyle *style = control.style();
    if (const auto *box = qobject_cast<const QGroupBox *>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // As far from the right edge as the title starts from the left, and
        // off the edge itself; and off the controls in the frame that reach
        // up beside it (above its baseline).
        const int margin = std::max(label.left(), style->pixelMetric(QStyle::PM_DefaultFrameWidth));
        const QFontMetrics metrics(box->font());
        const int baseline =
            label.top() + (label.height() - metrics.height()) / 2 + metrics.ascent();
        int right = box->width() - margin;
        for (const QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->y() < baseline) {
                right = std::min(right, child->x() - margin);
            }
        }
        return {right - margin, label.height()};
    }
    QStyleOptionButton option;
    option.initFrom(&control);
    if (qobject_cast<const QPushButton *>(&control)) {
        // The text is centred in the contents, and kept off the bevel.
        const QRect contents =
            style->subElementRect(QStyle::SE_PushButtonContents, &option, &control);
        return contents.size() - QSize(style->pixelMetric(QStyle::PM_ButtonMargin), 0);
    }
    // Off the right edge, where the next colour button starts.
    const int margin = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return style->subElementRect(QStyle::SE_RadioButtonContents, &option, &control).size() -
        QSize(2 * margin, 0);
}

void fitCaption(QWidget &control, const QStringList &texts)
{
    QStringList captions = texts;
    if (captions.isEmpty()) {
        const auto *box = qobject_cast<const QGroupBox *>(&control);
        const auto *button = qobject_cast<const QAbstractButton *>(&control);
        captions << (box ? box->title() : button ? button->text() : QString());
    }
    const QFont fitted = fitToBox(control.font(), captions, captionRoom(control), Qt::AlignCenter);
    // Set only where it changes: a font set on a control no longer follows
    // the window's.
    if (fitted != control.font()) {
        control.setFont(fitted);
    }
}
