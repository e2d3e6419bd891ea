#include "host/process.h"

#include <signal.h>

#include <initializer_list>

namespace host {

void SettleProcessSignals() {
    for (const int sig : {SIGPIPE, SIGXFSZ}) {
        struct sigaction now {};
        if (sigaction(sig, nullptr, &now) == 0 && !(now.sa_flags & SA_SIGINFO) && now.sa_handler == SIG_DFL)
            signal(sig, SIG_IGN);
    }
}

}  // namespace host
