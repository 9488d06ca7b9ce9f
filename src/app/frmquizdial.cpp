// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmquizdial.h"

#include "accessibility.h"
#include "clock/ticktimer.h"
#include "decorations.h"
#include "extras/colourscheme.h"
#include "extras/resultprinter.h"
#include "geometry.h"
#include "sound/beeper.h"
#include "stopsignpanel.h"
#include "textfit.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <limits>

namespace {

const QString Title = QStringLiteral("Vornaxi Timer v3.0");

// Titles tell the cases apart at a glance (and for the end-to-end test).
QString failureTitle(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::NoPrinter:
        return QStringLiteral("No printer");
    case PrintOutcome::NoDefaultPrinter:
        return QStringLiteral("No default printer");
    case PrintOutcome::JobFailed:
    case PrintOutcome::Printed:
        break;
    }
    return QStringLiteral("Print job failed");
}

QString failureText(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::NoPrinter:
        return QStringLiteral("Nothing was printed: no printer is available. "
                              "The printing service may not be running.");
    case PrintOutcome::NoDefaultPrinter:
        return QStringLiteral("Nothing was printed: no default printer is set. "
                              "Choose one in the system's printer settings.");
    case PrintOutcome::JobFailed:
    case PrintOutcome::Printed:
        break;
    }
    return QStringLiteral("Nothing was printed: the print job could not be started "
                          "on the default printer.");
}

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

QFont fontOf(Geometry::FontFace face)
{
    QFont font(QString::fromLatin1(face.family));
    // Pixels at 96 dpi, like the geometry, so text keeps its size relative to
    // its box whatever logical dpi the screen reports.
    font.setPixelSize(Geometry::pointsToPixels(face.points));
    font.setBold(true);
    return font;
}

// Pins background and text colours, so that a control neither inherits the
// window's changing background nor a frame's blue.
void setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette p = widget->palette();
    // Buttons paint with the button roles, everything else with the window's.
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Button, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

// The platform's own colours, pinned for the same reason.
void setSystemColours(QWidget *widget)
{
    const QPalette system = QApplication::palette(widget);
    QPalette p = widget->palette();
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                      QPalette::ButtonText, QPalette::Base, QPalette::Text, QPalette::Light,
                      QPalette::Dark, QPalette::Mid, QPalette::Midlight, QPalette::Shadow}) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, role, system.color(group, role));
        }
    }
    widget->setPalette(p);
}

} // namespace

frmQuizdial::frmQuizdial(Beeper &beeper, ResultPrinter &printer, QWidget *parent)
    : QWidget(parent)
    , m_beeper(beeper)
    , m_printer(printer)
    , m_clock([this] { m_beeper.beep(); })
{
    setObjectName(QStringLiteral("frmQuizdial"));
    setWindowTitle(Title);
    // Drawn from the vector icon by Qt SVG's icon engine, at the sizes asked for.
    setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    setFont(fontOf(Geometry::WindowFont));
    setAutoFillBackground(true);

    createControls();
    setTabOrder();
    describeForAccessibility(*this);
    startUp();
}

frmQuizdial::~frmQuizdial() = default;

void frmQuizdial::createControls()
{
    using namespace Geometry;
    const QColor white(255, 255, 255);
    const QColor blue(0, 0, 255);

    // Created from the bottom up: the shape, the minute display, its bevel
    // lines, then the stop-sign panel that covers all of them.
    Shape1 =
        place(new ShapeDecoration(QColor(255, 128, 0), QColor(255, 0, 0), Shape1BorderPixels, this),
              QStringLiteral("Shape1"), Geometry::Shape1);

    Display =
        place(new QLabel(QStringLiteral("1"), this), QStringLiteral("Display"), Geometry::Display);
    setColours(Display, QColor(0, 0, 0), QColor(224, 224, 224));
    Display->setAlignment(Qt::AlignCenter);
    Display->setFont(
        fitToBox(fontOf(DisplayFont), {"1", "2", "3", "4"}, Display->size(), Display->alignment()));

    for (int i = 0; i < int(Lines.size()); ++i) {
        Line[i] = new LineDecoration(pixels(Lines[i]), QColor::fromRgb(Lines[i].colour),
                                     LineWidthPixels, this);
        Line[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    }

    Picture5 = place(new StopSignPanel(this), QStringLiteral("Picture5"), Geometry::Picture5);

    // Above the panel, whose bottom row it shares.
    Label9 = place(new QLabel(this), QStringLiteral("Label9"), Geometry::Label9);
    setColours(Label9, blue, QColor(255, 255, 0));
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label9->setFont(
        fitToBox(fontOf(ReadoutFont), allReadouts(), Label9->size(), Label9->alignment()));

    start = place(new QPushButton(QStringLiteral("Start"), this), QStringLiteral("start"),
                  Geometry::Start);
    end =
        place(new QPushButton(QStringLiteral("QUIT"), this), QStringLiteral("end"), Geometry::End);
    setSystemColours(end);
    {
        // The quit button wears the window-background colour of the system.
        QPalette p = end->palette();
        p.setColor(QPalette::Button, QApplication::palette().color(QPalette::Base));
        end->setPalette(p);
    }

    colourButtons = new QButtonGroup(this);
    for (int i = 0; i < ColourScheme::Count; ++i) {
        Option1[i] = place(new QRadioButton(QString::fromLatin1(ColourScheme::Captions[i]), this),
                           indexed("Option1", i), Geometry::Option1[i]);
        setColours(Option1[i], QColor(0, 0, 128), white);
        colourButtons->addButton(Option1[i], i);
    }

    cmdExpand = place(new QPushButton(QStringLiteral("Score->"), this), QStringLiteral("cmdExpand"),
                      CmdExpand);

    score = place(new QLabel(QStringLiteral("0"), this), QStringLiteral("score"), Score);
    setColours(score, blue, white);
    score->setAlignment(Qt::AlignCenter);
    QStringList totals; // every total a sheet can reach, in steps of 4 points
    for (int total = 0; total <= ScoreSheet::QuestionCount * ScoreSheet::pointsFor(1); total += 4) {
        totals << QString::number(total);
    }
    score->setFont(fitToBox(fontOf(ScoreFont), totals, score->size(), score->alignment()));

    cmdEnter = place(new QPushButton(QStringLiteral("Enter Team Name"), this),
                     QStringLiteral("cmdEnter"), CmdEnter);
    txtTeamName = place(new QLineEdit(this), QStringLiteral("txtTeamName"), TxtTeamName);
    setSystemColours(txtTeamName);
    {
        QPalette p = txtTeamName->palette();
        p.setColor(QPalette::Base, QColor(192, 192, 192));
        txtTeamName->setPalette(p);
    }
    txtTeamName->setFont(fontOf(TeamNameFont));
    // A team name of any length: QLineEdit would cut it at 32767 characters.
    txtTeamName->setMaxLength(std::numeric_limits<int>::max());
    txtTeamName->setEnabled(false);
    cmdPrint = place(new QPushButton(QStringLiteral("Print Results"), this),
                     QStringLiteral("cmdPrint"), CmdPrint);
    cmdPrint->setEnabled(false);

    for (QPushButton *button : {start, cmdExpand, cmdEnter, cmdPrint}) {
        setSystemColours(button);
    }

    for (int i = 0; i < QuestionCount; ++i) {
        createQuestion(i);
    }

    Timer1 = new TickTimer(TickTimer::Second, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    connect(start, &QPushButton::clicked, this, &frmQuizdial::TogglePeriod);
    connect(Timer1, &TickTimer::ticked, this, &frmQuizdial::onTick);
    connect(cmdExpand, &QPushButton::clicked, this, &frmQuizdial::toggleSize);
    connect(colourButtons, &QButtonGroup::idClicked, this, &frmQuizdial::onColourChosen);
    connect(cmdEnter, &QPushButton::clicked, this, &frmQuizdial::onEnterClicked);
    // Any change counts, also one that empties the name; it never goes back.
    connect(txtTeamName, &QLineEdit::textChanged, cmdPrint, [this] { cmdPrint->setEnabled(true); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmQuizdial::printResults);
    // Quit ends the program at once, also in the middle of a period.
    connect(end, &QPushButton::clicked, qApp, [] { QCoreApplication::exit(0); });
}

void frmQuizdial::createQuestion(int index)
{
    using namespace Geometry;
    const QuestionRow &row = Questions[index];
    const int n = index + 1;

    auto *frame = place(new QGroupBox(QStringLiteral("Question #%1").arg(n), this),
                        indexed("question", n), questionFrame(row));
    setColours(frame, QColor(0, 0, 255), QColor(255, 255, 255));
    {
        // The frame's caption is drawn in the text colour.
        QPalette p = frame->palette();
        p.setColor(QPalette::Text, QColor(255, 255, 255));
        frame->setPalette(p);
    }
    question[index] = frame;

    auto *slider =
        place(new QScrollBar(Qt::Horizontal, frame), indexed("setminute", n), questionSlider(row));
    setSystemColours(slider);
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
    setSystemColours(label);
    {
        // A label in the platform's default colours: button face and text.
        QPalette p = label->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
        label->setPalette(p);
        label->setAutoFillBackground(true);
    }
    minute[index] = label;
}

void frmQuizdial::setTabOrder()
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
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
}

void frmQuizdial::startUp()
{
    // seconds stays unset until the first start resets it.
    for (int i = 0; i < ColourScheme::Count; ++i) {
        m_palette[i] = QColor::fromRgb(ColourScheme::Palette[i]);
    }
    onColourChosen(ColourScheme::StartIndex);
    Option1[ColourScheme::StartIndex]->setChecked(true);
    setClientSize(Geometry::pixels(Geometry::CompactClient));
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
}

void frmQuizdial::onColourChosen(int index)
{
    // Only the window and the stop-sign panel change; every other control
    // has its colours pinned.
    const QColor colour = m_palette[index];
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    Picture5->setBackgroundColour(colour);
}

bool frmQuizdial::isExpanded() const
{
    return m_clientSet == Geometry::pixels(Geometry::ExpandedClient);
}

void frmQuizdial::toggleSize()
{
    // Only the height of the size last set decides.
    const bool compact = m_clientSet.height() == Geometry::pixels(Geometry::CompactClient).height();
    setClientSize(Geometry::pixels(compact ? Geometry::ExpandedClient : Geometry::CompactClient));
}

void frmQuizdial::setClientSize(const QRect &client)
{
    m_clientSet = client;
    setFixedSize(client.size());
}

void frmQuizdial::onEnterClicked()
{
    // Enabled first: a disabled line edit does not take the focus.
    txtTeamName->setEnabled(true);
    txtTeamName->setFocus(Qt::OtherFocusReason);
}

ResultPage frmQuizdial::resultPage()
{
    // Drawn from the widgets themselves, so windows covering this one do not
    // matter; only the client area of the current size is in it.
    return ResultSheet::record(*this, txtTeamName->text());
}

void frmQuizdial::printResults()
{
    const ResultPage page = resultPage();
    const PrintOutcome outcome = m_printer.print(page);
    if (outcome != PrintOutcome::Printed) {
        offerPdf(page, outcome);
    }
}

void frmQuizdial::offerPdf(const ResultPage &page, PrintOutcome outcome)
{
    auto *box = new QMessageBox(QMessageBox::Warning, failureTitle(outcome), failureText(outcome),
                                QMessageBox::Save | QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("printFailed"));
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(QStringLiteral("You can save the result sheet as a PDF file instead."));
    box->button(QMessageBox::Save)->setText(QStringLiteral("Save as PDF..."));
    box->setDefaultButton(QMessageBox::Save);
    // open(), not exec(): the clock keeps its own pace, and closing the window
    // while the message is up takes the message along instead of returning
    // into a window that is gone.
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::buttonClicked, this, [this, box, page](QAbstractButton *button) {
        if (box->standardButton(button) == QMessageBox::Save) {
            m_printer.askPdfFileName(
                this, ResultSheet::pdfFileName(page.teamName),
                [this, page](const QString &fileName) { savePdf(page, fileName); });
        }
    });
    box->open();
}

void frmQuizdial::savePdf(const ResultPage &page, const QString &fileName)
{
    if (m_printer.saveAsPdf(page, fileName)) {
        return;
    }
    auto *box =
        new QMessageBox(QMessageBox::Warning, QStringLiteral("PDF not saved"),
                        QStringLiteral("The PDF file could not be written:\n%1").arg(fileName),
                        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("pdfFailed"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
