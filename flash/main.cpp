#include "app/core/environment.h"
#include "flash/flasher.h"
#include "flash/progress.h"

#include <QString>
#include <QStringList>
#include <csignal>
#include <exception>
#include <unistd.h>

namespace {

// Ctrl-C (or a polite kill) lets the update close the device before the end.
void InstallCancelHandler()
{
    struct sigaction action {};
    action.sa_handler = [](int) { RequestCancel(); };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    InstallCancelHandler();
    Environment().Sleep = SleepUnlessCancelled;
    try {
        return RunFlasher(arguments, {stdout, stderr, ::isatty(STDOUT_FILENO) == 1});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ispflash: %s\n", error.what());
        return kFlashInternalError;
    }
}
