#include "styles.h"

namespace skingen {

StyleBuilder::StyleBuilder(QString name, QString prefix, int expectedCount) : prefix_(std::move(prefix))
{
    style_.name = std::move(name);
    style_.prefix = prefix_;
    style_.expectedCount = expectedCount;
}

void StyleBuilder::setPreview(QColor formColour, int titleButtonTop, bool titleButtonsKeyed)
{
    style_.formColour = formColour;
    style_.titleButtonTop = titleButtonTop;
    style_.titleButtonsKeyed = titleButtonsKeyed;
}

void StyleBuilder::add(const QString& suffix, QImage image)
{
    style_.pictures.push_back({prefix_ + suffix, std::move(image)});
}

void StyleBuilder::addStates(const QString& stem, const QImage& normal, const QImage& mouseOn, const QImage& mouseDown)
{
    add(stem + "_NORMAL", normal);
    add(stem + "_MOUSEON", mouseOn);
    add(stem + "_MOUSEDOWN", mouseDown);
}

void addTitleButtons(StyleBuilder& b, const QImage& titleClient, const TitleButtonLook& look, bool withRestore)
{
    const QImage behind = backdrop(titleClient, look.top, look.size);
    auto states = [&](const QString& stem, Glyph glyph, bool isClose) {
        QImage pics[3];
        for (int s = 0; s < 3; ++s)
            pics[s] = titleButton(look.size, behind, look.radius, isClose ? look.closeFace[s] : look.face[s], glyph,
                                  isClose ? look.closeGlyph[s] : look.glyph[s], look.keyed, look.round);
        b.addStates(stem, pics[0], pics[1], pics[2]);
    };
    states("TITLEBTN_CLOSE", Glyph::Close, true);
    states("TITLEBTN_MAX", Glyph::Max, false);
    states("TITLEBTN_MIN", Glyph::Min, false);
    states("TITLEBTN_HELP", Glyph::Help, false);
    states("TITLEBTN_CTLBOX", Glyph::ControlBox, false);
    if (withRestore)
        states("TITLEBTN_RST", Glyph::Restore, false);
}

} // namespace skingen
