#include "scale/BluetoothRead.h"
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
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.front() == QLatin1String("read")) {
        QString error;
        const std::optional<tarvel::ReadOptions> options =
            tarvel::ParseReadArguments(arguments.mid(1), &error);
        if (!options) {
            std::fprintf(stderr, "tarvel-scale: %s\n", qPrintable(error));
            return 2;
        }
        return tarvel::RunBluetoothRead(*options, stdout, stderr);
    }
    // Ctrl+C and kill end the scale cleanly: the link is removed before it exits.
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return tarvel::RunVirtualScale(arguments, stdout, stderr, g_stop);
}
