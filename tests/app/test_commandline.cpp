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

Finished Ispupdate(const QStringList& arguments, const QString& language = QStringLiteral("C"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), language);
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

// Qt's own texts (the option list) follow the locale with the utility's.
TEST(UtilityCommandLine, HelpSpeaksTheLanguageOfTheLocale)
{
    const Finished german = Ispupdate({QStringLiteral("--help")}, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(german.output.contains(QStringLiteral("Schreibt neue Firmware"))) << german.output.toStdString();
    EXPECT_TRUE(german.output.contains(QStringLiteral("Optionen"))) << german.output.toStdString();
    const Finished english = Ispupdate({QStringLiteral("--help")});
    EXPECT_TRUE(english.output.contains(QStringLiteral("Writes new firmware into a USB-attached IP camera.")));
    EXPECT_TRUE(english.output.contains(QStringLiteral("Options:")));
}

TEST(UtilityCommandLine, AnUnknownOptionIsAnErrorNamingIt)
{
    const Finished run = Ispupdate({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("bogus"))) << run.errors.toStdString();
}

} // namespace
