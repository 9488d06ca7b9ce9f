// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <microhttpd.h>

// The few functions of libmicrohttpd the server calls. The header is the
// library's; the library itself is loaded when the server first starts, so a
// program that never shares its clock never maps it.
struct MicroHttpd
{
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

// Loads it the first time (from the window's thread); null, and why in error,
// where the library or one of its functions is missing.
const MicroHttpd *loadMicroHttpd(QString *error);
