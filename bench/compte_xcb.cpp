// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a benchmark (LD_PRELOAD) to count what the program asks of the X
// server: every request goes through one of libxcb's four send functions (which call
// each other: only the outermost call counts), every round trip through a wait for a
// reply. The counts are read back with
// sidranes_compte_xcb(), found by dlsym when this library is loaded.

#include <atomic>
#include <cstdint>
#include <dlfcn.h>
#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace {

std::atomic<long> requetes{0};
std::atomic<long> images{0};
std::atomic<long> attentes{0};
thread_local int profondeur = 0;

// PutImage (72) and CopyArea (62) of the core protocol, ShmPutImage (3) of MIT-SHM.
void compte(const xcb_protocol_request_t* r) {
    if (profondeur > 1) {
        return;
    }
    ++requetes;
    const bool shm =
        r->ext != nullptr && r->ext->name != nullptr && r->ext->name[0] == 'M' && r->opcode == 3;
    if (shm || (r->ext == nullptr && (r->opcode == 72 || r->opcode == 62))) {
        ++images;
    }
}

struct Appel {
    Appel() { ++profondeur; }
    ~Appel() { --profondeur; }
};

template <typename F> F suivante(const char* nom) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, nom));
}

} // namespace

extern "C" {

void sidranes_compte_xcb(long* r, long* i, long* a) {
    *r = requetes;
    *i = images;
    *a = attentes;
}

unsigned int xcb_send_request(xcb_connection_t* c, int flags, struct iovec* v,
                              const xcb_protocol_request_t* r) {
    static auto f = suivante<decltype(&xcb_send_request)>("xcb_send_request");
    const Appel appel;
    compte(r);
    return f(c, flags, v, r);
}

uint64_t xcb_send_request64(xcb_connection_t* c, int flags, struct iovec* v,
                            const xcb_protocol_request_t* r) {
    static auto f = suivante<decltype(&xcb_send_request64)>("xcb_send_request64");
    const Appel appel;
    compte(r);
    return f(c, flags, v, r);
}

unsigned int xcb_send_request_with_fds(xcb_connection_t* c, int flags, struct iovec* v,
                                       const xcb_protocol_request_t* r, unsigned int n, int* fds) {
    static auto f = suivante<decltype(&xcb_send_request_with_fds)>("xcb_send_request_with_fds");
    const Appel appel;
    compte(r);
    return f(c, flags, v, r, n, fds);
}

uint64_t xcb_send_request_with_fds64(xcb_connection_t* c, int flags, struct iovec* v,
                                     const xcb_protocol_request_t* r, unsigned int n, int* fds) {
    static auto f = suivante<decltype(&xcb_send_request_with_fds64)>("xcb_send_request_with_fds64");
    const Appel appel;
    compte(r);
    return f(c, flags, v, r, n, fds);
}

void* xcb_wait_for_reply(xcb_connection_t* c, unsigned int s, xcb_generic_error_t** e) {
    static auto f = suivante<decltype(&xcb_wait_for_reply)>("xcb_wait_for_reply");
    ++attentes;
    return f(c, s, e);
}

void* xcb_wait_for_reply64(xcb_connection_t* c, uint64_t s, xcb_generic_error_t** e) {
    static auto f = suivante<decltype(&xcb_wait_for_reply64)>("xcb_wait_for_reply64");
    ++attentes;
    return f(c, s, e);
}

} // extern "C"
