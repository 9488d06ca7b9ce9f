// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "microhttpd.h"
#include "state/roomstate.h"

#include <QByteArray>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The part of the server that runs on libmicrohttpd's thread and on a
// hand-out thread of its own; ClockServer owns it. Threads:
// - the owner's (the window's): the constructor, listen(), publish() and the
//   destructor, which joins the other two;
// - libmicrohttpd's, polling every connection: onRequest() (answer(),
//   startStream()), onRead() and onStreamClosed();
// - the hand-out thread: handOut(), sendLocked(), resumeCollected().
// m_mutex guards what the three share; libmicrohttpd is called outside it
// where it takes locks of its own (resume).
class ServerCore
{
public:
    // With the number of streams open, on the thread that changed it, under
    // the core's lock: it must be quick and call nothing of the core's.
    using CountChanged = std::function<void(int viewers)>;

    ServerCore(const MicroHttpd &api, const QByteArray &page, QByteArray token,
               const RoomState &state, CountChanged countChanged);
    ~ServerCore(); // closes every connection
    // On the first free port of ServerLimits::portsTried from firstPort.
    bool listen(quint16 firstPort, int idleTimeout, unsigned connectionLimit);
    quint16 port() const { return m_port; }
    void publish(const RoomState &state);

private:
    struct Viewer;

    static MHD_Result onRequest(void *cls, MHD_Connection *connection, const char *url,
                                const char *method, const char *version, const char *upload,
                                size_t *uploadSize, void **requestContext);
    static ssize_t onRead(void *cls, uint64_t position, char *buffer, size_t max);
    static void onStreamClosed(void *cls);
    MHD_Result answer(MHD_Connection *connection, const char *url, const char *method,
                      size_t *uploadSize, void **requestContext);
    MHD_Result startStream(MHD_Connection *connection);
    MHD_Response *fixedResponse(QByteArrayView body, const char *type);
    void addHeaders(MHD_Response *response, const char *type);
    void handOut();
    void sendLocked(QByteArrayView bytes);
    void resumeCollected();

    const MicroHttpd &m_api;
    const QByteArray m_token;
    const QByteArray m_policy;
    const CountChanged m_countChanged;
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
