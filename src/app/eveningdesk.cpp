// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eveningdesk.h"

#include "audience/audience.h"
#include "evening/evening.h"
#include "evening/eveningcsv.h"
#include "evening/standingsmodel.h"
#include "frmquizdial.h"
#include "printing/printflow.h"
#include "printing/resultprinter.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

EveningDesk::EveningDesk(frmQuizdial &window, Evening &evening, ResultPrinter &printer)
    : QObject(nullptr)
    , m_window(window)
    , m_evening(evening)
    , m_printer(printer)
{
    askCsvFileName = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, tr("Save the standings"), tr("standings.csv"),
                                            tr("CSV files (*.csv)"));
    };

    //: Menu entry: files this team's sheet into the evening and starts an empty one.
    m_next = addEntry(new QAction(tr("Next team"), this), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_next, &QAction::triggered, this, &EveningDesk::nextTeam);
    QUndoStack *undo = evening.undoStack();
    //: Menu entry, followed by what is undone: "Undo File Owls".
    m_undo = addEntry(undo->createUndoAction(this, tr("Undo")), QKeySequence(Qt::CTRL | Qt::Key_Z));
    //: Menu entry, followed by what is redone.
    m_redo = addEntry(undo->createRedoAction(this, tr("Redo")),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    //: Menu entry: opens the window of the evening's standings.
    QAction *standings =
        addEntry(new QAction(tr("Standings"), this), QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(standings, &QAction::triggered, this, [this] {
        QDialog *dialog = this->standings();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    //: Menu entry: ends this evening (its file is kept aside) and starts an empty one.
    QAction *newEvening = addEntry(new QAction(tr("New evening"), this), {});
    connect(newEvening, &QAction::triggered, &evening, &Evening::startNew);

    connect(&evening, &Evening::sheetHandedBack, this,
            [this](const ScoreSheet &sheet, const QString &name) {
                m_handedBack = {sheet, name};
                m_window.showSheet(sheet, name);
                updateEntries();
            });
    // After the undo stack's own connections, which enable the entries.
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged}) {
        connect(undo, signal, this, &EveningDesk::updateEntries);
    }
    connect(&evening, &Evening::changed, this, &EveningDesk::updateEntries);
    // The clock, the sheet and the name: what decides the entries.
    connect(&window, &frmQuizdial::hallChanged, this, &EveningDesk::updateEntries);
    updateEntries();
}

EveningDesk::~EveningDesk()
{
    // Its model knows the evening, which may go before the window.
    delete m_standings;
}

void EveningDesk::showTo(Audience &audience)
{
    const auto handOver = [this, &audience] {
        QList<RoomStanding> rows;
        for (const Standing &row : m_evening.standings()) {
            rows.append({row.rank, row.team, row.total});
        }
        audience.showStandings(rows);
    };
    connect(&m_evening, &Evening::changed, &audience, handOver);
    handOver();
}

QAction *EveningDesk::addEntry(QAction *action, const QKeySequence &keys)
{
    action->setShortcut(keys);
    m_window.addMenuEntries({action});
    return action;
}

void EveningDesk::nextTeam()
{
    if (!m_window.periodClock().isRunning()) {
        m_evening.fileSheet(m_window.sheet(), m_window.teamName());
    }
}

void EveningDesk::updateEntries()
{
    const bool touched = isTouched(m_window.sheet(), m_window.teamName());
    const bool undoable = !touched || isAsHandedBack();
    m_next->setEnabled(!m_window.periodClock().isRunning());
    m_undo->setEnabled(undoable && m_evening.undoStack()->canUndo());
    m_redo->setEnabled(undoable && m_evening.undoStack()->canRedo());
    if (m_standings) {
        const bool selected = selectedNumber() != 0;
        m_rename->setEnabled(selected);
        m_remove->setEnabled(selected);
        m_reopen->setEnabled(selected && !touched && m_evening.reopened() == 0);
    }
}

bool EveningDesk::isAsHandedBack() const
{
    if (!m_handedBack || m_handedBack->second != m_window.teamName()) {
        return false;
    }
    const ScoreSheet &shown = m_window.sheet();
    const ScoreSheet &handed = m_handedBack->first;
    for (int n = 1; n <= ScoreSheet::QuestionCount; ++n) {
        if (shown.answer(n) != handed.answer(n) || shown.minuteText(n) != handed.minuteText(n)) {
            return false;
        }
    }
    return true;
}

QDialog *EveningDesk::standings()
{
    if (!m_standings) {
        makeStandings();
    }
    return m_standings;
}

void EveningDesk::makeStandings()
{
    m_standings = new QDialog(&m_window);
    m_standings->setObjectName(QStringLiteral("standings"));
    //: The standings window's title.
    m_standings->setWindowTitle(tr("Standings"));
    m_standings->setModal(false);
    // Its own font and colours, not the window's.
    m_standings->setFont(QFont());
    m_standings->setPalette(QPalette());
    m_standings->setAutoFillBackground(true);

    m_model = new StandingsModel(m_evening, m_standings);
    m_table = new QTableView(m_standings);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(StandingsModel::Team, QHeaderView::Stretch);

    auto *buttons = new QDialogButtonBox(m_standings);
    auto button = [&](const QString &text, const char *name) {
        auto *b = buttons->addButton(text, QDialogButtonBox::ActionRole);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    //: Buttons of the standings window, for the selected team.
    m_rename = button(tr("Rename"), "rename");
    m_remove = button(tr("Remove"), "remove");
    //: Puts the selected team's sheet back in the window for correcting.
    m_reopen = button(tr("Reopen"), "reopen");
    QPushButton *print = button(tr("Print"), "print");
    QPushButton *csv = button(tr("Save as CSV"), "csv");

    auto *layout = new QVBoxLayout(m_standings);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    m_standings->resize(560, 360);

    connect(m_rename, &QPushButton::clicked, this, [this] {
        m_table->edit(m_table->currentIndex().siblingAtColumn(StandingsModel::Team));
    });
    connect(m_remove, &QPushButton::clicked, this,
            [this] { m_evening.removeTeam(selectedNumber()); });
    connect(m_reopen, &QPushButton::clicked, this, [this] {
        m_evening.reopenTeam(selectedNumber(), m_window.sheet(), m_window.teamName());
    });
    connect(print, &QPushButton::clicked, this, [this] {
        ResultSheet::printOrOfferPdf(m_printer, ResultSheet::record(*m_table, tr("Standings")),
                                     m_standings);
    });
    connect(csv, &QPushButton::clicked, this, &EveningDesk::saveCsv);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EveningDesk::updateEntries);
    connect(m_model, &QAbstractItemModel::modelReset, this, &EveningDesk::updateEntries);
    updateEntries();
}

int EveningDesk::selectedNumber() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : m_model->numberAt(rows.first().row());
}

void EveningDesk::saveCsv()
{
    const QString path = askCsvFileName(m_standings);
    if (!path.isEmpty() && !writeStandingsCsv(m_evening, path)) {
        auto *box = new QMessageBox(QMessageBox::Warning, tr("Standings"),
                                    tr("The standings could not be saved in %1.").arg(path),
                                    QMessageBox::Ok, m_standings);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    }
}
