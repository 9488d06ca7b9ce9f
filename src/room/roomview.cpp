// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomview.h"

#include "clock/periodclock.h"
#include "look/colourscheme.h"
#include "look/faces.h"
#include "look/margins.h"
#include "look/modules.h"
#include "scoring/scoresheet.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <climits>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The pointer goes from a full-screen view after this long without moving.
constexpr int PointerIdleMs = 2000;
// Long enough to find one's team on a page, and to read its neighbours.
constexpr int StandingsPageMs = 8000;
// The page's number takes this share of the readout's place, a team's name
// this share of its row's height: below the rank and total beside it.
constexpr double PageNumberShare = 0.5;
constexpr double StandingsNameShare = 0.6;

const QStringList &digits()
{
    static const QStringList all{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4")};
    return all;
}

const QStringList &readouts()
{
    static const QStringList all = PeriodClock::allReadouts();
    return all;
}

const QStringList &totals()
{
    static const QStringList all = ScoreSheet::allTotals();
    return all;
}

// The glyphs' images of a size are large, and glibc would keep their memory
// for blocks of that size: the program would grow with every change of
// screen, and keep what a closed view held.
void giveBackFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// Text the room can read on any of the backgrounds.
QColor textOn(QRgb background)
{
    return qGray(background) >= 128 ? Qt::black : Qt::white;
}

RoomCode codeFor(const RoomState &state, bool withCode)
{
    if (!withCode) {
        return RoomCode::None;
    }
    return state.running || state.standingsShown() ? RoomCode::Corner : RoomCode::Large;
}

// As high as the box allows; a long text is made narrower down to half that
// height (beyond it, the painter cuts it short with an ellipsis).
QFont fitNames(const QFont &face, const QStringList &names, QSize box)
{
    const QFont high = fillBox(face, names, QSize(INT_MAX / 4, box.height()));
    QFont fitting = fillBox(face, names, box);
    if (fitting.pixelSize() * 2 < high.pixelSize()) {
        fitting.setPixelSize(std::max(1, high.pixelSize() / 2));
    }
    return fitting;
}

void drawInkCentred(QPainter &painter, const QRect &box, const QString &text)
{
    const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(text);
    painter.drawText(QPointF(box.center().x() + 0.5 - ink.center().x(),
                             box.center().y() + 0.5 - ink.center().y()),
                     text);
}

QString pageText(const StandingsPage &page)
{
    //: Which page of the standings the room sees, of how many: "2/3". Short.
    return RoomView::tr("%1/%2").arg(page.number + 1).arg(page.pages);
}

} // namespace

RoomView::RoomView(const QWidget *moderator)
    : m_moderator(moderator)
    , m_stopSign(QStringLiteral(":/stopsign.svg"))
    , m_screenSaver(tr("The quiz clock is shown to the room"))
{
    setObjectName(QStringLiteral("roomView"));
    setWindowTitle(tr("Vornaxi Timer: the clock for the room"));
    setAccessibleName(tr("The clock for the room"));
    // The moderator's icon itself: an icon of its own, made at each opening,
    // would leave its drawn sizes in the pixmap cache every time.
    setWindowIcon(m_moderator ? m_moderator->windowIcon() : QIcon(QStringLiteral(":/icon.svg")));
    // Closing it, or the program's closing, never waits on it.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The moderator keeps the keyboard while the view comes and goes.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Everything is painted, the background too, in one pass.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setMinimumSize(160, 90);

    m_digit.colour = QColor::fromRgb(ColourScheme::Display.text);
    // It changes four times a period: drawn when it does, not kept.
    m_digit.keepGlyphs = false;
    m_readout.colour = QColor::fromRgb(ColourScheme::Readout.text);
    m_total.colour = QColor::fromRgb(ColourScheme::Score.text);
    m_nameFont = Faces::bold(Faces::TeamName);

    m_pointerIdle.setSingleShot(true);
    m_pointerIdle.setInterval(PointerIdleMs);
    connect(&m_pointerIdle, &QTimer::timeout, this, [this] {
        if (isFullScreen()) {
            setCursor(Qt::BlankCursor);
        }
    });
    m_paging.setInterval(StandingsPageMs);
    connect(&m_paging, &QTimer::timeout, this, [this] {
        m_page = standingsPage().number + 1;
        update(m_layout.stopSign);
        update(m_layout.readout);
    });
    connect(qApp, &QGuiApplication::screenAdded, this, &RoomView::onScreenAdded);
    connect(qApp, &QGuiApplication::screenRemoved, this, &RoomView::onScreenRemoved);
    describe();
}

RoomView::~RoomView()
{
    m_readout.glyphs.clear();
    m_total.glyphs.clear();
    giveBackFreedMemory();
}

void RoomView::setState(const RoomState &state)
{
    if (state == m_state) {
        return;
    }
    const RoomState was = m_state;
    m_state = state;
    const bool withCode = !m_code.isNull();
    const bool newShape = was.teamName.isEmpty() != state.teamName.isEmpty() ||
        was.totalShown != state.totalShown || codeFor(was, withCode) != codeFor(state, withCode);
    if (newShape || was.background != state.background) {
        if (newShape) {
            relayout();
        }
        update();
    } else {
        if (was.teamName != state.teamName) {
            fitName();
            update(m_layout.name);
        }
        if (was.running != state.running || was.standings != state.standings) {
            fitStandings();
            update(m_layout.stopSign);
            update(m_layout.readout);
        } else if (state.running) {
            if (was.minuteDigit != state.minuteDigit) {
                update(m_digit.inkBox);
            }
            if (was.readout != state.readout) {
                update(m_readout.inkBox);
            }
        }
        if (was.total != state.total) {
            update(m_total.inkBox);
        }
    }
    if (was.running != state.running || was.readout != state.readout ||
        was.standingsShown() != state.standingsShown()) {
        describe();
    }
}

void RoomView::setCode(const QImage &code)
{
    if (code == m_code) {
        return;
    }
    const bool newShape = code.isNull() != m_code.isNull();
    m_code = code;
    if (newShape) {
        relayout();
        update();
    } else {
        update(m_layout.code);
    }
}

StandingsPage RoomView::standingsPage() const
{
    return ::standingsPage(int(m_state.standings.size()), m_perPage, m_page);
}

void RoomView::describe()
{
    if (m_state.running) {
        setAccessibleDescription(m_state.readout);
    } else {
        setAccessibleDescription(m_state.standingsShown() ? tr("The standings of the evening")
                                                          : tr("The clock is stopped"));
    }
}

void RoomView::relayout()
{
    m_layout = roomLayout(size(), !m_state.teamName.isEmpty(), m_state.totalShown,
                          codeFor(m_state, !m_code.isNull()));
    using Faces::bold;
    bool dropped = m_digit.fit(bold(Faces::Digit), digits(), m_layout.digit, Margins::Digit);
    dropped |= m_readout.fit(bold(Faces::Readout), readouts(), m_layout.readout, Margins::Text);
    dropped |= m_total.fit(bold(Faces::Total), totals(), m_layout.total, Margins::Text);
    if (dropped) {
        giveBackFreedMemory();
    }
    fitName();
    fitStandings();
}

void RoomView::fitStandings()
{
    if (!m_state.standingsShown()) {
        m_paging.stop();
        m_page = 0;
        m_rows.clear();
        return;
    }
    const QList<RoomStanding> &all = m_state.standings;
    m_perPage = standingsRowsPerPage(m_layout.stopSign.height(), height());
    m_rows = standingsRows(m_layout.stopSign, int(all.size()), m_perPage);
    // One size for each column, on every page: the largest rank, total and
    // name decide it.
    QStringList ranks, teams, totals;
    for (const RoomStanding &row : all) {
        ranks << QString::number(row.rank);
        teams << row.team;
        totals << QString::number(row.total);
    }
    const StandingsRow &first = m_rows.first();
    using Faces::bold;
    using Margins::inner;
    m_rankFont = fillBox(bold(Faces::Digit), ranks, inner(first.rank, Margins::Text).size());
    m_totalsFont = fillBox(bold(Faces::Total), totals, inner(first.total, Margins::Text).size());
    m_teamFont = fitNames(bold(Faces::TeamName), teams,
                          QSize(first.team.width(), int(first.team.height() * StandingsNameShare)));

    const StandingsPage shown = standingsPage();
    QStringList pages;
    for (int number = 0; number < shown.pages; ++number) {
        pages << pageText({0, 0, number, shown.pages});
    }
    const QSize box = inner(m_layout.readout, Margins::Text).size();
    m_pageFont = fillBox(bold(Faces::Readout), pages,
                         QSize(box.width(), int(box.height() * PageNumberShare)));
    if (shown.pages < 2) {
        m_paging.stop();
    } else if (!m_paging.isActive()) {
        m_paging.start();
    }
}

void RoomView::fitName()
{
    if (!m_state.teamName.isEmpty()) {
        m_nameFont = fitNames(m_nameFont, {m_state.teamName},
                              Margins::inner(m_layout.name, Margins::Name).size());
    }
}

void RoomView::resizeEvent(QResizeEvent *)
{
    relayout();
}

void RoomView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRegion &dirty = event->region();

    // Each pixel is filled once: the background around the panels, each
    // panel's own colour within it.
    QRegion background = dirty;
    const auto panel = [&](bool shown, const QRect &box, QRgb colour) {
        if (!shown || !dirty.intersects(box)) {
            return false;
        }
        background -= box;
        painter.fillRect(dirty.boundingRect() & box, QColor::fromRgb(colour));
        return true;
    };
    const bool digit = panel(m_state.running, m_layout.digit, ColourScheme::Display.background);
    const bool readout = panel(m_state.running, m_layout.readout, ColourScheme::Readout.background);
    const bool total = panel(m_state.totalShown, m_layout.total, ColourScheme::Score.background);
    const bool standings = m_state.standingsShown();
    const StandingsPage page = standingsPage();
    for (int i = 0; standings && i < page.count; ++i) {
        panel(true, m_rows[i].rank, ColourScheme::Display.background);
        panel(true, m_rows[i].total, ColourScheme::Score.background);
    }
    painter.setClipRegion(background);
    painter.fillRect(background.boundingRect(), QColor::fromRgb(m_state.background));
    painter.setClipping(false);

    if (digit) {
        m_digit.draw(painter, m_state.minuteDigit);
    }
    if (readout) {
        m_readout.draw(painter, m_state.readout);
    }
    if (total) {
        m_total.draw(painter, m_state.total);
    }
    if (standings) {
        paintStandings(painter, dirty);
    } else if (!m_state.running && dirty.intersects(m_layout.stopSign)) {
        paintStopSign(painter);
    }
    if (!m_code.isNull() && dirty.intersects(m_layout.code)) {
        drawModules(painter, m_layout.code, m_code);
    }
    if (!m_state.teamName.isEmpty() && dirty.intersects(m_layout.name)) {
        const QRect box = Margins::inner(m_layout.name, Margins::Name);
        const QFontMetrics metrics(m_nameFont);
        const QString shown = metrics.elidedText(m_state.teamName, Qt::ElideRight, box.width());
        painter.setFont(m_nameFont);
        painter.setPen(textOn(m_state.background));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
}

void RoomView::paintStandings(QPainter &painter, const QRegion &dirty)
{
    const StandingsPage page = standingsPage();
    const QColor ink = textOn(m_state.background);
    for (int i = 0; i < page.count; ++i) {
        const StandingsRow &box = m_rows[i];
        const RoomStanding &row = m_state.standings[page.first + i];
        if (!dirty.intersects(box.rank.united(box.total))) {
            continue;
        }
        painter.setFont(m_rankFont);
        painter.setPen(QColor::fromRgb(ColourScheme::Display.text));
        drawInkCentred(painter, box.rank, QString::number(row.rank));
        painter.setFont(m_totalsFont);
        painter.setPen(QColor::fromRgb(ColourScheme::Score.text));
        drawInkCentred(painter, box.total, QString::number(row.total));
        // The name's ink from the box's left edge: a name fitted to the box
        // by its ink may be a few pixels wider by its advances, and is whole.
        const QRect &team = box.team;
        const QFontMetricsF metrics(m_teamFont);
        QString name = row.team;
        if (metrics.tightBoundingRect(name).width() > team.width()) {
            name = metrics.elidedText(name, Qt::ElideRight, team.width());
        }
        painter.setFont(m_teamFont);
        painter.setPen(ink);
        painter.drawText(
            QPointF(team.left() - metrics.tightBoundingRect(name).left(),
                    team.center().y() + 0.5 + (metrics.ascent() - metrics.descent()) / 2),
            name);
    }
    if (page.pages > 1 && dirty.intersects(m_layout.readout)) {
        painter.setFont(m_pageFont);
        painter.setPen(ink);
        drawInkCentred(painter, m_layout.readout, pageText(page));
    }
}

QSizeF RoomView::stopSignSize() const
{
    QSizeF picture = m_stopSign.defaultSize();
    picture.scale(m_layout.stopSign.size(), Qt::KeepAspectRatio);
    return picture;
}

void RoomView::paintStopSign(QPainter &painter)
{
    // From the picture each time: it is painted when the view opens and when
    // the clock stops, and an image of it would hold some 10 MB at 4K.
    QRectF where(QPointF(), stopSignSize());
    where.moveCenter(QRectF(m_layout.stopSign).center());
    m_stopSign.render(&painter, where);
}

void RoomView::keyPressEvent(QKeyEvent *event)
{
    // A key held down (a clicker's sticky button) acts on its first press:
    // its auto-repeats, which the program marks as such, do nothing.
    const bool first = !event->isAutoRepeat();
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageDown:
        if (first) {
            emit startPressed();
        }
        return;
    case Qt::Key_F11:
        if (first) {
            setFullScreen(!isFullScreen());
        }
        return;
    case Qt::Key_Escape:
        if (first) {
            setFullScreen(false);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void RoomView::mouseDoubleClickEvent(QMouseEvent *)
{
    setFullScreen(!isFullScreen());
}

void RoomView::mouseMoveEvent(QMouseEvent *)
{
    unsetCursor();
    if (isFullScreen()) {
        m_pointerIdle.start();
    }
}

// The screen saver is held off, and the pointer hides, only while the view
// is shown full screen.
void RoomView::followFullScreen(bool shown)
{
    const bool full = shown && isFullScreen();
    m_screenSaver.setInhibited(full);
    if (full) {
        m_pointerIdle.start();
    } else {
        m_pointerIdle.stop();
        unsetCursor();
    }
}

void RoomView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        followFullScreen(isVisible());
    }
    QWidget::changeEvent(event);
}

void RoomView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    followFullScreen(true);
}

void RoomView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    followFullScreen(false);
}

void RoomView::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

QList<QRect> screenGeometries(const QList<QScreen *> &screens)
{
    QList<QRect> all;
    for (const QScreen *screen : screens) {
        all << screen->geometry();
    }
    return all;
}

QRect RoomView::moderatorFrame() const
{
    return m_moderator ? m_moderator->frameGeometry() : QRect();
}

void RoomView::open(QScreen *added)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int moderator = m_moderator ? int(screens.indexOf(m_moderator->screen())) : -1;
    const int room = isVisible() ? int(screens.indexOf(screen())) : -1;
    place(
        chooseRoomScreen(screenGeometries(screens), moderator, room, int(screens.indexOf(added))));
}

void RoomView::place(RoomScreen where)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (where.index < 0 || where.index >= screens.size()) {
        return;
    }
    QScreen *target = screens[where.index];
    // Unmapped first: a window manager may keep a full-screen window where it
    // is, and on Wayland the screen is chosen when the window is shown.
    if (isVisible() && screen() != target) {
        hide();
    }
    setScreen(target);
    m_windowed = windowedIn(target->availableGeometry(), moderatorFrame());
    if (where.fullScreen) {
        // Without a window manager nothing else would make it fill the screen.
        setGeometry(target->geometry());
        showFilling(true);
    } else {
        showFilling(false);
        setGeometry(m_windowed);
    }
    emit placed();
}

// As showFullScreen() and showNormal(), but without taking the keyboard from
// the moderator's window, which showFullScreen() would activate it for.
void RoomView::showFilling(bool fullScreen)
{
    setWindowState(fullScreen ? windowState() | Qt::WindowFullScreen
                              : windowState() & ~Qt::WindowFullScreen);
    show();
}

void RoomView::setFullScreen(bool fullScreen)
{
    if (fullScreen == isFullScreen()) {
        return;
    }
    const QRect screenArea = screen()->geometry();
    if (fullScreen) {
        m_windowed = geometry();
        setGeometry(screenArea);
        showFilling(true);
    } else {
        showFilling(false);
        setGeometry(m_windowed.intersects(screenArea)
                        ? m_windowed
                        : windowedIn(screen()->availableGeometry(), moderatorFrame()));
    }
}

void RoomView::onScreenAdded(QScreen *screen)
{
    if (isVisible()) {
        open(screen);
    }
}

void RoomView::onScreenRemoved(QScreen *screen)
{
    // Qt moves a window whose screen went to the primary one after this
    // signal, at whatever place; the view is put where it belongs first. The
    // moderator's window has moved already if its own screen went (it was
    // connected first), maybe onto this one, which it then shares.
    if (!isVisible()) {
        return;
    }
    if (this->screen() == screen ||
        (isFullScreen() && m_moderator && m_moderator->screen() == this->screen())) {
        open();
    }
}
