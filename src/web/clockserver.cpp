// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockserver.h"

#include "webrequest.h"

#include <QLibrary>
#include <QRandomGenerator>

#include <microhttpd.h>

#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// A viewer that has stopped reading while this much waits for it is dropped,
// so that it can neither grow the program nor hold the others up.
constexpr qsizetype maxPending = qsizetype(64) * 1024;
// The kernel's own buffer for one viewer: events are tiny, and a small buffer
// lets a viewer that has stopped reading be noticed after some 100 KB.
constexpr int streamSendBuffer = 16 * 1024;
constexpr auto heartbeatInterval = std::chrono::seconds(1);

// The few functions of libmicrohttpd this uses, resolved when the server
// first starts.
struct MicroHttpd
{
    QString error; // empty once every function is there
    decltype(&MHD_start_daemon) startDaemon = nullptr;
    decltype(&MHD_stop_daemon) stopDaemon = nullptr;
    decltype(&MHD_create_response_from_buffer) responseFromBuffer = nullptr;
    decltype(&MHD_create_response_from_callback) responseFromCallback = nullptr;
    decltype(&MHD_add_response_header) addHeader = nullptr;
    decltype(&MHD_queue_response) queueResponse = nullptr;
    decltype(&MHD_destroy_response) destroyResponse = nullptr;
    decltype(&MHD_suspend_connection) suspend = nullptr;
    decltype(&MHD_resume_connection) resume = nullptr;
    decltype(&MHD_get_connection_info) connectionInfo = nullptr;
    decltype(&MHD_get_connection_values_n) connectionValues = nullptr;
};

const MicroHttpd &microHttpd()
{
    static const MicroHttpd api = [] {
        MicroHttpd api;
        // Never unloaded: a later start() finds it mapped.
        static QLibrary library(QStringLiteral("microhttpd"), 12);
        if (!library.load()) {
            api.error = library.errorString();
            return api;
        }
        bool complete = true;
        const auto resolve = [&](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            if (!function) {
                complete = false;
                api.error = QString::fromLatin1(name);
            }
        };
        resolve(api.startDaemon, "MHD_start_daemon");
        resolve(api.stopDaemon, "MHD_stop_daemon");
        resolve(api.responseFromBuffer, "MHD_create_response_from_buffer");
        resolve(api.responseFromCallback, "MHD_create_response_from_callback");
        resolve(api.addHeader, "MHD_add_response_header");
        resolve(api.queueResponse, "MHD_queue_response");
        resolve(api.destroyResponse, "MHD_destroy_response");
        resolve(api.suspend, "MHD_suspend_connection");
        resolve(api.resume, "MHD_resume_connection");
        resolve(api.connectionInfo, "MHD_get_connection_info");
        resolve(api.connectionValues, "MHD_get_connection_values_n");
        if (!complete) {
            api.error = QStringLiteral("%1 lacks %2").arg(library.fileName(), api.error);
        }
        return api;
    }();
    return api;
}

// A thousand viewers need more descriptors than the usual soft limit of 1024.
rlim_t raiseFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return 1024;
    }
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
        getrlimit(RLIMIT_NOFILE, &limit);
    }
    return limit.rlim_cur;
}

// Paths are compared exactly as sent: a percent sign is simply not found,
// and no encoding can spell the token or a way around it.
size_t keepEscapes(void *, MHD_Connection *, char *text)
{
    return std::strlen(text);
}

QString newToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex().toUpper());
}

} // namespace

// The part that lives on libmicrohttpd's thread and on the thread that hands
// events out; ClockServer, on the window's thread, only starts, stops and
// publishes.
class ClockServerCore
{
public:
    ClockServerCore(ClockServer *owner, const MicroHttpd &api, const QByteArray &page,
                    QByteArray token, const RoomState &state);
    ~ClockServerCore();
    bool listen(quint16 firstPort, int idleTimeout, unsigned connectionLimit);
    quint16 port() const { return m_port; }
    void publish(const RoomState &state);

private:
    struct Viewer
    {
        ClockServerCore *core;
        MHD_Connection *connection;
        int fd;
        QByteArray pending; // not yet handed to libmicrohttpd
        bool suspended = false; // out of libmicrohttpd's loop until there is something to send
        bool dropped = false;
    };

    static MHD_Result onRequest(void *cls, MHD_Connection *connection, const char *url,
                                const char *method, const char *version, const char *upload,
                                size_t *uploadSize, void **requestContext);
    static ssize_t onRead(void *cls, uint64_t position, char *buffer, size_t max);
    static void onStreamClosed(void *cls);
    MHD_Result answer(MHD_Connection *connection, const char *url, const char *method,
                      const char *version, size_t *uploadSize, void **requestContext);
    MHD_Result startStream(MHD_Connection *connection);
    MHD_Response *fixedResponse(QByteArrayView body, const char *type);
    void addHeaders(MHD_Response *response, const char *type);
    void handOut();
    void sendLocked(QByteArrayView bytes);
    void resumeCollected();
    void countLocked(int change);

    ClockServer *m_owner;
    const MicroHttpd &m_api;
    const QByteArray m_token;
    const QByteArray m_policy;
    MHD_Daemon *m_daemon = nullptr;
    quint16 m_port = 0;
    // Made once: libmicrohttpd answers many requests with one response.
    MHD_Response *m_page;
    MHD_Response *m_streamHead;
    MHD_Response *m_notFound;
    MHD_Response *m_notAllowed;
    MHD_Response *m_tooLarge;

    std::mutex m_mutex; // guards everything below
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::optional<RoomState> m_published;
    QByteArray m_current; // the event a new viewer gets first
    std::vector<Viewer *> m_viewers;
    std::vector<MHD_Connection *> m_toResume;
    std::thread m_handOut;
};

ClockServerCore::ClockServerCore(ClockServer *owner, const MicroHttpd &api, const QByteArray &page,
                                 QByteArray token, const RoomState &state)
    : m_owner(owner)
    , m_api(api)
    , m_token(std::move(token))
    , m_policy(contentSecurityPolicy(page))
    , m_current(eventFor(state))
{
    m_page = fixedResponse(page, "text/html; charset=utf-8"); // not translated
    m_streamHead = fixedResponse({}, "text/event-stream");
    m_notFound = fixedResponse({}, nullptr);
    m_notAllowed = fixedResponse({}, nullptr);
    if (m_notAllowed) {
        m_api.addHeader(m_notAllowed, MHD_HTTP_HEADER_ALLOW, "GET, HEAD"); // not translated
    }
    m_tooLarge = fixedResponse({}, nullptr);
}

ClockServerCore::~ClockServerCore()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        for (Viewer *viewer : m_viewers) {
            viewer->dropped = true;
            if (viewer->suspended) {
                viewer->suspended = false;
                m_toResume.push_back(viewer->connection);
            }
        }
    }
    m_wake.notify_all();
    if (m_handOut.joinable()) {
        m_handOut.join();
    }
    // libmicrohttpd must not be stopped with a connection suspended.
    resumeCollected();
    if (m_daemon) {
        m_api.stopDaemon(m_daemon);
    }
    for (MHD_Response *response : {m_page, m_streamHead, m_notFound, m_notAllowed, m_tooLarge}) {
        if (response) {
            m_api.destroyResponse(response);
        }
    }
}

bool ClockServerCore::listen(quint16 firstPort, int idleTimeout, unsigned connectionLimit)
{
    for (int port = firstPort; port < firstPort + ClockServer::portsTried && port <= 0xffff;
         ++port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        address.sin_port = htons(static_cast<quint16>(port));
        // Its own thread polling with epoll, so that a thousand viewers cost
        // one thread; suspended streams are woken through its event fd.
        // MHD_USE_ERROR_LOG is left out: nothing a client sends is logged.
        m_daemon = m_api.startDaemon(
            MHD_USE_EPOLL_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_ITC, 0, nullptr,
            nullptr, &ClockServerCore::onRequest, this, MHD_OPTION_SOCK_ADDR, &address,
            // A hall of phones, each with a stream and a page loading, below the descriptor limit.
            MHD_OPTION_CONNECTION_LIMIT, connectionLimit,
            // A phone opens a few; one address cannot take the server for itself.
            MHD_OPTION_PER_IP_CONNECTION_LIMIT, 64u,
            // A connection that sends nothing (or stops reading) is not kept waiting for.
            MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(idleTimeout),
            // The requests are one short line and a few headers: 1000 viewers hold at most 16 MB.
            MHD_OPTION_CONNECTION_MEMORY_LIMIT, size_t(16) * 1024,
            // A whole hall scanning the code at once.
            MHD_OPTION_LISTEN_BACKLOG_SIZE, 512u,
            // HTTP/1.1 without Host, spaces in the path: refused before they reach us.
            MHD_OPTION_STRICT_FOR_CLIENT, 1, MHD_OPTION_UNESCAPE_CALLBACK, &keepEscapes, nullptr,
            MHD_OPTION_END);
        if (m_daemon) {
            m_port = static_cast<quint16>(port);
            m_handOut = std::thread(&ClockServerCore::handOut, this);
            return true;
        }
    }
    return false;
}

void ClockServerCore::publish(const RoomState &state)
{
    {
        const std::lock_guard lock(m_mutex);
        m_published = state;
    }
    m_wake.notify_one();
}

MHD_Result ClockServerCore::onRequest(void *cls, MHD_Connection *connection, const char *url,
                                      const char *method, const char *version, const char *,
                                      size_t *uploadSize, void **requestContext)
{
    return static_cast<ClockServerCore *>(cls)->answer(connection, url, method, version, uploadSize,
                                                       requestContext);
}

// libmicrohttpd ends the path at a NUL it was sent; the path as sent ends
// where the request line's version begins, in the same buffer.
static QByteArrayView pathAsSent(const char *url, const char *version)
{
    const QByteArrayView shown(url);
    if (version > shown.end() && version - url <= maxRequestBytes + 1 && version[-1] == '\0' &&
        QByteArrayView(version).startsWith("HTTP/")) {
        return QByteArrayView(url, version - 1 - url);
    }
    return shown;
}

MHD_Result ClockServerCore::answer(MHD_Connection *connection, const char *url, const char *method,
                                   const char *version, size_t *uploadSize, void **requestContext)
{
    WebRequest request{method, pathAsSent(url, version)};
    request.headerBytes = request.method.size() + request.path.size();
    m_api.connectionValues(
        connection, static_cast<MHD_ValueKind>(MHD_HEADER_KIND | MHD_GET_ARGUMENT_KIND),
        [](void *cls, MHD_ValueKind kind, const char *, size_t keySize, const char *,
           size_t valueSize) {
            auto *request = static_cast<WebRequest *>(cls);
            request->headerBytes += static_cast<qsizetype>(keySize + valueSize) + 4;
            if (kind == MHD_GET_ARGUMENT_KIND) {
                request->query = true;
            } else {
                ++request->headerLines;
            }
            return MHD_YES;
        },
        &request);
    WebReply reply = answerFor(request, m_token);
    // What is refused is answered at once, and libmicrohttpd closes the
    // connection after it. What is served waits for the request's end, or
    // the connection would not be kept open for the next request.
    static char headersSeen, bodySent;
    if (reply.status == 200) {
        if (!*requestContext) {
            *requestContext = &headersSeen;
            return MHD_YES;
        }
        if (*uploadSize > 0) {
            *requestContext = &bodySent;
            *uploadSize = 0;
            return MHD_YES;
        }
        // A GET with a body is no browser's.
        if (*requestContext == &bodySent) {
            reply = {WebAnswer::NotFound, 404, false};
        }
    }
    switch (reply.answer) {
    case WebAnswer::Page:
        // HEAD: libmicrohttpd leaves the body out itself.
        return m_api.queueResponse(connection, MHD_HTTP_OK, m_page);
    case WebAnswer::Events:
        return reply.headOnly ? m_api.queueResponse(connection, MHD_HTTP_OK, m_streamHead)
                              : startStream(connection);
    case WebAnswer::NotFound:
        return m_api.queueResponse(connection, MHD_HTTP_NOT_FOUND, m_notFound);
    case WebAnswer::MethodNotAllowed:
        return m_api.queueResponse(connection, MHD_HTTP_METHOD_NOT_ALLOWED, m_notAllowed);
    case WebAnswer::TooLarge:
        return m_api.queueResponse(connection, MHD_HTTP_REQUEST_HEADER_FIELDS_TOO_LARGE,
                                   m_tooLarge);
    }
    return MHD_NO;
}

MHD_Result ClockServerCore::startStream(MHD_Connection *connection)
{
    const MHD_ConnectionInfo *info =
        m_api.connectionInfo(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    auto *viewer = new Viewer{this, connection, info ? info->connect_fd : -1, {}};
    setsockopt(viewer->fd, SOL_SOCKET, SO_SNDBUF, &streamSendBuffer, sizeof streamSendBuffer);
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping) {
            delete viewer;
            return MHD_NO;
        }
        viewer->pending = m_current;
        m_viewers.push_back(viewer);
        countLocked(+1);
    }
    MHD_Response *response =
        m_api.responseFromCallback(MHD_SIZE_UNKNOWN, 1024, &onRead, viewer, &onStreamClosed);
    if (!response) {
        onStreamClosed(viewer);
        return MHD_NO;
    }
    addHeaders(response, "text/event-stream");
    const MHD_Result queued = m_api.queueResponse(connection, MHD_HTTP_OK, response);
    m_api.destroyResponse(response); // the connection holds it now, or it goes with the viewer
    return queued;
}

ssize_t ClockServerCore::onRead(void *cls, uint64_t, char *buffer, size_t max)
{
    auto *viewer = static_cast<Viewer *>(cls);
    const std::lock_guard lock(viewer->core->m_mutex);
    if (viewer->dropped) {
        return MHD_CONTENT_READER_END_WITH_ERROR;
    }
    if (viewer->pending.isEmpty()) {
        // Returning nothing without this would have libmicrohttpd ask again at once, forever.
        viewer->suspended = true;
        viewer->core->m_api.suspend(viewer->connection);
        return 0;
    }
    const qsizetype size = std::min(static_cast<qsizetype>(max), viewer->pending.size());
    std::memcpy(buffer, viewer->pending.constData(), static_cast<size_t>(size));
    viewer->pending.remove(0, size);
    return size;
}

void ClockServerCore::onStreamClosed(void *cls)
{
    auto *viewer = static_cast<Viewer *>(cls);
    ClockServerCore *core = viewer->core;
    {
        const std::lock_guard lock(core->m_mutex);
        std::erase(core->m_viewers, viewer);
        core->countLocked(-1);
    }
    delete viewer;
}

// A hall scanning the code at once changes the count a thousand times in a
// second: the window hears of it once per pass of its loop, with the count
// as it is by then.
void ClockServerCore::countLocked(int change)
{
    m_owner->m_viewers += change;
    if (!m_owner->m_countPosted.exchange(true)) {
        QMetaObject::invokeMethod(
            m_owner,
            [owner = m_owner] {
                owner->m_countPosted = false;
                emit owner->viewersChanged(owner->m_viewers);
            },
            Qt::QueuedConnection);
    }
}

MHD_Response *ClockServerCore::fixedResponse(QByteArrayView body, const char *type)
{
    MHD_Response *response = m_api.responseFromBuffer(
        static_cast<size_t>(body.size()), const_cast<char *>(body.data()), MHD_RESPMEM_MUST_COPY);
    if (response) {
        addHeaders(response, type);
    }
    return response;
}

void ClockServerCore::addHeaders(MHD_Response *response, const char *type)
{
    if (type) {
        m_api.addHeader(response, MHD_HTTP_HEADER_CONTENT_TYPE, type);
    }
    m_api.addHeader(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-store");
    m_api.addHeader(response, "Content-Security-Policy", m_policy.constData());
    m_api.addHeader(response, "X-Content-Type-Options", "nosniff");
    m_api.addHeader(response, "Referrer-Policy", "no-referrer");
}

// Its own thread: the window's thread only leaves the state here, and the
// heartbeat needs no timer of the window's.
void ClockServerCore::handOut()
{
    using Clock = std::chrono::steady_clock;
    auto nextBeat = Clock::now() + heartbeatInterval;
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        m_wake.wait_until(lock, nextBeat, [this] { return m_stopping || m_published; });
        if (m_stopping) {
            break;
        }
        const auto now = Clock::now();
        if (m_published) {
            m_current = eventFor(*m_published);
            m_published.reset();
            // The second's beat rides with the state, in the same write: while
            // the clock runs, one wake-up a viewer a second instead of two.
            sendLocked(m_current + heartbeatEvent.toByteArray());
            nextBeat = now + heartbeatInterval;
        } else if (now >= nextBeat) {
            sendLocked(heartbeatEvent);
            nextBeat += heartbeatInterval;
            if (nextBeat <= now) {
                nextBeat = now + heartbeatInterval;
            }
        }
        lock.unlock();
        resumeCollected();
        lock.lock();
    }
}

void ClockServerCore::sendLocked(QByteArrayView bytes)
{
    for (Viewer *viewer : m_viewers) {
        if (viewer->dropped) {
            continue;
        }
        if (viewer->pending.size() + bytes.size() > maxPending) {
            // Its connection may be waiting for the viewer to read: shutting the
            // socket down has libmicrohttpd close it now, not at the timeout.
            viewer->dropped = true;
            shutdown(viewer->fd, SHUT_RDWR);
        } else {
            viewer->pending += bytes;
        }
        if (viewer->suspended) {
            viewer->suspended = false;
            m_toResume.push_back(viewer->connection);
        }
    }
}

// Outside the lock: libmicrohttpd takes locks of its own there. A connection
// taken out of the list is still suspended, so nothing else can touch it.
void ClockServerCore::resumeCollected()
{
    std::vector<MHD_Connection *> connections;
    {
        const std::lock_guard lock(m_mutex);
        connections.swap(m_toResume);
    }
    for (MHD_Connection *connection : connections) {
        m_api.resume(connection);
    }
}

ClockServer::ClockServer(QByteArray page, QObject *parent)
    : QObject(parent)
    , m_page(std::move(page))
{
}

ClockServer::~ClockServer()
{
    stop();
}

bool ClockServer::start()
{
    stop();
    const MicroHttpd &api = microHttpd();
    if (!api.error.isEmpty()) {
        m_error = tr("The web server library could not be loaded: %1").arg(api.error);
        return false;
    }
    // Room for the program's own descriptors beside the connections.
    const auto limit = static_cast<unsigned>(std::clamp<rlim_t>(raiseFileLimit(), 164, 1600) - 100);
    const QString token = newToken();
    auto core = std::make_unique<ClockServerCore>(this, api, m_page, token.toLatin1(), m_state);
    if (!core->listen(m_firstPort, m_idleTimeout, limit)) {
        m_error = tr("None of the ports %1 to %2 is free.")
                      .arg(m_firstPort)
                      .arg(m_firstPort + portsTried - 1);
        return false;
    }
    m_port = core->port();
    m_token = token;
    m_core = std::move(core);
    m_error.clear();
    return true;
}

void ClockServer::stop()
{
    m_core.reset();
    m_port = 0;
    m_token.clear();
}

bool ClockServer::isListening() const
{
    return m_core != nullptr;
}

quint16 ClockServer::port() const
{
    return m_port;
}

QString ClockServer::token() const
{
    return m_token;
}

QString ClockServer::errorString() const
{
    return m_error;
}

void ClockServer::publish(const RoomState &state)
{
    m_state = state;
    if (m_core) {
        m_core->publish(state);
    }
}

int ClockServer::viewers() const
{
    return m_viewers;
}

void ClockServer::setIdleTimeout(int seconds)
{
    m_idleTimeout = seconds;
}

void ClockServer::setFirstPort(quint16 port)
{
    m_firstPort = port;
}
