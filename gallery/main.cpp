// The gallery: every skinned control in every style. With --layout FILE it
// previews any stored layout instead; with --skin DIR it adds a skin pack to
// the styles and opens in it; with --screenshot DIR it renders the window
// once per style into DIR, without a display.
#include "gallery/galleryform.h"
#include "gallery/preview.h"
#include "skin/themes/suiskins.h"
#include "toolkit/fonts.h"
#include "toolkit/layouttree.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

// A layout that cannot be previewed, as a compiler reports an error.
constexpr int BadLayoutExitCode = 2;
constexpr int UsageExitCode = 2;
constexpr int BadPackExitCode = 2;

// The offscreen platform says so for every window shape and size hint;
// the pictures do not need either.
void QuietAboutMissingWindowSystem(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(type, context, message);
}

// The platform is chosen before the application exists, so before the
// command line is parsed: screenshots, help and the version need no display.
bool NeedsNoDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--screenshot", "-h", "--help", "--help-all", "-v", "--version"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    return false;
}

// Shows the window, or writes its pictures; returns the exit code.
int Present(QWidget& window, const QString& screenshotDir,
            const std::function<QStringList(const QString& directory)>& writeScreenshots)
{
    if (screenshotDir.isEmpty()) {
        window.show();
        return QApplication::exec();
    }
    for (const QString& file : writeScreenshots(screenshotDir)) std::printf("%s\n", qPrintable(file));
    return 0;
}

// Loads the pack of --skin; Custom, with its problems reported, when it cannot be.
TsuiUIStyle LoadPack(const QString& folder)
{
    QList<TsuiSkinProblem> problems;
    const TsuiUIStyle style = LoadSkinPack(folder, problems);
    for (const TsuiSkinProblem& problem : problems) std::fprintf(stderr, "%s\n", qPrintable(problem.ToString()));
    return style;
}

int Preview(const QString& path, const QString& screenshotDir, TsuiUIStyle packStyle)
{
    std::unique_ptr<QWidget> window;
    try {
        window = ReadPreview(path);
    } catch (const toolkit::ELayoutError& error) {
        std::fprintf(stderr, "%s:%s\n", qPrintable(path), error.what());
        return BadLayoutExitCode;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "gallery: %s\n", error.what());
        return BadLayoutExitCode;
    }
    AddStyleSwitch(*window);
    if (packStyle != TsuiUIStyle::Custom) ApplyPreviewStyle(*window, packStyle);
    return Present(*window, screenshotDir, [&](const QString& directory) {
        return WriteScreenshots(*window, directory, QFileInfo(path).completeBaseName(),
                                [&window](TsuiUIStyle style) { ApplyPreviewStyle(*window, style); });
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (NeedsNoDisplay(argc, argv)) {
        try {
            ChooseOffscreenPlatform();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "gallery: %s\n", error.what());
            return 1;
        }
        qInstallMessageHandler(QuietAboutMissingWindowSystem);
    }

    QApplication app(argc, argv); // takes Qt's own options (-platform, -style, ...) out of the arguments
    QApplication::setApplicationName(QStringLiteral("gallery"));
    QApplication::setApplicationVersion(QStringLiteral(ISP_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows every skinned control in every style, or previews a stored layout."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption layout(QStringLiteral("layout"),
                                    QStringLiteral("Previews the stored layout in <file>; a bad one is reported as "
                                                   "file:line:column: message, with exit code 2."),
                                    QStringLiteral("file"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Writes the window in each style into <directory> as <name>-<style>.png, without a display."),
        QStringLiteral("directory"));
    const QCommandLineOption skin(
        QStringLiteral("skin"),
        QStringLiteral("Adds the skin pack in <directory> to the styles and opens in it; a bad one is reported "
                       "one problem a line, with exit code 2."),
        QStringLiteral("directory"));
    parser.addOptions({layout, screenshot, skin});
    if (!parser.parse(QApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "gallery: %s\n",
                     qPrintable(parser.errorText().isEmpty() ? QStringLiteral("unexpected arguments")
                                                             : parser.errorText()));
        std::fputs(qPrintable(parser.helpText()), stderr);
        return UsageExitCode;
    }
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();

    try {
        toolkit::InstallFontSubstitutions();
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        QApplication::setFont(font);

        TsuiUIStyle packStyle = TsuiUIStyle::Custom;
        if (parser.isSet(skin) && (packStyle = LoadPack(parser.value(skin))) == TsuiUIStyle::Custom)
            return BadPackExitCode;
        const QString screenshotDir = parser.value(screenshot);
        if (parser.isSet(layout)) return Preview(parser.value(layout), screenshotDir, packStyle);
        TGalleryForm form;
        if (packStyle != TsuiUIStyle::Custom) form.ApplyStyle(packStyle);
        // The gallery's own pictures include its page of stock widgets.
        return Present(form, screenshotDir,
                       [&form](const QString& directory) { return WriteScreenshots(form, directory); });
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gallery: %s\n", error.what());
        return 1;
    }
}
