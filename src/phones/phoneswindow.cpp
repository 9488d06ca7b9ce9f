// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phoneswindow.h"

#include "look/modules.h"
#include "qrcode.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class CodeView : public QWidget
{
public:
    CodeView(const QImage &code, QWidget *parent)
        : QWidget(parent)
        , m_code(code)
    {
        // Room for a phone's camera from an arm's length.
        setMinimumSize(264, 264);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawModules(painter, rect(), m_code);
    }

private:
    const QImage &m_code;
};

} // namespace

PhonesWindow::PhonesWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("phonesWindow"));
    setWindowTitle(tr("The clock on phones and tablets"));
    // Closed, it is only hidden, and the program's end never waits for it.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_codeView = new CodeView(m_code, this);
    m_codeProblem = new QLabel(this);
    m_codeProblem->setObjectName(QStringLiteral("codeProblem"));
    m_codeProblem->setWordWrap(true);
    m_codeProblem->setTextFormat(Qt::PlainText);
    m_codeProblem->hide();
    m_addresses = new QComboBox(this);
    m_addresses->setObjectName(QStringLiteral("addresses"));
    //: Chooses which of the computer's network addresses the link uses.
    m_addresses->setAccessibleName(tr("Address in the link"));
    m_link = new QLineEdit(this);
    m_link->setObjectName(QStringLiteral("link"));
    m_link->setReadOnly(true);
    m_link->setAccessibleName(tr("The link"));
    auto *copy = new QPushButton(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("copy"));
    m_viewers = new QLabel(this);
    m_viewers->setObjectName(QStringLiteral("viewers"));
    auto *who = new QLabel(
        tr("Anyone on this network with the link sees the clock; nobody can change anything"),
        this);
    who->setWordWrap(true);

    auto *linkRow = new QHBoxLayout;
    linkRow->addWidget(m_link, 1);
    linkRow->addWidget(copy);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_codeView, 1);
    column->addWidget(m_codeProblem);
    column->addWidget(m_addresses);
    column->addLayout(linkRow);
    column->addWidget(m_viewers);
    column->addWidget(who);

    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(link()); });
    connect(m_addresses, &QComboBox::currentIndexChanged, this, &PhonesWindow::showLink);
    setViewers(0);
}

void PhonesWindow::setLink(const QStringList &addresses, quint16 port, const QString &token)
{
    const QString chosen = m_addresses->currentText();
    m_port = port;
    m_token = token;
    {
        const QSignalBlocker quiet(m_addresses);
        m_addresses->clear();
        m_addresses->addItems(addresses);
        m_addresses->setCurrentIndex(std::max(0, int(addresses.indexOf(chosen))));
    }
    // A choice only where there is one to make.
    m_addresses->setVisible(addresses.size() > 1);
    showLink();
}

QString PhonesWindow::link() const
{
    return QStringLiteral("http://%1:%2/%3/")
        .arg(m_addresses->currentText())
        .arg(m_port)
        .arg(m_token);
}

void PhonesWindow::showLink()
{
    m_link->setText(link());
    // The whole link in sight, its start first where it cannot be.
    m_link->setMinimumWidth(m_link->fontMetrics().horizontalAdvance(link()) +
                            m_link->fontMetrics().averageCharWidth() * 2);
    m_link->setCursorPosition(0);
    QString why;
    m_code = qrCode(link().toUtf8(), &why);
    // Without a code, the reason in its place: the link is there all the same.
    m_codeView->setVisible(!m_code.isNull());
    m_codeProblem->setVisible(m_code.isNull());
    m_codeProblem->setText(tr("The QR code could not be drawn: %1").arg(why));
    m_codeView->update();
    emit linkChanged();
}

void PhonesWindow::setViewers(int count)
{
    m_viewers->setText(tr("Screens watching now: %1").arg(count));
}
