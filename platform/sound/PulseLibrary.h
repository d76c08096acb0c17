#pragma once

#include "platform/loader/Library.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

// The sound server's client library is not linked into the program: the sound thread
// opens it when it starts, after the menu's first frame, so that the loader does not
// read it and the dozen libraries it needs before the first window. A machine without
// it plays silently, as one without a sound server does.
//
// Every function of the library that the program calls is listed here, and each entry
// of the table has the type its header declares, so that a call that does not match
// the header fails to compile. The program links no libpulse, so a call that bypasses
// the table fails to link.
#define QUORVEL_PULSE_FUNCTIONS(X)                                                                 \
    X(pa_mainloop_new)                                                                             \
    X(pa_mainloop_free)                                                                            \
    X(pa_mainloop_get_api)                                                                         \
    X(pa_mainloop_prepare)                                                                         \
    X(pa_mainloop_poll)                                                                            \
    X(pa_mainloop_dispatch)                                                                        \
    X(pa_proplist_new)                                                                             \
    X(pa_proplist_sets)                                                                            \
    X(pa_proplist_free)                                                                            \
    X(pa_context_new_with_proplist)                                                                \
    X(pa_context_set_state_callback)                                                               \
    X(pa_context_connect)                                                                          \
    X(pa_context_get_state)                                                                        \
    X(pa_context_disconnect)                                                                       \
    X(pa_context_unref)                                                                            \
    X(pa_stream_new_with_proplist)                                                                 \
    X(pa_stream_set_state_callback)                                                                \
    X(pa_stream_set_write_callback)                                                                \
    X(pa_stream_connect_playback)                                                                  \
    X(pa_stream_get_state)                                                                         \
    X(pa_stream_write)                                                                             \
    X(pa_stream_drain)                                                                             \
    X(pa_stream_disconnect)                                                                        \
    X(pa_stream_unref)                                                                             \
    X(pa_operation_unref)                                                                          \
    X(pa_usec_to_bytes)

struct TPulseLibrary {
    QUORVEL_PULSE_FUNCTIONS(QUORVEL_LIBRARY_ENTRY)
};

// The library's file name, as its binary package installs it.
inline constexpr const char* kPulseLibraryFile = "libpulse.so.0";

// Opens the library named file (once per name; it stays loaded) and gives its table,
// or nullptr where the library or one of the functions is missing. Safe from any
// thread.
const TPulseLibrary* PulseLibrary(const char* file = kPulseLibraryFile);
