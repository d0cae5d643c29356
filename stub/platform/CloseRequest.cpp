#include "platform/CloseRequest.h"

#include <csignal>
#include <initializer_list>

namespace stub {

namespace {

volatile std::sig_atomic_t closeRequested = 0;

void OnCloseSignal(int) {
    closeRequested = 1;
}

} // namespace

void WatchCloseSignals() {
    struct sigaction action {};
    action.sa_handler = OnCloseSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool CloseRequested() {
    return closeRequested != 0;
}

} // namespace stub
