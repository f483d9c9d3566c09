// The utility's command line as a user types it: --help and --version answer
// without a display and end with status 0; Qt's own options are accepted.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct Finished {
    int status;
    QString output; // standard output
    QString errors;
};

Finished Ispupdate(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ISPUPDATE_EXE), arguments);
    if (!process.waitForFinished(20000)) return {-1, {}, QStringLiteral("did not end")};
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(UtilityCommandLine, HelpAndVersionAnswerWithoutADisplay)
{
    const Finished version = Ispupdate({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0) << version.errors.toStdString();
    EXPECT_EQ(version.output.trimmed(), QStringLiteral("ispupdate " ISP_VERSION));

    for (const QStringList& help : {QStringList{QStringLiteral("--help")},
                                    QStringList{QStringLiteral("-reverse"), QStringLiteral("-h")}}) {
        const Finished run = Ispupdate(help);
        EXPECT_EQ(run.status, 0) << run.errors.toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("--version"))) << run.output.toStdString();
    }
}

TEST(UtilityCommandLine, AnUnknownOptionIsAnErrorNamingIt)
{
    const Finished run = Ispupdate({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("bogus"))) << run.errors.toStdString();
}

} // namespace
