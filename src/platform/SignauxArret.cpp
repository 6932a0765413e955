#include "platform/SignauxArret.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace SignauxArret {

namespace {
// A handler may only write to a descriptor; the event loop reads the other end.
int tube[2] = {-1, -1};

extern "C" void surSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(tube[1], &c, 1);
}
}  // namespace

void installer() {
    if (tube[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tube) != 0) return;
    auto* lecteur = new QSocketNotifier(tube[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(lecteur, &QSocketNotifier::activated, lecteur, [] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(tube[0], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = surSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(s, &action, nullptr);
}

}  // namespace SignauxArret
