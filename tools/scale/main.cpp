#include "scale/VirtualScale.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void RequestStop(int)
{
    g_stop = 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Ctrl+C and kill end the scale cleanly: the link is removed before it exits.
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return tarvel::RunVirtualScale(QCoreApplication::arguments().mid(1), stdout, stderr, g_stop);
}
