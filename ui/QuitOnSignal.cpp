#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Both ends stay open for the life of the process: a handler the client
// library chained keeps writing here after the watching object is gone.
int pipeEnds[2] = {-1, -1};

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request; nothing else is safe in here.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

bool installHandlers()
{
    if (pipeEnds[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
            return false;
        ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
        ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

} // namespace

QuitOnSignal::QuitOnSignal()
{
    if (!installHandlers()) {
        qWarning("QuitOnSignal: the termination signals could not be watched");
        return;
    }
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::quit);
}

QuitOnSignal::~QuitOnSignal() = default;

void QuitOnSignal::quit()
{
    char buffer[16];
    while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) { }
    m_requested = true;
    // Every running loop ends, the modal dialogs' too, and a loop started
    // before the main one returns at once.
    QCoreApplication::exit(0);
}
