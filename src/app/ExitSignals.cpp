#include "app/ExitSignals.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace tandrel {

namespace {

int signalPipe[2] = {-1, -1};

void OnExitSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1); // a full pipe already says it
    errno = saved;
}

} // namespace

void InstallExitSignals()
{
    ::signal(SIGXFSZ, SIG_IGN);
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction sa {};
    sa.sa_handler = OnExitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(s, &sa, nullptr);
}

ExitSignals::ExitSignals(QObject* parent) : QObject(parent)
{
    if (signalPipe[0] < 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[64];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        emit exitRequested();
    });
}

} // namespace tandrel
