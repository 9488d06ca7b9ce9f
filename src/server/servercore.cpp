// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "servercore.h"

#include "serverlimits.h"
#include "webrequest.h"

#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>

using namespace ServerLimits;

namespace {

// Where a request to be served stands between libmicrohttpd's calls for it.
// The request's own pointer, which the library hands back at each call and
// sets to null before the first, points at one of these constants.
enum class Stage {
    New,
    HeadersSeen,
    BodySent,
};
constexpr Stage stages[] = {Stage::New, Stage::HeadersSeen, Stage::BodySent};

Stage stageOf(void *const *requestContext)
{
    return *requestContext ? *static_cast<const Stage *>(*requestContext) : Stage::New;
}

void setStage(void **requestContext, Stage stage)
{
    *requestContext = const_cast<Stage *>(&stages[static_cast<int>(stage)]);
}

// Paths are compared exactly as sent: a percent sign is simply not found,
// and no encoding can spell the token or a way around it.
size_t keepEscapes(void *, MHD_Connection *, char *text)
{
    return std::strlen(text);
}

} // namespace

struct ServerCore::Viewer
{
    ServerCore *core;
    MHD_Connection *connection;
    int fd;
    QByteArray pending; // not yet handed to libmicrohttpd
    bool suspended = false; // out of libmicrohttpd's loop until there is something to send
    bool dropped = false;
};

ServerCore::ServerCore(const MicroHttpd &api, const QByteArray &page, QByteArray token,
                       const RoomState &state, CountChanged countChanged)
    : m_api(api)
    , m_token(std::move(token))
    , m_policy(contentSecurityPolicy(page))
    , m_countChanged(std::move(countChanged))
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

ServerCore::~ServerCore()
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

bool ServerCore::listen(quint16 firstPort, int idleTimeout, unsigned connectionLimit)
{
    for (int port = firstPort; port < firstPort + portsTried && port <= 0xffff; ++port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        address.sin_port = htons(static_cast<quint16>(port));
        // Its own thread polling with epoll, so that a thousand viewers cost
        // one thread; suspended streams are woken through its event fd.
        // MHD_USE_ERROR_LOG is left out: nothing a client sends is logged.
        m_daemon = m_api.startDaemon(
            MHD_USE_EPOLL_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_ITC, 0, nullptr,
            nullptr, &ServerCore::onRequest, this, MHD_OPTION_SOCK_ADDR, &address,
            MHD_OPTION_CONNECTION_LIMIT, connectionLimit, MHD_OPTION_PER_IP_CONNECTION_LIMIT,
            connectionsPerAddress, MHD_OPTION_CONNECTION_TIMEOUT,
            static_cast<unsigned>(idleTimeout), MHD_OPTION_CONNECTION_MEMORY_LIMIT,
            connectionMemory, MHD_OPTION_LISTEN_BACKLOG_SIZE, listenBacklog,
            // HTTP/1.1 without Host, spaces in the path: refused before they reach us.
            MHD_OPTION_STRICT_FOR_CLIENT, 1, MHD_OPTION_UNESCAPE_CALLBACK, &keepEscapes, nullptr,
            MHD_OPTION_END);
        if (m_daemon) {
            m_port = static_cast<quint16>(port);
            m_handOut = std::thread(&ServerCore::handOut, this);
            return true;
        }
    }
    return false;
}

void ServerCore::publish(const RoomState &state)
{
    {
        const std::lock_guard lock(m_mutex);
        m_published = state;
    }
    m_wake.notify_one();
}

MHD_Result ServerCore::onRequest(void *cls, MHD_Connection *connection, const char *url,
                                 const char *method, const char *, const char *, size_t *uploadSize,
                                 void **requestContext)
{
    return static_cast<ServerCore *>(cls)->answer(connection, url, method, uploadSize,
                                                  requestContext);
}

// The path is the one libmicrohttpd hands over: where the request line held
// a NUL, the part before it. That part is judged like any path, so a NUL
// after the token brings the page the path without it brings, and a NUL
// before the token leaves the token out.
MHD_Result ServerCore::answer(MHD_Connection *connection, const char *url, const char *method,
                              size_t *uploadSize, void **requestContext)
{
    WebRequest request{method, url};
    request.headerBytes = request.method.size() + request.path.size();
    m_api.connectionValues(
        connection, static_cast<MHD_ValueKind>(MHD_HEADER_KIND | MHD_GET_ARGUMENT_KIND),
        [](void *cls, MHD_ValueKind kind, const char *, size_t keySize, const char *,
           size_t valueSize) {
            auto *request = static_cast<WebRequest *>(cls);
            // The line as sent: the name, ": ", the value and the line's end.
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
    if (reply.answer == WebAnswer::Page || reply.answer == WebAnswer::Events) {
        if (stageOf(requestContext) == Stage::New) {
            setStage(requestContext, Stage::HeadersSeen);
            return MHD_YES;
        }
        if (*uploadSize > 0) {
            setStage(requestContext, Stage::BodySent);
            *uploadSize = 0;
            return MHD_YES;
        }
        // A GET with a body is no browser's.
        if (stageOf(requestContext) == Stage::BodySent) {
            reply = {WebAnswer::NotFound};
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

MHD_Result ServerCore::startStream(MHD_Connection *connection)
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
        m_countChanged(int(m_viewers.size()));
    }
    MHD_Response *response =
        m_api.responseFromCallback(MHD_SIZE_UNKNOWN, streamBlock, &onRead, viewer, &onStreamClosed);
    if (!response) {
        onStreamClosed(viewer);
        return MHD_NO;
    }
    addHeaders(response, "text/event-stream");
    const MHD_Result queued = m_api.queueResponse(connection, MHD_HTTP_OK, response);
    m_api.destroyResponse(response); // the connection holds it now, or it goes with the viewer
    return queued;
}

ssize_t ServerCore::onRead(void *cls, uint64_t, char *buffer, size_t max)
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

void ServerCore::onStreamClosed(void *cls)
{
    auto *viewer = static_cast<Viewer *>(cls);
    ServerCore *core = viewer->core;
    {
        const std::lock_guard lock(core->m_mutex);
        std::erase(core->m_viewers, viewer);
        core->m_countChanged(int(core->m_viewers.size()));
    }
    delete viewer;
}

MHD_Response *ServerCore::fixedResponse(QByteArrayView body, const char *type)
{
    MHD_Response *response = m_api.responseFromBuffer(
        static_cast<size_t>(body.size()), const_cast<char *>(body.data()), MHD_RESPMEM_MUST_COPY);
    if (response) {
        addHeaders(response, type);
    }
    return response;
}

void ServerCore::addHeaders(MHD_Response *response, const char *type)
{
    if (type) {
        m_api.addHeader(response, MHD_HTTP_HEADER_CONTENT_TYPE, type);
    }
    m_api.addHeader(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-store");
    m_api.addHeader(response, "Content-Security-Policy", m_policy.constData());
    m_api.addHeader(response, "X-Content-Type-Options", "nosniff");
    m_api.addHeader(response, "Referrer-Policy", "no-referrer");
}

// The window's thread only leaves the state here, and the heartbeat needs no
// timer of the window's.
void ServerCore::handOut()
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

void ServerCore::sendLocked(QByteArrayView bytes)
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
void ServerCore::resumeCollected()
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
