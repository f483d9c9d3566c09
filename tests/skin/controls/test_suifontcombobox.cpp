#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suifontcombobox.h"
#include "toolkit/layoutreader.h"
#include "toolkit/resources.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;
using namespace Suifontcombobox;

namespace {

class FontHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

struct FontBox {
    QWidget form;
    TsuiFontComboBox* box = new TsuiFontComboBox(&form, &form);
    QSignalSpy changes{box, &TCustomComboBox::OnChange};
    FontBox() { box->setGeometry(0, 0, 180, box->height()); }
};

QStringList Listed(const TCustomComboBox& box)
{
    return box.Items()->ToQStringList();
}

// The screen's public families, as the list should hold them (any order).
QStringList Families(bool (*keep)(const QString&))
{
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family) && keep(family)) families << family;
    families.sort(Qt::CaseInsensitive);
    return families;
}

} // namespace

TEST(FontComboBox, FontNameMatchesAnyCaseAndAnUnlistedNameSelectsNothing)
{
    FontBox b;
    EXPECT_FALSE(b.box->HasList()); // nothing is listed before it is needed
    b.box->SetFontName(QStringLiteral("liberation SANS"));
    EXPECT_EQ(b.box->FontName(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(b.box->ItemIndex(), b.box->Items()->IndexOf(QStringLiteral("Liberation Sans")));
    EXPECT_EQ(b.changes.count(), 1);
    EXPECT_EQ(Listed(*b.box), Families([](const QString&) { return true; }));

    b.box->SetFontName(QStringLiteral("No Such Face"));
    EXPECT_EQ(b.box->ItemIndex(), -1);
    EXPECT_EQ(b.box->FontName(), QString());
    EXPECT_EQ(b.changes.count(), 2);

    // A pick by the user is one change.
    b.form.show();
    QTest::keyClick(b.box, Qt::Key_Down);
    EXPECT_EQ(b.box->ItemIndex(), 0);
    EXPECT_EQ(b.changes.count(), 3);

    // Editable, the unlisted name stays in the edit.
    b.box->SetComboStyle(TFontDrawComboStyle::csDropDown);
    b.box->SetFontName(QStringLiteral("No Such Face"));
    EXPECT_EQ(b.box->ItemIndex(), -1);
    EXPECT_EQ(b.box->FontName(), QStringLiteral("No Such Face"));
}

TEST(FontComboBox, OptionsFilterTheListAndKeepTheChosenName)
{
    FontBox b;
    b.box->SetFontName(QStringLiteral("Liberation Mono"));
    const int before = b.changes.count();
    b.box->SetOptions(foFixedPitchOnly);
    EXPECT_EQ(Listed(*b.box), Families([](const QString& f) { return QFontDatabase::isFixedPitch(f); }));
    EXPECT_EQ(b.box->FontName(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(b.changes.count(), before); // still listed: no change

    b.box->SetOptions(foTrueTypeOnly);
    for (int i = 0; i < b.box->Items()->Count(); ++i)
        EXPECT_TRUE(b.box->Items()->Objects(i) & TFontFamilyInfo::TrueTypeFont);
    EXPECT_EQ(Listed(*b.box), Families([](const QString& f) { return QFontDatabase::isSmoothlyScalable(f); }));

    // No family is both OEM and not OEM; the name is gone with the list.
    b.box->SetOptions(TFontListOptions(foOEMFontsOnly | foNoOEMFonts));
    EXPECT_EQ(b.box->Items()->Count(), 0);
    EXPECT_EQ(b.box->FontName(), QString());
    EXPECT_EQ(b.changes.count(), before + 1);

    // Printers have no fonts of their own here.
    b.box->SetOptions({});
    b.box->SetDevice(TFontDevice::fdPrinter);
    EXPECT_EQ(b.box->Items()->Count(), 0);
    b.box->SetDevice(TFontDevice::fdBoth);
    EXPECT_EQ(Listed(*b.box), Families([](const QString&) { return true; }));
}

TEST(FontComboBox, FieldShowsThePictureAndTheNameInItsOwnFont)
{
    FontBox b;
    const int fontHeight = QFontMetrics(b.box->font()).height();
    EXPECT_EQ(b.box->MinItemHeight(), std::max(fontHeight + 1, 11));
    EXPECT_EQ(b.box->ItemHeight(), b.box->MinItemHeight());
    b.box->Font()->SetHeight(-24);
    EXPECT_EQ(b.box->ItemHeight(), QFontMetrics(b.box->font()).height() + 1);
    EXPECT_EQ(b.box->height(), b.box->ItemHeight() + 6);

    b.box->SetFontName(QStringLiteral("Liberation Serif"));
    const QImage image = b.box->RenderToImage();
    const TRect field = b.box->FieldRect();
    TBitmap picture;
    picture.LoadFromResourceName(QStringLiteral("FONTCOMBO_TRUETYPE_FNT"));
    const QPoint at(field.Left + 2, (field.Top + field.Bottom - picture.Height()) / 2);
    int compared = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const QRgb pixel = picture.Image().pixel(x, y);
            if (pixel == ColorToQColor(picture.TransparentColor()).rgb()) continue;
            EXPECT_EQ(image.pixel(at + QPoint(x, y)), pixel);
            ++compared;
        }
    EXPECT_GT(compared, 10);

    // The name starts after the picture's 20 pixels and 6 more, in its face
    // only with UseFonts.
    auto textInk = [&](const QImage& shown) {
        QImage blank = shown.copy();
        int first = -1;
        for (int x = field.Left + picture.Width(); x < field.Right && first < 0; ++x)
            for (int y = field.Top; y < field.Bottom; ++y)
                if (blank.pixel(x, y) != ColorToQColor(b.box->Color()).rgb()) {
                    first = x;
                    break;
                }
        return first;
    };
    EXPECT_GE(textInk(image), field.Left + picture.Width() + 6);
    b.box->SetUseFonts(true);
    const QImage ownFace = b.box->RenderToImage();
    EXPECT_NE(ownFace, image);
    EXPECT_GE(textInk(ownFace), field.Left + picture.Width() + 6);
}

TEST(FontComboBox, StoredFontNameIsSelectedOnceLoaded)
{
    RegisterSuiControls();
    RegisterClass<FontHost>(QStringLiteral("FontHost"));
    FontHost host;
    ReadLayoutInto(&host, QStringLiteral("object Host: FontHost\n"
                                         "  object Faces: TsuiFontComboBox\n"
                                         "    Options = [foScalableOnly]\n"
                                         "    FontName = 'liberation serif'\n"
                                         "  end\n"
                                         "end\n"));
    auto* box = host.findChild<TsuiFontComboBox*>(QStringLiteral("Faces"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->HasList());
    EXPECT_EQ(box->FontName(), QStringLiteral("Liberation Serif"));
    EXPECT_GE(box->ItemIndex(), 0);
}

TEST(FontSizeComboBox, ScalableFamiliesListTheSixteenUsualSizes)
{
    QWidget form;
    auto* sizes = new TsuiFontSizeComboBox(&form, &form);
    QSignalSpy clicks(sizes, &TCustomComboBox::OnClick);
    sizes->SetFontName(QStringLiteral("Liberation Sans"));
    EXPECT_EQ(Listed(*sizes), QStringList({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26",
                                           "28", "36", "48", "72"}));
    EXPECT_EQ(clicks.count(), 1);

    // The size shown stays chosen for a family that offers it.
    sizes->SetItemIndex(sizes->Items()->IndexOf(QStringLiteral("12")));
    sizes->SetFontName(QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(sizes->Text(), QStringLiteral("12"));
    sizes->SetFontName(QStringLiteral("No Such Face"));
    EXPECT_EQ(sizes->Items()->Count(), 0);
    EXPECT_EQ(sizes->ItemIndex(), -1);

    // A bitmap family's own sizes: ascending, each once.
    TStringList own;
    for (int size : {12, 8, 10, 12, 9, 24, 8})
        TsuiFontSizeComboBox::InsertSize(own, size);
    EXPECT_EQ(own.ToQStringList(), QStringList({"8", "9", "10", "12", "24"}));
}

#include "test_suifontcombobox.moc"
