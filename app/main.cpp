#include "app/form1.h"
#include "toolkit/dialogs.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <exception>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("ispupdate"));
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
