// skinpack: writes a built-in style as a skin pack, a designer's starting
// point, and checks a pack as the controls would load it.
//   skinpack export --style winxp DIR
//   skinpack check DIR
#include "skin/themes/suiskins.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int ProblemsExitCode = 1;
constexpr int UsageExitCode = 2;

int Usage(const QString& message)
{
    std::fprintf(stderr, "skinpack: %s\nTry 'skinpack --help' for more.\n", qPrintable(message));
    return UsageExitCode;
}

int Export(const QString& styleName, const QString& folder)
{
    const TsuiUIStyle style = SkinStyle(styleName);
    if (BuiltInSkinFolder(style).isEmpty()) {
        std::fprintf(stderr, "skinpack: '%s' is not a built-in style (%s)\n", qPrintable(styleName),
                     qPrintable(SkinNames().join(QStringLiteral(", "))));
        return UsageExitCode;
    }
    const TsuiSkinPack* pack = SkinPackOf(style);
    QString error;
    if (!pack || !WriteSkinPack(*pack, folder, error)) {
        std::fprintf(stderr, "skinpack: %s\n", qPrintable(error.isEmpty() ? QStringLiteral("cannot read the built-in") : error));
        return ProblemsExitCode;
    }
    std::printf("%s: the %s style, %d pictures\n", qPrintable(folder), qPrintable(styleName),
                int(pack->Pictures.size()));
    return 0;
}

int Check(const QString& folder)
{
    QList<TsuiSkinProblem> problems;
    const std::optional<TsuiSkinPack> pack = ReadSkinPack(folder, problems);
    if (pack && SkinStyle(pack->Name) != TsuiUIStyle::Custom)
        problems.append({folder + QStringLiteral("/skin.ini"), 0, QStringLiteral("Name"),
                         QStringLiteral("'%1' is a built-in style's name").arg(pack->Name)});
    for (const TsuiSkinProblem& problem : problems) std::printf("%s\n", qPrintable(problem.ToString()));
    if (!problems.isEmpty()) {
        std::fprintf(stderr, "skinpack: %s: %d problem%s\n", qPrintable(folder), int(problems.size()),
                     problems.size() == 1 ? "" : "s");
        return ProblemsExitCode;
    }
    std::fprintf(stderr, "skinpack: %s: the %s pack, version %s, is fine (%d pictures)\n", qPrintable(folder),
                 qPrintable(pack->Name), qPrintable(pack->Version), int(pack->Pictures.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // No display: pictures are read and written as files (and a GUI
    // application would take --style for itself).
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skinpack"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ISP_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a built-in style as a skin pack, or checks a pack.\n\n"
        "  export --style NAME DIR   writes the built-in style NAME into the folder DIR\n"
        "  check DIR                 prints one line per problem (file:line: key: problem);\n"
        "                            exit code 0 when the pack is fine, 1 with problems"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption style(QStringLiteral("style"),
                                   QStringLiteral("The built-in style to export: %1.")
                                       .arg(SkinNames().mid(0, 5).join(QStringLiteral(", "))),
                                   QStringLiteral("name"));
    parser.addOption(style);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("export or check"));
    parser.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("The pack's folder"));
    if (!parser.parse(QCoreApplication::arguments())) return Usage(parser.errorText());
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2) return Usage(QStringLiteral("expected a command and a folder"));
    const QString& command = arguments[0];
    if (command == QLatin1String("export")) {
        if (!parser.isSet(style)) return Usage(QStringLiteral("export needs --style"));
        return Export(parser.value(style), arguments[1]);
    }
    if (command == QLatin1String("check")) {
        if (parser.isSet(style)) return Usage(QStringLiteral("check takes no --style"));
        return Check(arguments[1]);
    }
    return Usage(QStringLiteral("unknown command '%1'").arg(command));
}
