// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmquizdial.h"

#include "accessibility.h"
#include "audience/audience.h"
#include "clock/ticktimer.h"
#include "decorations.h"
#include "geometry.h"
#include "look/colourscheme.h"
#include "look/faces.h"
#include "printing/printflow.h"
#include "printing/resultprinter.h"
#include "sound/beeper.h"
#include "stopsignpanel.h"
#include "textfit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <limits>

namespace {

template<typename Control>
Control *place(Control *control, const QString &name, Geometry::Twips where)
{
    control->setObjectName(name);
    control->setGeometry(Geometry::pixels(where));
    return control;
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont fontOf(Faces::Face face)
{
    QFont font = Faces::bold(face);
    // Pixels at 96 dpi, like the geometry, so text keeps its size relative to
    // its box whatever logical dpi the screen reports.
    font.setPixelSize(Geometry::pointsToPixels(face.points));
    return font;
}

// Where a control's colours start from before some are pinned: what it
// inherits from the window, or the platform's own.
enum class From { Inherited, Platform };
using Pinned = std::initializer_list<std::pair<QPalette::ColorRole, QColor>>;

// Pins colours, so that a control neither inherits the window's changing
// background nor a frame's blue: the pinned roles in every colour group,
// over the base.
void pinColours(QWidget *widget, From base, Pinned pinned)
{
    QPalette p = widget->palette();
    if (base == From::Platform) {
        const QPalette system = QApplication::palette(widget);
        for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                          QPalette::ButtonText, QPalette::Base, QPalette::Text, QPalette::Light,
                          QPalette::Dark, QPalette::Mid, QPalette::Midlight, QPalette::Shadow}) {
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                p.setColor(group, role, system.color(group, role));
            }
        }
    }
    for (const auto &[role, colour] : pinned) {
        p.setColor(role, colour);
    }
    widget->setPalette(p);
}

// A control in its colours from the colour scheme, on a background of its
// own. Buttons paint with the button roles, everything else with the window's.
void pinColours(QWidget *widget, ColourScheme::Colours colours)
{
    const QColor background = QColor::fromRgb(colours.background);
    const QColor text = QColor::fromRgb(colours.text);
    pinColours(widget, From::Inherited,
               {{QPalette::Window, background},
                {QPalette::Button, background},
                {QPalette::WindowText, text},
                {QPalette::ButtonText, text}});
    widget->setAutoFillBackground(true);
}

} // namespace

frmQuizdial::frmQuizdial(Beeper &beeper, ResultPrinter &printer, QWidget *parent)
    : QWidget(parent)
    , m_beeper(beeper)
    , m_printer(printer)
    , m_clock([this] { m_beeper.beep(); })
{
    setObjectName(QStringLiteral("frmQuizdial"));
    //: The window's title: the program's name as in the desktop's menu, and its version.
    setWindowTitle(tr("Vornaxi Timer v3.0"));
    // Drawn from the vector icon by Qt SVG's icon engine, at the sizes asked for.
    setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    setFont(fontOf(Faces::Window));
    setAutoFillBackground(true);

    // In this order, which is also the controls' stacking order.
    createClockArea();
    createColourButtons();
    createScoreArea();
    chainTabOrder();
    describeForAccessibility(*this);
    startUp();
    setUpKeyboard();
}

void frmQuizdial::createClockArea()
{
    using namespace Geometry;

    // Created from the bottom up: the shape, the minute display, its bevel
    // lines, then the stop-sign panel that covers all of them.
    Shape1 = place(new ShapeDecoration(QColor::fromRgb(ColourScheme::ShapeFill),
                                       QColor::fromRgb(ColourScheme::ShapeBorder),
                                       Shape1BorderPixels, this),
                   QStringLiteral("Shape1"), Geometry::Shape1);

    Display =
        place(new QLabel(QStringLiteral("1"), this), QStringLiteral("Display"), Geometry::Display);
    pinColours(Display, ColourScheme::Display);
    Display->setAlignment(Qt::AlignCenter);
    Display->setFont(fitToBox(fontOf(Faces::Digit), {"1", "2", "3", "4"}, Display->size(),
                              Display->alignment()));

    for (int i = 0; i < LineCount; ++i) {
        Line[i] = new LineDecoration(pixels(Lines[i]), QColor::fromRgb(Lines[i].colour),
                                     LineWidthPixels, this);
        Line[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    }

    Picture5 = place(new StopSignPanel(this), QStringLiteral("Picture5"), Geometry::Picture5);

    // Above the panel, whose bottom row it shares.
    Label9 = place(new QLabel(this), QStringLiteral("Label9"), Geometry::Label9);
    pinColours(Label9, ColourScheme::Readout);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label9->setFont(fitToBox(fontOf(Faces::Readout), PeriodClock::allReadouts(), Label9->size(),
                             Label9->alignment()));

    start = place(new QPushButton(m_clock.startCaption(), this), QStringLiteral("start"),
                  Geometry::Start);
    fitCaption(*start, PeriodClock::allStartCaptions());
    pinColours(start, From::Platform, {});
    //: Ends the program. In capitals, short: the button is 80 px wide.
    end = place(new QPushButton(tr("QUIT"), this), QStringLiteral("end"), Geometry::End);
    fitCaption(*end);
    // The quit button wears the window-background colour of the system.
    pinColours(end, From::Platform,
               {{QPalette::Button, QApplication::palette().color(QPalette::Base)}});

    Timer1 = new TickTimer(TickTimer::Second, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    connect(start, &QPushButton::clicked, this, &frmQuizdial::TogglePeriod);
    connect(Timer1, &TickTimer::ticked, this, &frmQuizdial::onTick);
    // Quit ends the program at once, also in the middle of a period.
    connect(end, &QPushButton::clicked, qApp, [] { QCoreApplication::exit(0); });
}

void frmQuizdial::createColourButtons()
{
    colourButtons = new QButtonGroup(this);
    for (int i = 0; i < ColourScheme::Count; ++i) {
        Option1[i] = place(new QRadioButton(tr(ColourScheme::Captions[i]), this),
                           indexed("Option1", i), Geometry::Option1[i]);
        fitCaption(*Option1[i]);
        pinColours(Option1[i], ColourScheme::ColourButton);
        colourButtons->addButton(Option1[i], i);
    }
    // The checked button, however it was checked: a click, an arrow key, or
    // an assistive technology's Toggle action, which emits no click.
    connect(colourButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            onColourChosen(id);
        }
    });
}

void frmQuizdial::createScoreArea()
{
    using namespace Geometry;

    //: Opens and closes the score sheet at the window's right. Very short: 59 px.
    cmdExpand = place(new QPushButton(tr("Score->"), this), QStringLiteral("cmdExpand"), CmdExpand);
    fitCaption(*cmdExpand);

    score = place(new QLabel(QStringLiteral("0"), this), QStringLiteral("score"), Score);
    pinColours(score, ColourScheme::Score);
    score->setAlignment(Qt::AlignCenter);
    score->setFont(
        fitToBox(fontOf(Faces::Total), ScoreSheet::allTotals(), score->size(), score->alignment()));

    //: Unlocks the box for the team's name. Short: the button is 129 px wide.
    cmdEnter =
        place(new QPushButton(tr("Enter Team Name"), this), QStringLiteral("cmdEnter"), CmdEnter);
    fitCaption(*cmdEnter);
    txtTeamName = place(new QLineEdit(this), QStringLiteral("txtTeamName"), TxtTeamName);
    pinColours(txtTeamName, From::Platform,
               {{QPalette::Base, QColor::fromRgb(ColourScheme::TeamNameBox)}});
    txtTeamName->setFont(fontOf(Faces::TeamName));
    // A team name of any length: QLineEdit would cut it at 32767 characters.
    txtTeamName->setMaxLength(std::numeric_limits<int>::max());
    //: Prints the window as the result sheet. Short: the button is 117 px wide.
    cmdPrint =
        place(new QPushButton(tr("Print Results"), this), QStringLiteral("cmdPrint"), CmdPrint);
    fitCaption(*cmdPrint);
    for (QPushButton *button : {cmdExpand, cmdEnter, cmdPrint}) {
        pinColours(button, From::Platform, {});
    }

    for (int i = 0; i < QuestionCount; ++i) {
        createQuestion(i);
    }

    connect(cmdExpand, &QPushButton::clicked, this, &frmQuizdial::toggleSize);
    connect(cmdEnter, &QPushButton::clicked, this, &frmQuizdial::onEnterClicked);
    // Any change counts, also one that empties the name; it never goes back.
    connect(txtTeamName, &QLineEdit::textChanged, cmdPrint, [this] {
        cmdPrint->setEnabled(true);
        showHall();
    });
    connect(cmdPrint, &QPushButton::clicked, this, &frmQuizdial::printResults);
}

void frmQuizdial::createQuestion(int index)
{
    using namespace Geometry;
    const QuestionRow &row = Questions[index];
    const int n = index + 1;

    //: Caption of a question's frame, %1 its number from 1 to 12. Short: 137 px.
    auto *frame = place(new QGroupBox(tr("Question #%1").arg(n), this), indexed("question", n),
                        questionFrame(row));
    pinColours(frame, ColourScheme::QuestionFrame);
    // The frame's caption is drawn in the text colour.
    pinColours(frame, From::Inherited,
               {{QPalette::Text, QColor::fromRgb(ColourScheme::QuestionFrame.text)}});
    question[index] = frame;

    auto *slider =
        place(new QScrollBar(Qt::Horizontal, frame), indexed("setminute", n), questionSlider(row));
    pinColours(slider, From::Platform, {});
    slider->setRange(0, ScoreSheet::MaxMinute);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys scroll content by default, so Right would lower the
    // value; here Right and End move the thumb, and the value, to the right.
    slider->setInvertedControls(false);
    // A dragged thumb counts once, when it is let go.
    slider->setTracking(false);
    setminute[index] = slider;
    connect(slider, &QScrollBar::valueChanged, this, [this, index] { onSetminuteChanged(index); });

    auto *label =
        place(new QLabel(QStringLiteral("X"), frame), indexed("minute", n), questionLabel(row));
    // A label in the platform's default colours: button face and text.
    const QPalette system = QApplication::palette(label);
    pinColours(label, From::Platform,
               {{QPalette::Window, system.color(QPalette::Active, QPalette::Button)},
                {QPalette::WindowText, system.color(QPalette::Active, QPalette::ButtonText)}});
    label->setAutoFillBackground(true);
    minute[index] = label;
    // Once the controls beside the caption are in place.
    fitCaption(*frame);
}

void frmQuizdial::chainTabOrder()
{
    // The designed keyboard order; controls that take no focus drop out.
    QList<QWidget *> order{Label9, end, Picture5};
    order.append(QList<QWidget *>(Option1.begin(), Option1.end()));
    order.append(Display);
    for (int i = 0; i < QuestionCount; ++i) {
        order << question[i] << setminute[i] << minute[i];
    }
    order << score << start << cmdEnter << txtTeamName << cmdPrint << cmdExpand;

    QWidget *previous = nullptr;
    for (QWidget *widget : order) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
}

void frmQuizdial::startUp()
{
    // seconds stays unset until the first start resets it. The colour comes
    // with the button.
    Option1[ColourScheme::StartIndex]->setChecked(true);
    showSheet({}, {});
    setClientSize(Geometry::WindowSize::Compact);
}

void frmQuizdial::TogglePeriod()
{
    m_clock.togglePeriod();
    showClock();
}

void frmQuizdial::onTick()
{
    m_clock.tick();
    showClock();
}

void frmQuizdial::showClock()
{
    // Unchanged texts are not set again, so a tick repaints only the readout.
    start->setText(m_clock.startCaption());
    Label9->setText(m_clock.readout());
    Display->setText(m_clock.minuteDigit());
    Display->setVisible(m_clock.isMinuteDigitShown());
    Picture5->setVisible(m_clock.isStopSignShown());
    showHall();
    if (m_clock.isRunning() && !Timer1->isActive()) {
        Timer1->start();
    } else if (!m_clock.isRunning() && Timer1->isActive()) {
        Timer1->stop();
    }
}

void frmQuizdial::onSetminuteChanged(int index)
{
    const int n = index + 1;
    m_sheet.setAnswer(n, setminute[index]->value());
    minute[index]->setText(m_sheet.minuteText(n));
    score->setText(m_sheet.totalText());
    showHall();
}

void frmQuizdial::onColourChosen(int index)
{
    // Only the window and the stop-sign panel change; every other control
    // has its colours pinned.
    const QColor colour = QColor::fromRgb(ColourScheme::Palette[index]);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    Picture5->setBackgroundColour(colour);
    m_colour = index;
    showHall();
}

void frmQuizdial::toggleSize()
{
    using Geometry::WindowSize;
    setClientSize(isExpanded() ? WindowSize::Compact : WindowSize::Expanded);
}

void frmQuizdial::setClientSize(Geometry::WindowSize size)
{
    m_size = size;
    setFixedSize(Geometry::clientSize(size));
    showOnlyTheClientArea();
}

// The controls beyond the client area of the current size are hidden, not
// just cut off: Tab skips them, a slider out of sight takes no key (a hidden
// control gives up the focus to the next one), and a screen reader finds what
// a sighted user sees. Nothing changes on screen or on paper, which both show
// the client area alone.
void frmQuizdial::showOnlyTheClientArea()
{
    const QRect compact = Geometry::pixels(Geometry::CompactClient);
    const QRect client(QPoint(0, 0), Geometry::clientSize(m_size));
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // The clock panel's controls are always in the client area, and the
        // clock alone shows and hides some of them; message boxes are windows.
        if (!control->isWindow() && !compact.contains(control->geometry())) {
            control->setVisible(client.intersects(control->geometry()));
        }
    }
}

void frmQuizdial::setUpKeyboard()
{
    // Space or Enter right after start-up starts the period. The window gives
    // this focus to Start when it is first activated.
    start->setFocus(Qt::OtherFocusReason);

    // Tab enters the colour buttons at the selected one, from either side:
    // only that one takes the Tab focus. (Qt moves the mark itself to a button
    // that gets the focus; the arrow keys move focus and selection together.)
    auto enterAtSelected = [this](int id, bool checked) {
        if (!checked) {
            return;
        }
        for (int i = 0; i < ColourScheme::Count; ++i) {
            const Qt::FocusPolicy policy = Option1[i]->focusPolicy();
            Option1[i]->setFocusPolicy(i == id ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                               : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    };
    connect(colourButtons, &QButtonGroup::idToggled, this, enterAtSelected);
    enterAtSelected(colourButtons->checkedId(), true);
}

void frmQuizdial::keyPressEvent(QKeyEvent *event)
{
    // Return and the keypad's Enter press the focused push button, as Space
    // does; they reach the window because a button that is not a dialog's
    // default ignores them. (autoDefault would make the focused button the
    // default one, which Fusion draws in the highlight colour.) The team
    // name's box passes them on too, and they do nothing there: printing
    // wants a deliberate press of its button.
    if (event->isAutoRepeat()) {
        // A held key acts on its first press alone.
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        // The menu key's other name: the focused control's menu, or the window's.
        QWidget *target = focusWidget() ? focusWidget() : this;
        const QPoint at = target->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &menu);
        return;
    }
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmQuizdial::onEnterClicked()
{
    // Enabled first: a disabled line edit does not take the focus.
    txtTeamName->setEnabled(true);
    txtTeamName->setFocus(Qt::OtherFocusReason);
}

void frmQuizdial::printResults()
{
    // Drawn from the widgets themselves, so windows covering this one do not
    // matter; only the client area of the current size is in it.
    ResultSheet::printOrOfferPdf(m_printer, ResultSheet::record(*this, txtTeamName->text()), this);
}

void frmQuizdial::contextMenuEvent(QContextMenuEvent *event)
{
    // Reached from the background and the controls that have no menu of
    // their own; the text box and the sliders keep theirs.
    QMenu menu(this);
    menu.addActions(m_menu);
    menu.exec(event->globalPos());
}

void frmQuizdial::showTo(Audience &audience)
{
    connect(this, &frmQuizdial::hallChanged, &audience, &Audience::show);
    connect(&audience, &Audience::startPressed, start, &QPushButton::click);
    // Added to the window, so that their shortcuts work without the menu;
    // the hall's entries first in the menu, as they have always been.
    addActions(audience.menuActions());
    m_menu = audience.menuActions() + m_menu;
    // All of this window's actions, its own and the audience's: a window of
    // the audience that has the keyboard acts on the moderator's keys too.
    audience.carry(actions());
    showHall();
}

// The hall sees what the window shows, handed over in the same pass of the
// event loop as the window's own change.
void frmQuizdial::showHall()
{
    RoomState state;
    state.running = m_clock.isRunning();
    state.minuteDigit = m_clock.minuteDigit();
    state.readout = m_clock.readout();
    state.background = ColourScheme::Palette[m_colour];
    state.teamName = txtTeamName->text();
    state.total = m_sheet.totalText();
    emit hallChanged(state);
}
