// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

// The small window that hands the link to the hall: its QR code, the link
// itself to copy, which of this computer's addresses it uses, and how many
// screens are watching. Closing it only hides it; the clock stays shared.
class PhonesWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PhonesWindow(QWidget *parent);

    // The link is http://ADDRESS:PORT/TOKEN/, the first address unless the
    // one chosen before is among them.
    void setLink(const QStringList &addresses, quint16 port, const QString &token);
    QString link() const;
    // Its QR code, one pixel a module (drawModules scales it); null where
    // none could be made, and the window says why.
    const QImage &code() const { return m_code; }
    void setViewers(int count);

signals:
    void linkChanged();

private:
    void showLink();

    quint16 m_port = 0;
    QString m_token;
    QImage m_code;
    QWidget *m_codeView = nullptr;
    QLabel *m_codeProblem = nullptr; // why there is no code, where there is none
    QComboBox *m_addresses = nullptr;
    QLineEdit *m_link = nullptr;
    QLabel *m_viewers = nullptr;
};
