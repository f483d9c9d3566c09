#include "toolkit/types.h"

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace toolkit {

namespace {

// The skins are light pictures drawn for light system colours, so the
// component set resolves system colours against one fixed light palette, not
// the desktop's: under a dark desktop palette a caption stays dark on its
// light face. (Fusion's own palette: what every picture of this project shows.)
const QPalette& SkinPalette()
{
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette(QColor(0xef, 0xef, 0xef));
    }();
    return palette;
}

QColor SystemColor(int index)
{
    const QPalette& pal = SkinPalette();
    switch (index) {
    case 0: return pal.color(QPalette::Button);            // scroll bar
    case 1: return pal.color(QPalette::Window);            // desktop
    case 2: return pal.color(QPalette::Highlight);         // active caption
    case 3: return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return pal.color(QPalette::Base);              // menu
    case 5: return pal.color(QPalette::Base);              // window
    case 6: return pal.color(QPalette::Shadow);            // window frame
    case 7: return pal.color(QPalette::Text);              // menu text
    case 8: return pal.color(QPalette::WindowText);        // window text
    case 9: return pal.color(QPalette::HighlightedText);   // caption text
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);           // button face
    case 16: return pal.color(QPalette::Dark);             // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return pal.color(QPalette::Light);            // button highlight
    case 21: return pal.color(QPalette::Shadow);
    case 22: return pal.color(QPalette::Midlight);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(QPalette::Window);
    }
}

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color & clSystemColor)
        return SystemColor(int(color & 0xFF));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor QColorToColor(const QColor& color)
{
    return RGBColor(color.red(), color.green(), color.blue());
}

TColor ColorToRGB(TColor color)
{
    return QColorToColor(ColorToQColor(color));
}

} // namespace toolkit
