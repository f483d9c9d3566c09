// The compiled-in skin pictures: every name the theme tables and the controls
// use exists at its documented size and follows the key-colour rule of the
// control that draws it.
#include "skin/themes/suithemes.h"

#include <QImage>
#include <QSet>
#include <QTransform>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kButtonCorner = 0xFFFCFCFC;

const TsuiUIStyle kStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                               TsuiUIStyle::BlueGlass};
const char* const kPrefixes[] = {"MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"};

// Suffixes sharing one size per style (MacOS / WinXP / DeepBlue / Protein /
// BlueGlass); an empty size means the style has no such picture.
struct SizeRow {
    QStringList suffixes;
    QSize size[5];
};

QStringList states(const QStringList& stems)
{
    QStringList out;
    for (const QString& stem : stems)
        for (const char* state : {"NORMAL", "MOUSEON", "MOUSEDOWN"})
            out << stem + state;
    return out;
}

const QList<SizeRow>& styleRows()
{
    static const QList<SizeRow> rows{
        {{"BUTTON_NORMAL", "BUTTON_MOUSEON", "BUTTON_MOUSEDOWN"}, {{84, 23}, {18, 21}, {74, 21}, {74, 21}, {77, 27}}},
        {{"CHECKBOX_CHECK", "CHECKBOX_UNCHECK"}, {{15, 17}, {}, {13, 13}, {13, 13}, {13, 13}}},
        {{"CHECKBOX_DISABLE_CHECK", "CHECKBOX_DISABLE_UNCHECK"}, {{15, 17}, {13, 13}, {13, 13}, {13, 13}, {13, 13}}},
        {{"CHECKBOX_NORMAL_CHECK", "CHECKBOX_NORMAL_UNCHECK", "CHECKBOX_MOUSEON_CHECK", "CHECKBOX_MOUSEON_UNCHECK",
          "CHECKBOX_MOUSEDOWN_CHECK", "CHECKBOX_MOUSEDOWN_UNCHECK"},
         {{}, {13, 13}, {}, {}, {}}},
        {{"RADIOBUTTON_CHECK", "RADIOBUTTON_UNCHECK"}, {{16, 17}, {}, {13, 13}, {13, 13}, {13, 13}}},
        {{"RADIOBUTTON_DISABLE_CHECK", "RADIOBUTTON_DISABLE_UNCHECK"},
         {{16, 17}, {13, 13}, {13, 13}, {13, 13}, {13, 13}}},
        {{"RADIOBUTTON_NORMAL_CHECK", "RADIOBUTTON_NORMAL_UNCHECK", "RADIOBUTTON_MOUSEON_CHECK",
          "RADIOBUTTON_MOUSEON_UNCHECK", "RADIOBUTTON_MOUSEDOWN_CHECK", "RADIOBUTTON_MOUSEDOWN_UNCHECK"},
         {{}, {13, 13}, {}, {}, {}}},
        {{"PROGRESSBAR"}, {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
        {{"PROGRESSBAR_V"}, {{13, 13}, {10, 6}, {10, 1}, {10, 1}, {10, 1}}},
        {{"TITLE_LEFT"}, {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
        {{"TITLE_CLIENT"}, {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
        {{"TITLE_RIGHT"}, {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
        {states({"TITLEBTN_CLOSE_", "TITLEBTN_MAX_", "TITLEBTN_MIN_", "TITLEBTN_HELP_", "TITLEBTN_CTLBOX_"}),
         {{17, 17}, {21, 21}, {19, 19}, {19, 19}, {19, 19}}},
        {states({"TITLEBTN_RST_"}), {{}, {21, 21}, {}, {}, {}}},
        {{"TAB_ACTIVE", "TAB_INACTIVE"}, {{18, 27}, {9, 18}, {6, 17}, {9, 17}, {9, 17}}},
        {{"TAB_LINE"}, {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
        {{"TRACKBAR_BAR"}, {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
        {{"TRACKBAR_SLIDER"}, {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
        {{"TRACKBAR_SLIDER_V"}, {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
        {states({"SCROLLBAR_TOPBUTTON_", "SCROLLBAR_BTMBUTTON_"}), {{16, 22}, {16, 17}, {16, 16}, {16, 16}, {17, 16}}},
        {{"SCROLLBAR_TRACK"}, {{16, 33}, {16, 21}, {16, 21}, {16, 21}, {16, 21}}},
        {{"COMBOBOX_BUTTON"}, {{16, 17}, {}, {}, {}, {}}},
        {{"MENU_BAR"}, {{1, 22}, {}, {}, {}, {}}},
        {{"MENU_SELECT"}, {{1, 21}, {}, {}, {}, {}}},
        {{"FORM_BACKGROUND"}, {{8, 8}, {}, {}, {8, 8}, {}}},
    };
    return rows;
}

// How the drawing control treats the picture's pixels.
enum class Key {
    None,          // drawn opaque or through SpitDraw's always-keyed edges: no magenta anywhere
    Magenta,       // keyed on magenta (or on a corner pixel that is magenta)
    TabTop,        // keyed on its top-left pixel, magenta; the tab's foot runs into the line below
    ButtonCorner,  // the MacOS push button: near-white corners, explicitly not a key
    WhiteMask,     // the menu check mark, masked on white
};

Key styleKey(int style, const QString& suffix)
{
    if (suffix.startsWith("RADIOBUTTON_"))
        return Key::Magenta;
    if (suffix == "TAB_ACTIVE" || suffix == "TAB_INACTIVE")
        return Key::TabTop;
    if (suffix.startsWith("BUTTON_"))
        return kStyles[style] == TsuiUIStyle::MacOS       ? Key::ButtonCorner
               : kStyles[style] == TsuiUIStyle::BlueGlass ? Key::Magenta
                                                          : Key::None;
    // Title buttons of the styles whose theme marks them transparent.
    if (suffix.startsWith("TITLEBTN_"))
        return GetThemeBool(kStyles[style], 66) ? Key::Magenta : Key::None;
    return Key::None;
}

struct Expected {
    QString name;
    QSize size;
    Key key;
};

QList<Expected> inventory()
{
    QList<Expected> all;
    for (int s = 0; s < 5; ++s)
        for (const SizeRow& row : styleRows())
            if (row.size[s].isValid())
                for (const QString& suffix : row.suffixes)
                    all.push_back({kPrefixes[s] + suffix, row.size[s], styleKey(s, suffix)});
    all.push_back({"MENU_CHECKED", {16, 16}, Key::WhiteMask});
    all.push_back({"FONTCOMBO_TRUETYPE_FNT", {20, 12}, Key::Magenta});
    all.push_back({"FONTCOMBO_DEVICE_FNT", {20, 12}, Key::Magenta});
    all.push_back({"SIDECHANNEL_BAR_NORMAL", {8, 172}, Key::None});
    all.push_back({"SIDECHANNEL_BAR_MOUSEON", {8, 172}, Key::None});
    all.push_back({"SIDECHANNEL_BTN_ONTOP", {8, 7}, Key::Magenta});
    all.push_back({"SIDECHANNEL_BTN_NOONTOP", {7, 9}, Key::Magenta});
    return all;
}

QImage load(const QString& name) { return QImage(":/pictures/" + name).convertToFormat(QImage::Format_RGB32); }

QList<QRgb> corners(const QImage& img)
{
    const int r = img.width() - 1, b = img.height() - 1;
    return {img.pixel(0, 0), img.pixel(r, 0), img.pixel(0, b), img.pixel(r, b)};
}

int countOf(const QImage& img, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) == colour;
    return n;
}

// Antialiasing against the key leaves pinkish pixels that the key test misses
// and that show as a fringe around the shape.
int nearMagenta(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            n += c != kMagenta && qRed(c) > 200 && qGreen(c) < 64 && qBlue(c) > 200;
        }
    return n;
}

bool columnsEqual(const QImage& img, int x0, int x1)
{
    for (int x = x0 + 1; x < x1; ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != img.pixel(x0, y))
                return false;
    return true;
}

} // namespace

TEST(SkinPictures, InventoryExistsAtDocumentedSizesWithTheirKeyColours)
{
    const QList<Expected> all = inventory();
    int perStyle[5] = {};
    for (const Expected& e : all)
        for (int s = 0; s < 5; ++s)
            perStyle[s] += e.name.startsWith(kPrefixes[s]);
    EXPECT_EQ(perStyle[0], 48);
    EXPECT_EQ(perStyle[1], 55);
    EXPECT_EQ(perStyle[2], 44);
    EXPECT_EQ(perStyle[3], 45);
    EXPECT_EQ(perStyle[4], 44);

    for (const Expected& e : all) {
        SCOPED_TRACE(e.name.toStdString());
        const QImage img = load(e.name);
        ASSERT_FALSE(img.isNull());
        ASSERT_EQ(img.size(), e.size);
        const QList<QRgb> c = corners(img);
        switch (e.key) {
        case Key::None:
            EXPECT_EQ(countOf(img, kMagenta), 0);
            break;
        case Key::Magenta:
            EXPECT_EQ(c, QList<QRgb>(4, kMagenta));
            EXPECT_EQ(nearMagenta(img), 0);
            EXPECT_LT(countOf(img, kMagenta), img.width() * img.height()) << "nothing but key";
            break;
        case Key::TabTop:
            EXPECT_EQ(c.mid(0, 2), QList<QRgb>(2, kMagenta));
            EXPECT_EQ(nearMagenta(img), 0);
            break;
        case Key::ButtonCorner:
            EXPECT_EQ(c, QList<QRgb>(4, kButtonCorner));
            EXPECT_EQ(countOf(img, kMagenta), 0);
            break;
        case Key::WhiteMask:
            EXPECT_EQ(c, QList<QRgb>(4, kWhite));
            EXPECT_LT(countOf(img, kWhite), img.width() * img.height());
            break;
        }
    }

    EXPECT_FALSE(load("MAINICON").isNull()); // the title bar's application icon

    // Every picture name a theme table holds is one of them.
    QSet<QString> missing;
    for (TsuiUIStyle style : kStyles)
        for (int index = 1; index <= 91; ++index) {
            TsuiType kind;
            GetThemeElement(style, index, kind);
            if (kind != TsuiType::Str)
                continue;
            const QString name = GetThemeString(style, index);
            if (name.isEmpty() || load(name).isNull())
                missing.insert(QStringLiteral("%1 (element %2)").arg(name).arg(index));
        }
    EXPECT_TRUE(missing.isEmpty()) << QStringList(missing.values()).join(", ").toStdString();
}

// Pieces that are stretched must look the same at every length: the middle
// frame of three-frame pictures along x, the thumb's middle third along y, the
// stretched caption client along x.
TEST(SkinPictures, StretchedPiecesAreUniformAlongTheirStretch)
{
    for (const char* prefix : kPrefixes) {
        for (const char* suffix : {"TAB_ACTIVE", "TAB_INACTIVE", "TRACKBAR_BAR"}) {
            const QImage img = load(QString(prefix) + suffix);
            const int frame = img.width() / 3;
            EXPECT_TRUE(columnsEqual(img, frame, 2 * frame)) << prefix << suffix;
        }
        const QImage client = load(QString(prefix) + "TITLE_CLIENT");
        EXPECT_TRUE(columnsEqual(client, 0, client.width())) << prefix << "TITLE_CLIENT";
        const QImage thumb = load(QString(prefix) + "SCROLLBAR_TRACK").transformed(QTransform().rotate(90));
        const int third = thumb.width() / 3;
        EXPECT_TRUE(columnsEqual(thumb, third, 2 * third)) << prefix << "SCROLLBAR_TRACK";
    }
}
