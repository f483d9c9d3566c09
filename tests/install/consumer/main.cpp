// Reads a stored layout with skinned controls, paints it offscreen into the
// file named on the command line, and fails unless the controls show their
// styles' pictures.
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "toolkit/fonts.h"
#include "toolkit/layoutreader.h"
#include "toolkit/resources.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QImage>
#include <QSet>
#include <cstdio>
#include <memory>

static const char* const Layout = R"(object Demo: TPanel
  Width = 240
  Height = 96
  object suiButton1: TsuiButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    UIStyle = WinXP
  end
  object suiGroupBox1: TsuiGroupBox
    Left = 96
    Top = 8
    Width = 136
    Height = 80
    Caption = 'Options'
    object suiCheckBox1: TsuiCheckBox
      Left = 8
      Top = 24
      Width = 100
      Height = 17
      Caption = 'Sharp'
      Checked = True
      UIStyle = BlueGlass
    end
  end
end
)";

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    toolkit::InstallFontSubstitutions();
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
    RegisterSuiControls();
    RegisterSuiScrolling();

    std::unique_ptr<QObject> root;
    try {
        root.reset(toolkit::ReadLayout(QString::fromLatin1(Layout)));
    } catch (const toolkit::ELayoutError& error) {
        return std::fprintf(stderr, "layout: %s\n", error.what()), 1;
    }
    auto* window = qobject_cast<QWidget*>(root.get());
    auto* button = window ? window->findChild<TsuiButton*>(QStringLiteral("suiButton1")) : nullptr;
    if (!button) return std::fprintf(stderr, "layout not read\n"), 1;

    const QImage shot = window->grab().toImage();
    if (argc > 1) shot.save(QString::fromLocal8Bit(argv[1]));
    // The WinXP button face is a picture from the installed library: its
    // top-left corner pixel is drawn where the button's is.
    const QImage face = toolkit::LoadBitmapResource(QStringLiteral("WINXP_BUTTON_NORMAL"));
    QSet<QRgb> colours;
    for (int y = 0; y < button->height(); ++y)
        for (int x = 0; x < button->width(); ++x) colours.insert(shot.pixel(button->x() + x, button->y() + y));
    if (face.isNull() || colours.size() < 8) return std::fprintf(stderr, "button not painted from its picture\n"), 1;
    std::printf("painted %dx%d, button in %d colours\n", shot.width(), shot.height(), int(colours.size()));
    return 0;
}
