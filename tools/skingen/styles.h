#pragma once
// One function per style draws all of that style's pictures; `Common` draws
// the unprefixed ones and the application icon.

#include "families.h"

namespace skingen {

struct Style {
    QString name;
    QString prefix;
    int expectedCount; // the inventory each style must deliver
    Catalog pictures;
    // What the contact sheet's preview needs to put the pieces together.
    QColor formColour;
    int titleButtonTop = 0;
    bool titleButtonsKeyed = false;
};

// Collects a style's pictures under its prefix.
class StyleBuilder {
public:
    StyleBuilder(QString name, QString prefix, int expectedCount);
    void add(const QString& suffix, QImage image);
    // The three pictures of a stateful element, suffixed _NORMAL, _MOUSEON, _MOUSEDOWN.
    void addStates(const QString& stem, const QImage& normal, const QImage& mouseOn, const QImage& mouseDown);
    void setPreview(QColor formColour, int titleButtonTop, bool titleButtonsKeyed);
    Style take() { return std::move(style_); }

private:
    QString prefix_;
    Style style_;
};

// The caption-button set every style has: close, max, min, help, control box.
struct TitleButtonLook {
    QSize size;
    int top;
    qreal radius;
    bool round;
    bool keyed;
    Face face[3];      // normal, mouse on, mouse down
    Face closeFace[3]; // the close button may be coloured apart
    QColor glyph[3];
    QColor closeGlyph[3];
};
void addTitleButtons(StyleBuilder& b, const QImage& titleClient, const TitleButtonLook& look, bool withRestore);

Style MacOS();
Style WinXP();
Style DeepBlue();
Style Protein();
Style BlueGlass();
Catalog Common();
// The application icon at size x size pixels (MAINICON is the 32-pixel one).
QImage AppIcon(int size);

} // namespace skingen
