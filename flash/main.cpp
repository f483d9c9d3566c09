#include "app/core/environment.h"
#include "flash/flasher.h"
#include "flash/progress.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <csignal>
#include <exception>
#include <unistd.h>

namespace {

// Ctrl-C, a polite kill, a closed terminal or Ctrl-\ let the update close the
// device before the end. A closed output (ispflash | head -1) never stops an
// update: writes to it just fail from then on.
void InstallCancelHandler()
{
    struct sigaction action {};
    action.sa_handler = [](int signal) { RequestCancel(signal); };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// The user's language: Qt's own texts (the command line's errors), the
// download's and start-up texts the window shares, and the flasher's. A
// language without a translation stays English. The JSON output and the log
// are English whatever the language.
void InstallTranslations(QCoreApplication& app)
{
    const QLocale locale;
    const std::pair<QString, QString> catalogues[] = {
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("ispupdate"), QStringLiteral(":/i18n")},
        {QStringLiteral("ispflash"), QStringLiteral(":/i18n")},
    };
    for (const auto& [catalogue, folder] : catalogues) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, catalogue, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InstallTranslations(app);
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
