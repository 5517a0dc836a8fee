#include "EndSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velko {

namespace {

int wakeUp[2] = {-1, -1};   // the handler writes, the event loop reads

void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakeUp[1], &byte, 1);
    errno = savedErrno;
}

}   // namespace

void catchEndSignals(std::function<void()> onEnd)
{
    std::signal(SIGXFSZ, SIG_IGN);
    if (wakeUp[0] < 0 && ::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [onEnd = std::move(onEnd)] {
        char bytes[16];
        while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {}
        onEnd();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

}   // namespace velko
