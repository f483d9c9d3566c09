#include "skin/controls/suicolorbox.h"
#include "skin/controls/suicontrolsregistry.h"
#include "toolkit/dialogs.h"
#include "toolkit/layoutcolors.h"
#include "toolkit/layoutreader.h"
#include "toolkit/translations.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;
using namespace Suicolorbox;

namespace {

class ColorHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

struct ColorBox {
    QWidget form;
    TsuiColorBox* box = new TsuiColorBox(&form, &form);
    ColorBox() { box->setGeometry(0, 0, 150, box->height()); }
};

QStringList Names(int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << NamedColors()[i].Name.toString();
    return names;
}

struct ColorAnswer : DialogResponder {
    DialogResponder* previous = SetDialogResponder(this);
    ~ColorAnswer() override { SetDialogResponder(previous); }
    std::optional<TColor> answer;
    int asked = 0;
    TModalResult Message(const MessageRequest&) override { return TModalResult::Ok; }
    std::optional<QString> OpenFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<TColor> ChooseColor(const ColorRequest&) override
    {
        ++asked;
        return answer;
    }
};

} // namespace

TEST(ColorBox, StylesChooseTheTablesRanges)
{
    ColorBox b;
    TsuiColorBox& box = *b.box;
    // Standard, extended and system colours by default; clNone only on request.
    EXPECT_EQ(box.Items()->ToQStringList(), Names(0, 40));
    EXPECT_EQ(box.Selected(), clBlack);
    EXPECT_EQ(box.ItemIndex(), 0);

    box.SetStyle(cbSystemColors);
    EXPECT_EQ(box.Items()->ToQStringList(), Names(20, 40)); // clMenu .. clInfoBk
    box.SetStyle(TColorBoxStyle(cbSystemColors | cbIncludeNone));
    EXPECT_EQ(box.Items()->ToQStringList(), Names(20, 41));
    box.SetStyle(cbExtendedColors);
    EXPECT_EQ(box.Items()->ToQStringList(), Names(16, 19));
    EXPECT_EQ(box.GetColor(0), clScrollBar);
    box.SetStyle(TColorBoxStyle(cbStandardColors | cbPrettyNames));
    EXPECT_EQ(box.GetColorName(15), QStringLiteral("White"));
    EXPECT_EQ(ColorBoxItemName(QStringLiteral("clBtnFace"), true), QStringLiteral("Btn Face"));
    EXPECT_EQ(ColorBoxItemName(QStringLiteral("cl3DDkShadow"), true), QStringLiteral("3 D Dk Shadow"));

    // Nothing to choose from: the box is disabled.
    EXPECT_TRUE(box.isEnabled());
    box.SetStyle(TColorBoxStyle(cbIncludeNone | cbPrettyNames));
    EXPECT_FALSE(box.isEnabled());
    box.SetStyle(cbCustomColor);
    EXPECT_TRUE(box.isEnabled());
}

TEST(ColorBox, CustomItemHoldsUnlistedColoursAndTheDialogsPick)
{
    ColorBox b;
    TsuiColorBox& box = *b.box;
    box.SetStyle(TColorBoxStyle(cbStandardColors | cbCustomColor));
    ASSERT_EQ(box.Items()->Count(), 17);
    EXPECT_EQ(box.GetColorName(0), QStringLiteral("Custom..."));
    EXPECT_EQ(box.GetColor(0), clBlack);

    box.SetSelected(RGBColor(1, 2, 3));
    EXPECT_EQ(box.ItemIndex(), 0);
    EXPECT_EQ(box.GetColor(0), RGBColor(1, 2, 3));
    EXPECT_EQ(box.Selected(), RGBColor(1, 2, 3));
    box.SetSelected(clRed);
    EXPECT_EQ(box.GetColorName(box.ItemIndex()), QStringLiteral("clRed"));
    box.SetSelected(NoColorSelected);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Selected(), NoColorSelected);

    // Picking "Custom..." from the list asks for the colour; a cancelled
    // dialog raises no change. The custom colour survives a new style.
    ColorAnswer dialog;
    QSignalSpy changes(&box, &TCustomComboBox::OnChange);
    b.form.show();
    auto pickFirst = [&] {
        box.showPopup();
        box.view()->setCurrentIndex(box.view()->model()->index(0, 0));
        QTest::keyClick(box.view(), Qt::Key_Return);
    };
    pickFirst();
    EXPECT_EQ(dialog.asked, 1);
    EXPECT_EQ(changes.count(), 0);
    box.SetItemIndex(3);
    dialog.answer = RGBColor(9, 8, 7);
    pickFirst();
    EXPECT_EQ(dialog.asked, 2);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(box.Selected(), RGBColor(9, 8, 7));
    box.SetStyle(TColorBoxStyle(cbStandardColors | cbCustomColor | cbPrettyNames));
    EXPECT_EQ(box.GetColor(0), RGBColor(9, 8, 7));
    EXPECT_EQ(box.Selected(), RGBColor(9, 8, 7));

    // Enter on the closed box asks again.
    dialog.answer = RGBColor(4, 5, 6);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(dialog.asked, 3);
    EXPECT_EQ(box.GetColor(0), RGBColor(4, 5, 6));
}

TEST(ColorBox, SwatchIsFramedToStandOut)
{
    ColorBox b;
    TsuiColorBox& box = *b.box;
    box.SetSelected(RGBColor(0xFF, 0xFF, 0)); // clYellow
    QImage image = box.RenderToImage();
    const TRect field = box.FieldRect();
    const TRect swatch = Rect(field.Left + 1, field.Top + 1, field.Left + field.Height() - 1, field.Bottom - 1);
    EXPECT_EQ(image.pixel(swatch.Left, swatch.Top), qRgb(0, 0, 0)); // light: black frame
    EXPECT_EQ(image.pixel(swatch.Left + 2, swatch.Top + 2), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(swatch.Right, swatch.Top + 2), ColorToQColor(box.Color()).rgb());

    box.SetSelected(RGBColor(0x80, 0, 0)); // clMaroon: dark, framed in itself
    image = box.RenderToImage();
    EXPECT_EQ(image.pixel(swatch.Left, swatch.Top), qRgb(0x80, 0, 0));

    // The name starts five pixels after the swatch.
    int firstInk = -1;
    for (int x = swatch.Right; x < field.Right && firstInk < 0; ++x)
        for (int y = field.Top; y < field.Bottom; ++y)
            if (image.pixel(x, y) != ColorToQColor(box.Color()).rgb()) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, swatch.Right + 5);
    EXPECT_LE(firstInk, swatch.Right + 7);
}

TEST(ColorBox, StoredSelectedIsSelectedOnceLoaded)
{
    RegisterSuiControls();
    RegisterClass<ColorHost>(QStringLiteral("ColorHost"));
    ColorHost host;
    ReadLayoutInto(&host, QStringLiteral("object Host: ColorHost\n"
                                         "  object Paint: TsuiColorBox\n"
                                         "    Selected = 123456\n"
                                         "    Style = [cbStandardColors, cbCustomColor]\n"
                                         "  end\n"
                                         "end\n"));
    auto* box = host.findChild<TsuiColorBox*>(QStringLiteral("Paint"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Selected(), TColor(123456));
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Items()->Count(), 17);
}

// People read the pretty names in their language, each of them; a box without
// pretty names lists the colours' identifiers, the same in every language.
TEST(TsuiColorBox, PrettyNamesSpeakTheLanguageOfTheLocale)
{
    const TColorBoxStyle all(cbStandardColors | cbExtendedColors | cbSystemColors | cbIncludeNone |
                             cbIncludeDefault | cbCustomColor | cbPrettyNames);
    ColorBox english;
    english.box->SetStyle(all);
    toolkit::InstallTranslations(QStringLiteral("none"), QLocale(QLocale::German, QLocale::Germany));
    ColorBox german;
    german.box->SetStyle(all);
    ASSERT_EQ(german.box->Items()->Count(), english.box->Items()->Count());
    for (int i = 0; i < german.box->Items()->Count(); ++i)
        EXPECT_NE(german.box->GetColorName(i), english.box->GetColorName(i)) << i;
    EXPECT_EQ(german.box->GetColorName(0), QStringLiteral("Benutzerdefiniert..."));
    EXPECT_EQ(german.box->GetColorName(german.box->Items()->IndexOfObject(clBtnFace)),
              QStringLiteral("Schaltfläche"));
    german.box->SetStyle(cbStandardColors);
    EXPECT_EQ(german.box->GetColorName(0), QStringLiteral("clBlack"));
    toolkit::RemoveTranslations();
}

#include "test_suicolorbox.moc"
