// The gallery: every skinned control in every style. With --screenshot DIR
// it renders the window once per style into DIR, without a display.
#include "gallery/galleryform.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

// The offscreen platform says so for every window shape and size hint;
// the pictures do not need either.
void QuietAboutMissingWindowSystem(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(type, context, message);
}

int Usage()
{
    std::fputs("usage: gallery [--screenshot DIR]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* screenshotDir = nullptr;
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
        screenshotDir = argv[2];
    else if (argc != 1)
        return Usage();
    // Screenshots need no display; the platform is chosen before the application exists.
    if (screenshotDir) {
        try {
            ChooseOffscreenPlatform();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "gallery: %s\n", error.what());
            return 1;
        }
        qInstallMessageHandler(QuietAboutMissingWindowSystem);
    }

    QApplication app(argc, argv);
    try {
        toolkit::InstallFontSubstitutions();
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        QApplication::setFont(font);

        TGalleryForm form;
        if (screenshotDir) {
            for (const QString& file : WriteScreenshots(form, QString::fromLocal8Bit(screenshotDir)))
                std::printf("%s\n", qPrintable(file));
            return 0;
        }
        form.show();
        return app.exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gallery: %s\n", error.what());
        return 1;
    }
}
