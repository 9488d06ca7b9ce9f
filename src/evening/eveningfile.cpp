// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eveningfile.h"

#include "evening/evening.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace {
const QString FileName = QStringLiteral("evening.json");
const QString Format = QStringLiteral("vornaxi-timer evening"); // not translated

std::optional<int> integer(const QJsonValue &value, int lowest, int highest)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double d = value.toDouble();
    if (d != std::floor(d) || d < lowest || d > highest) {
        return std::nullopt;
    }
    return int(d);
}

std::optional<FiledTeam> teamFromJson(const QJsonValue &value, int after)
{
    const QJsonObject object = value.toObject();
    const auto number = integer(object[u"number"], after + 1, EveningLimits::MaxNumber);
    const QJsonValue name = object[u"name"];
    const QJsonArray minutes = object[u"minutes"].toArray();
    FiledTeam team;
    if (!number || !name.isString() || keptName(name.toString()) != name.toString() ||
        minutes.size() != ScoreSheet::QuestionCount) {
        return std::nullopt;
    }
    team.number = *number;
    team.name = name.toString();
    team.filed = QDateTime::fromString(object[u"filed"].toString(), Qt::ISODate);
    if (!team.filed.isValid()) {
        return std::nullopt;
    }
    for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
        // null: a slider no one moved.
        const QJsonValue minute = minutes[q - 1];
        if (minute.isNull()) {
            continue;
        }
        const auto m = integer(minute, 0, ScoreSheet::MaxMinute);
        if (!m) {
            return std::nullopt;
        }
        team.sheet.setAnswer(q, *m);
    }
    return team;
}

// The first of stem.json, stem-2.json, ... that does not exist yet.
QString freeName(const QString &folder, const QString &stem)
{
    QString path = folder + u'/' + stem + QLatin1String(".json");
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder + u'/' + stem + u'-' + QString::number(n) + QLatin1String(".json");
    }
    return path;
}
} // namespace

QByteArray EveningFile::toJson(const EveningData &data)
{
    QJsonArray teams;
    for (const FiledTeam &team : data.teams) {
        QJsonArray minutes;
        for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
            const bool moved = team.sheet.minuteText(q) != QLatin1String("X");
            minutes.append(moved ? QJsonValue(team.sheet.answer(q)) : QJsonValue());
        }
        teams.append(QJsonObject{{QStringLiteral("number"), team.number},
                                 {QStringLiteral("name"), team.name},
                                 {QStringLiteral("filed"), team.filed.toString(Qt::ISODate)},
                                 {QStringLiteral("minutes"), minutes}});
    }
    const QJsonObject root{{QStringLiteral("format"), Format},
                           {QStringLiteral("version"), Version},
                           {QStringLiteral("nextNumber"), data.nextNumber},
                           {QStringLiteral("teams"), teams}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<EveningData> EveningFile::fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const QJsonObject root = document.object();
    const QJsonValue teams = root[u"teams"];
    if (error.error != QJsonParseError::NoError || root[u"format"] != Format ||
        !integer(root[u"version"], 1, Version) || !teams.isArray() ||
        teams.toArray().size() > EveningLimits::MaxTeams) {
        return std::nullopt;
    }
    EveningData data;
    const QJsonArray all = teams.toArray();
    for (const QJsonValue value : all) {
        const int last = data.teams.isEmpty() ? 0 : data.teams.back().number;
        const auto team = teamFromJson(value, last);
        if (!team) {
            return std::nullopt;
        }
        data.teams.append(*team);
    }
    const int last = data.teams.isEmpty() ? 0 : data.teams.back().number;
    const auto next = integer(root[u"nextNumber"], last + 1, EveningLimits::MaxNumber);
    if (!next) {
        return std::nullopt;
    }
    data.nextNumber = *next;
    return data;
}

QString EveningStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

EveningStore::EveningStore(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_thread(QThread::create([this] { run(); }))
{
    // Read while the caller builds its windows: start-up does not wait for it.
    m_jobs.push_back(Job{Job::Read, {}});
    m_thread->start();
}

EveningStore::~EveningStore()
{
    waitForWrites();
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_wake.notify_all();
    }
    m_thread->wait();
}

QString EveningStore::filePath() const
{
    return m_folder + u'/' + FileName;
}

EveningData EveningStore::load()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_kept.has_value(); });
    return *m_kept;
}

// The writer's thread, first of all.
EveningData EveningStore::read()
{
    QFile file(filePath());
    if (!file.exists()) {
        return {};
    }
    std::optional<EveningData> data;
    if (file.open(QIODevice::ReadOnly)) {
        // Read no further than a good file can reach.
        const QByteArray json = file.read(EveningLimits::MaxFileBytes + 1);
        if (json.size() <= EveningLimits::MaxFileBytes) {
            data = EveningFile::fromJson(json);
        }
        file.close();
    }
    if (data) {
        return *data;
    }
    const QString aside = freeName(
        m_folder, QStringLiteral("evening-unusable-") + QDate::currentDate().toString(Qt::ISODate));
    if (QFile::rename(filePath(), aside)) {
        tell(m_toldUnusable,
             tr("The evening's file could not be used. It was kept as %1, and a new evening "
                "has begun.")
                 .arg(QDir::toNativeSeparators(aside)));
    } else {
        m_readOnly = true;
        tell(m_toldUnusable,
             tr("The evening's file %1 could not be used, nor be set aside. A new evening has "
                "begun, but nothing of it will be saved.")
                 .arg(QDir::toNativeSeparators(filePath())));
    }
    return {};
}

void EveningStore::follow(Evening &evening)
{
    evening.restore(load());
    connect(&evening, &Evening::changed, this, [this, &evening] { save(evening.data()); });
    connect(&evening, &Evening::startingNew, this, [this, &evening] { keepAside(evening.data()); });
}

void EveningStore::save(const EveningData &data)
{
    enqueue(Job{Job::Write, data});
}

void EveningStore::keepAside(const EveningData &endingEvening)
{
    enqueue(Job{Job::KeepAside, endingEvening});
}

void EveningStore::enqueue(Job job)
{
    const std::lock_guard lock(m_mutex);
    // A write still waiting is out of date: the newer state takes its place,
    // behind everything asked for before it.
    if (job.kind == Job::Write && !m_jobs.empty() && m_jobs.back().kind == Job::Write) {
        m_jobs.back() = std::move(job);
    } else {
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

bool EveningStore::waitForWrites(int msecs)
{
    const auto idle = [this] { return !m_busy && m_jobs.empty(); };
    std::unique_lock lock(m_mutex);
    if (msecs < 0) {
        m_idle.wait(lock, idle);
        return true;
    }
    return m_idle.wait_for(lock, std::chrono::milliseconds(msecs), idle);
}

// The writer's thread.
void EveningStore::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return !m_jobs.empty() || m_stop; });
        if (m_jobs.empty()) {
            return;
        }
        const Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        std::optional<EveningData> kept;
        switch (job.kind) {
        case Job::Read:
            kept = read();
            break;
        case Job::Write:
            write(job.data);
            break;
        case Job::KeepAside:
            keepFileAside(job.data);
            break;
        }
        lock.lock();
        m_busy = false;
        if (kept) {
            m_kept = std::move(kept);
        }
        // load() waits for the reading, waitForWrites() for the last job.
        if (job.kind == Job::Read || m_jobs.empty()) {
            m_idle.notify_all();
        }
    }
}

// The writer's thread.
void EveningStore::write(const EveningData &data)
{
    if (m_readOnly) {
        return;
    }
    QDir().mkpath(m_folder);
    QSaveFile file(filePath());
    // commit() reports success only once the whole file is in its place.
    if (file.open(QIODevice::WriteOnly) && file.write(EveningFile::toJson(data)) >= 0 &&
        file.commit()) {
        emit saved();
        return;
    }
    tellUnwritable();
}

// The writer's thread, after every write asked for before.
void EveningStore::keepFileAside(const EveningData &endingEvening)
{
    QFile file(filePath());
    if (m_readOnly || !file.exists()) {
        return;
    }
    // A file of an evening without teams holds nothing to keep.
    std::optional<EveningData> onDisk;
    if (file.open(QIODevice::ReadOnly)) {
        onDisk = EveningFile::fromJson(file.read(EveningLimits::MaxFileBytes + 1));
        file.close();
    }
    if (onDisk && onDisk->teams.isEmpty()) {
        return;
    }
    QDate date = QFileInfo(file).lastModified().date();
    const QList<FiledTeam> &teams = onDisk ? onDisk->teams : endingEvening.teams;
    if (!teams.isEmpty()) {
        date = teams.front().filed.date();
    }
    if (!QFile::rename(
            filePath(),
            freeName(m_folder, QStringLiteral("evening-") + date.toString(Qt::ISODate)))) {
        // Writing the new evening would put the old one's file out of reach.
        m_readOnly = true;
        tellUnwritable();
    }
}

void EveningStore::tellUnwritable()
{
    tell(m_toldUnwritable,
         tr("The evening cannot be saved in %1. It goes on, but only until the program ends.")
             .arg(QDir::toNativeSeparators(m_folder)));
}

void EveningStore::tell(bool &told, const QString &message)
{
    // From either thread: the flags are the window's thread's alone.
    QMetaObject::invokeMethod(
        this,
        [this, &told, message] {
            if (!told) {
                told = true;
                emit problem(message);
            }
        },
        Qt::AutoConnection);
}
