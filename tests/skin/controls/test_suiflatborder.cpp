#include "skin/controls/suichecklistbox.h"
#include "skin/controls/suiedit.h"
#include "skin/controls/suilistview.h"
#include "skin/controls/suitreeview.h"
#include "skin/frame/suiform.h"

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

// The border and the band of the control's colour inside it.
void ExpectFlatBorder(QWidget& control, TColor border, TColor inner)
{
    const QImage image = control.grab().toImage();
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (const QPoint p : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom), QPoint(5, 0)})
        EXPECT_EQ(image.pixel(p), Rgb(border)) << control.metaObject()->className() << " at " << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(1, 1), Rgb(inner)) << control.metaObject()->className();
}

} // namespace

TEST(FlatBorderedControls, BlackWithoutASkinnedFrameAndThePushedStyleAfterwards)
{
    QWidget form;
    form.resize(600, 300);
    auto* edit = new TsuiEdit(&form, &form);
    auto* listView = new TsuiListView(&form, &form);
    auto* treeView = new TsuiTreeView(&form, &form);
    auto* checks = new TsuiCheckListBox(&form, &form);
    listView->move(0, 30);
    treeView->move(260, 30);
    checks->move(400, 30);
    checks->Items()->Add(QStringLiteral("one"));
    form.show();
    const std::vector<std::pair<QWidget*, TsuiFlatBorder*>> controls{
        {edit, edit}, {listView, listView}, {treeView, treeView}, {checks, checks}};
    for (auto [widget, bordered] : controls) {
        EXPECT_EQ(bordered->BorderColor(), clBlack);
        ExpectFlatBorder(*widget, clBlack, clWindow);
    }

    ContainerApplyUIStyle(&form, TsuiUIStyle::BlueGlass);
    const TColor blueGlass = GetThemeColor(TsuiUIStyle::BlueGlass, teControlBorderColor);
    for (auto [widget, bordered] : controls)
        ExpectFlatBorder(*widget, blueGlass, clWindow);
}

TEST(FlatBorderedControls, TakeTheBorderColourOfTheSkinnedFrame)
{
    QWidget form;
    auto* frame = new TsuiForm(&form, &form);
    frame->SetUIStyle(TsuiUIStyle::DeepBlue);
    TsuiEdit edit(&form, &form);
    EXPECT_EQ(edit.BorderColor(), GetThemeColor(TsuiUIStyle::DeepBlue, teControlBorderColor));
    EXPECT_EQ(edit.BorderStyle(), bsNone);
    EXPECT_EQ(edit.BorderWidth(), 2);
}

TEST(FlatBorderedControls, TheCheckListBoxBorderIsPinned)
{
    QWidget form;
    TsuiCheckListBox checks(&form, &form);
    checks.setProperty("BorderWidth", 5);
    checks.setProperty("BorderStyle", QVariant::fromValue(bsNone));
    EXPECT_EQ(checks.property("BorderWidth").toInt(), 1);
    EXPECT_EQ(checks.property("BorderStyle").value<TBorderStyle>(), bsSingle);
    EXPECT_EQ(checks.frameWidth(), 1) << "the contents keep a one-pixel band";
}
