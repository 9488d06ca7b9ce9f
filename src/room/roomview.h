// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paneltext.h"
#include "roomlayout.h"
#include "screensaver.h"
#include "state/roomstate.h"

#include <QFont>
#include <QPointer>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>

class QScreen;

// The screens' geometries, as chooseRoomScreen takes them.
QList<QRect> screenGeometries(const QList<QScreen *> &screens);

// The period shown to the room, on a projector or a second screen: the
// minute digit and the readout as large as the screen allows, or the stop
// sign (or the evening's standings, page by page), on the chosen background,
// with the team name and the total. It shows the state it is handed and reads
// nothing of the moderator's window but the screen that window is on, which
// it keeps clear of.
class RoomView : public QWidget
{
    Q_OBJECT

public:
    explicit RoomView(const QWidget *moderator);
    ~RoomView() override;

    // Repaints only what changed: a new second repaints the readout alone.
    void setState(const RoomState &state);
    const RoomState &state() const { return m_state; }
    const RoomLayout &layout() const { return m_layout; }

    // The link for phones and tablets as a QR code, one pixel a module with
    // its quiet zone, shown by whole pixels a module: large between periods
    // while the standings are not shown, else in a corner; a null image shows
    // none.
    void setCode(const QImage &code);

    // The standings' page shown now, while they are shown.
    StandingsPage standingsPage() const;

    // Shows the view on the screen it belongs on (chooseRoomScreen), which
    // is the one just added, if given and not the moderator's.
    void open(QScreen *added = nullptr);

signals:
    // A key that presses Start: what a presenter's clicker sends.
    void startPressed();
    // The view was closed from its own window (close button, window menu).
    void closed();
    // The view was shown on a screen, or moved to another: the moderator's
    // window takes the keyboard back (the view never asks for it).
    void placed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void relayout();
    void place(RoomScreen where);
    void setFullScreen(bool fullScreen);
    void showFilling(bool fullScreen);
    void followFullScreen(bool shown);
    void onScreenAdded(QScreen *screen);
    void onScreenRemoved(QScreen *screen);
    void describe();
    void fitName();
    void fitStandings();
    void paintStandings(QPainter &painter, const QRegion &dirty);
    QSizeF stopSignSize() const;
    void paintStopSign(QPainter &painter);
    QRect moderatorFrame() const;

    QPointer<const QWidget> m_moderator;
    RoomState m_state;
    RoomLayout m_layout;
    PanelText m_digit;
    PanelText m_readout;
    PanelText m_total;
    QFont m_nameFont;
    QImage m_code;
    QSvgRenderer m_stopSign;
    // The standings' rows of a page, their fonts, and the page shown.
    QList<StandingsRow> m_rows;
    int m_perPage = 1;
    int m_page = 0;
    QFont m_rankFont;
    QFont m_teamFont;
    QFont m_totalsFont;
    QFont m_pageFont;
    // The next page every few seconds, while there is more than one.
    QTimer m_paging;
    // Where the view was as a window before it was made to fill its screen.
    QRect m_windowed;
    QTimer m_pointerIdle;
    ScreenSaverInhibitor m_screenSaver;
};
