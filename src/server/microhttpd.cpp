// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "microhttpd.h"

#include "loader/library.h"

const MicroHttpd *loadMicroHttpd(QString *error)
{
    static MicroHttpd api;
    static Library library(QStringLiteral("microhttpd"), 12,
                           {
                               {"MHD_start_daemon", api.startDaemon},
                               {"MHD_stop_daemon", api.stopDaemon},
                               {"MHD_create_response_from_buffer", api.responseFromBuffer},
                               {"MHD_create_response_from_callback", api.responseFromCallback},
                               {"MHD_add_response_header", api.addHeader},
                               {"MHD_queue_response", api.queueResponse},
                               {"MHD_destroy_response", api.destroyResponse},
                               {"MHD_suspend_connection", api.suspend},
                               {"MHD_resume_connection", api.resume},
                               {"MHD_get_connection_info", api.connectionInfo},
                               {"MHD_get_connection_values_n", api.connectionValues},
                           });
    if (!library.load()) {
        *error = library.errorString();
        return nullptr;
    }
    return &api;
}
