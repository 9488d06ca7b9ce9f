// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evening/filedteam.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

class Evening;

// The evening's file: one JSON object with a version number.
namespace EveningFile {
constexpr int Version = 1;
QByteArray toJson(const EveningData &data);
// Nothing for anything this program would not have written: not JSON, cut
// short, a newer version, wrong types, numbers out of order, a name over
// the limit, more teams than an evening holds.
std::optional<EveningData> fromJson(const QByteArray &json);
} // namespace EveningFile

// Keeps the evening in <folder>/evening.json: read from the start, written
// after every change by a thread of its own (whole or not at all, by
// QSaveFile), so the caller's thread never waits on the disk.
//
// Writes happen in the order asked for; while one is in flight, further
// states replace each other, so the last one always lands. A file that
// cannot be used is set aside under a new name, never overwritten; a folder
// that cannot be written leaves the evening in memory. Either is said once
// by problem().
class EveningStore : public QObject
{
    Q_OBJECT

public:
    // The program's data folder (QStandardPaths::AppDataLocation).
    static QString defaultFolder();

    explicit EveningStore(const QString &folder = defaultFolder(), QObject *parent = nullptr);
    // Waits for the writes in flight.
    ~EveningStore() override;

    QString filePath() const;

    // The kept evening, as the store's thread read it from the folder when
    // the store was made (waits for that); an empty one when there is no
    // file or it cannot be used (then set aside).
    EveningData load();
    // load() into the evening, then a write after each of its changes, and
    // the file that ends kept on "New evening". Connect problem() first: a
    // file set aside is said from here.
    void follow(Evening &evening);

    void save(const EveningData &data);
    // The file as it is now stays beside the new one, named by the date of
    // its evening (its first team's filing): evening-2026-12-09.json, or
    // evening-2026-12-09-2.json when that is taken.
    void keepAside(const EveningData &endingEvening);

    // Until every write asked for is on disk or has failed; false when
    // msecs ran out first.
    bool waitForWrites(int msecs = -1);

signals:
    // Said once for each kind of trouble; tr()'d, for the moderator.
    void problem(const QString &message);
    // A state asked for is on disk (committed), so every filing before it is.
    void saved();

private:
    struct Job
    {
        enum Kind { Read, Write, KeepAside } kind;
        EveningData data;
    };
    void enqueue(Job job);
    void run();
    EveningData read();
    void write(const EveningData &data);
    void keepFileAside(const EveningData &endingEvening);
    void tell(bool &told, const QString &message);
    void tellUnwritable();

    QString m_folder;
    // When a bad file could not be set aside: it stays, and nothing is
    // written over it.
    std::atomic<bool> m_readOnly = false;
    bool m_toldUnusable = false;
    bool m_toldUnwritable = false;

    // Standard ones, which ThreadSanitizer follows into the waits.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    std::optional<EveningData> m_kept;
    bool m_busy = false;
    bool m_stop = false;
    std::unique_ptr<QThread> m_thread;
};
