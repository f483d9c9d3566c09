#include "app/form1.h"
#include "toolkit/commandline.h"
#include "toolkit/dialogs.h"
#include "toolkit/fonts.h"
#include "toolkit/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <exception>

int main(int argc, char** argv)
{
    toolkit::PrepareCommandLine(argc, argv);
    QApplication app(argc, argv); // takes Qt's own options (-platform, -style, -reverse, ...)
    QGuiApplication::setDesktopFileName(QStringLiteral("ispupdate"));
    QCommandLineParser options;
    toolkit::InstallTranslations(QStringLiteral("ispupdate"));
    options.setApplicationDescription(
        QCoreApplication::translate("main", "Writes new firmware into a USB-attached IP camera."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(app); // --help and --version print and end here
    try {
        toolkit::InstallFontSubstitutions();
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        QApplication::setFont(font);

        TForm1 Form1;
        Form1.FormCreate(&Form1); // before the window is first shown; ends the process on failure
        Form1.show();
        app.exec();
    } catch (const std::exception& error) {
        toolkit::MessageBox(nullptr, QString::fromLocal8Bit(error.what()),
                            QCoreApplication::applicationName());
    }
    return 0;
}
