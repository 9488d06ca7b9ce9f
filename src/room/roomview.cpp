// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomview.h"

#include "clock/periodclock.h"
#include "look/colourscheme.h"
#include "look/faces.h"
#include "look/margins.h"
#include "look/modules.h"
#include "scoring/scoresheet.h"

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
    const bool newShape =
        was.teamName.isEmpty() != state.teamName.isEmpty() || was.totalShown != state.totalShown;
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
        if (was.running != state.running) {
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
    if (was.running != state.running || was.readout != state.readout) {
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

void RoomView::describe()
{
    setAccessibleDescription(m_state.running ? m_state.readout : tr("The clock is stopped"));
}

void RoomView::relayout()
{
    m_layout =
        roomLayout(size(), !m_state.teamName.isEmpty(), m_state.totalShown, !m_code.isNull());
    using Faces::bold;
    bool dropped = m_digit.fit(bold(Faces::Digit), digits(), m_layout.digit, Margins::Digit);
    dropped |= m_readout.fit(bold(Faces::Readout), readouts(), m_layout.readout, Margins::Text);
    dropped |= m_total.fit(bold(Faces::Total), totals(), m_layout.total, Margins::Text);
    if (dropped) {
        giveBackFreedMemory();
    }
    fitName();
}

void RoomView::fitName()
{
    if (!m_state.teamName.isEmpty()) {
        // As high as the band allows; a long name is made narrower down to
        // half that height, and beyond it is cut short with an ellipsis.
        const QSize box = Margins::inner(m_layout.name, Margins::Name).size();
        const QFont high =
            fillBox(m_nameFont, {m_state.teamName}, QSize(INT_MAX / 4, box.height()));
        const QFont fitting = fillBox(m_nameFont, {m_state.teamName}, box);
        m_nameFont = fitting;
        if (fitting.pixelSize() * 2 < high.pixelSize()) {
            m_nameFont.setPixelSize(std::max(1, high.pixelSize() / 2));
        }
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
    if (!m_state.running && dirty.intersects(m_layout.stopSign)) {
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
