// Skin packs: the built-in packs answer exactly what the compiled-in tables
// answered, and a bad pack is refused whole with every problem named by file
// and key.
#include "skin/themes/suiskins.h"
#include "toolkit/resources.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The theme tables as they were compiled in before the styles became packs.
// One element of one style: a number (integer, toolkit colour, 0/1 flag) or
// a picture name.
struct ThemeValue {
    std::int32_t number = 0;
    const char* name = nullptr;
};

constexpr int StyleCount = 5;

// One numbered element across the five styles. Keeping the kind in the row
// makes it shared by every style by construction.
struct ThemeRow {
    TsuiType kind;
    std::array<ThemeValue, StyleCount> styles;
};

constexpr ThemeRow Ints(int mac, int xp, int deep, int protein, int glass)
{
    return {TsuiType::Int, {{{mac}, {xp}, {deep}, {protein}, {glass}}}};
}

constexpr ThemeRow Bools(bool mac, bool xp, bool deep, bool protein, bool glass)
{
    return {TsuiType::Bool, {{{mac}, {xp}, {deep}, {protein}, {glass}}}};
}

// The tables below are written as RGB hex, the way colours are usually read.
constexpr std::int32_t FromRgb(std::uint32_t rgb)
{
    return std::int32_t(toolkit::RGBColor(int(rgb >> 16), int(rgb >> 8), int(rgb)));
}

constexpr ThemeRow Colors(std::uint32_t mac, std::uint32_t xp, std::uint32_t deep, std::uint32_t protein,
                          std::uint32_t glass)
{
    return {TsuiType::Color,
            {{{FromRgb(mac)}, {FromRgb(xp)}, {FromRgb(deep)}, {FromRgb(protein)}, {FromRgb(glass)}}}};
}

constexpr ThemeRow Names(const char* mac, const char* xp, const char* deep, const char* protein,
                         const char* glass)
{
    return {TsuiType::Str, {{{0, mac}, {0, xp}, {0, deep}, {0, protein}, {0, glass}}}};
}

// Picture names are the style's prefix and a suffix; WinXP has its own
// pictures for a few states.
#define PICTURE(suffix) PICTURE_XP(suffix, suffix)
#define PICTURE_XP(suffix, xpSuffix)                                                                         \
    Names("MACOS_" suffix, "WINXP_" xpSuffix, "DEEPBLUE_" suffix, "PROTEIN_" suffix, "BLUEGLASS_" suffix)

constexpr ThemeRow Themes[ThemeElementCount] = {
    Ints(1, 2, 3, 4, 5),                                                  // 1 teStyleNumber
    Colors(0x7F7F7F, 0x002CC8, 0x000000, 0x000000, 0x000000),             // 2 teFormBorderColor
    Colors(0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),             // 3 teFormColor
    Ints(1, 3, 1, 1, 1),                                                  // 4 teFormBorderWidth
    Ints(21, 27, 30, 21, 31),                                             // 5
    Ints(130, 150, 130, 130, 270),                                        // 6 teFormMinWidth
    Ints(0, 13, 0, 0, 11),                                                // 7 teFormRoundCorner
    Colors(0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),             // 8 teControlBorderColor
    Colors(0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),             // 9 teControlColor
    Colors(0x000000, 0x0246CF, 0x000000, 0x000000, 0x000000),             // 10 teControlFontColor
    Colors(0x3973C4, 0x3169C6, 0x444AA0, 0x2D30C4, 0x5E5EEC),             // 11 teMenuSelectedBorderColor
    Colors(0x3973C4, 0xC6D3EF, 0x444AA0, 0x2D30C4, 0x5E5EEC),             // 12 teMenuSelectedColor
    Colors(0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),             // 13 teMenuSelectedFontColor
    Colors(0x000000, 0x000000, 0x000000, 0x000000, 0x000000),             // 14
    Colors(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),             // 15 teMenuColor
    Colors(0x000000, 0x000000, 0x000000, 0x000000, 0x000000),             // 16 teMenuFontColor
    Colors(0x000000, 0xD6D3CE, 0xD6D3CE, 0xD6D3CE, 0xD6D3CE),             // 17 teMenuBarColor
    Colors(0x000000, 0x848284, 0x848284, 0x848284, 0x848284),             // 18 teMenuSeparatorColor
    Colors(0x000000, 0xADA69C, 0xADA69C, 0xADA69C, 0xADA69C),             // 19
    Ints(20, 21, 21, 21, 21),                                             // 20 teMenuItemHeight
    Ints(12, 5, 5, 5, 5),                                                 // 21 teMenuSeparatorHeight
    Ints(26, 26, 26, 26, 26),                                             // 22 teMenuBarWidth
    Names("MENU_CHECKED", "MENU_CHECKED", "MENU_CHECKED", "MENU_CHECKED", // 23 teMenuCheckedPicture
          "MENU_CHECKED"),
    PICTURE("BUTTON_NORMAL"),                                           // 24
    PICTURE("BUTTON_MOUSEON"),                                          // 25
    PICTURE("BUTTON_MOUSEDOWN"),                                        // 26
    PICTURE("CHECKBOX_DISABLE_CHECK"),                                  // 27
    PICTURE("CHECKBOX_DISABLE_UNCHECK"),                                // 28
    PICTURE_XP("CHECKBOX_CHECK", "CHECKBOX_NORMAL_CHECK"),              // 29
    PICTURE_XP("CHECKBOX_UNCHECK", "CHECKBOX_NORMAL_UNCHECK"),          // 30
    PICTURE_XP("CHECKBOX_CHECK", "CHECKBOX_MOUSEON_CHECK"),             // 31
    PICTURE_XP("CHECKBOX_UNCHECK", "CHECKBOX_MOUSEON_UNCHECK"),         // 32
    PICTURE_XP("CHECKBOX_CHECK", "CHECKBOX_MOUSEDOWN_CHECK"),           // 33
    PICTURE_XP("CHECKBOX_UNCHECK", "CHECKBOX_MOUSEDOWN_UNCHECK"),       // 34
    PICTURE("RADIOBUTTON_DISABLE_CHECK"),                               // 35
    PICTURE("RADIOBUTTON_DISABLE_UNCHECK"),                             // 36
    PICTURE_XP("RADIOBUTTON_CHECK", "RADIOBUTTON_NORMAL_CHECK"),        // 37
    PICTURE_XP("RADIOBUTTON_UNCHECK", "RADIOBUTTON_NORMAL_UNCHECK"),    // 38
    PICTURE_XP("RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEON_CHECK"),       // 39
    PICTURE_XP("RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEON_UNCHECK"),   // 40
    PICTURE_XP("RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEDOWN_CHECK"),     // 41
    PICTURE_XP("RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEDOWN_UNCHECK"), // 42
    PICTURE("PROGRESSBAR"),                                             // 43
    PICTURE("PROGRESSBAR_V"),                                           // 44
    PICTURE("TITLE_LEFT"),                                              // 45
    PICTURE("TITLE_CLIENT"),                                            // 46
    PICTURE("TITLE_RIGHT"),                                             // 47
    PICTURE("TITLEBTN_CLOSE_NORMAL"),                                   // 48
    PICTURE("TITLEBTN_CLOSE_MOUSEON"),                                  // 49
    PICTURE("TITLEBTN_CLOSE_MOUSEDOWN"),                                // 50
    PICTURE("TITLEBTN_MAX_NORMAL"),                                     // 51
    PICTURE("TITLEBTN_MAX_MOUSEON"),                                    // 52
    PICTURE("TITLEBTN_MAX_MOUSEDOWN"),                                  // 53
    PICTURE("TITLEBTN_MIN_NORMAL"),                                     // 54
    PICTURE("TITLEBTN_MIN_MOUSEON"),                                    // 55
    PICTURE("TITLEBTN_MIN_MOUSEDOWN"),                                  // 56
    PICTURE("TITLEBTN_HELP_NORMAL"),                                    // 57
    PICTURE("TITLEBTN_HELP_MOUSEON"),                                   // 58
    PICTURE("TITLEBTN_HELP_MOUSEDOWN"),                                 // 59
    PICTURE("TITLEBTN_CTLBOX_NORMAL"),                                  // 60
    PICTURE("TITLEBTN_CTLBOX_MOUSEON"),                                 // 61
    PICTURE("TITLEBTN_CTLBOX_MOUSEDOWN"),                               // 62
    PICTURE_XP("TITLEBTN_MAX_NORMAL", "TITLEBTN_RST_NORMAL"),           // 63 restore
    PICTURE_XP("TITLEBTN_MAX_MOUSEON", "TITLEBTN_RST_MOUSEON"),         // 64
    PICTURE_XP("TITLEBTN_MAX_MOUSEDOWN", "TITLEBTN_RST_MOUSEDOWN"),     // 65
    Bools(false, false, false, true, true),                             // 66 teTitleButtonTransparent
    Ints(3, 2, 0, 0, 4),                                                // 67 teTitleLeftBtnXOffset
    Ints(-2, -2, 0, 0, -3),                                             // 68 teTitleRightBtnXOffset
    Ints(4, 5, 2, 2, 6),                                                // 69 teTitleButtonTop
    PICTURE("TAB_ACTIVE"),                                              // 70
    PICTURE("TAB_INACTIVE"),                                            // 71
    PICTURE("TAB_LINE"),                                                // 72
    Ints(34, 19, 22, 22, 22),                                           // 73 teTabBarHeight
    Colors(0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xD5D6E9),           // 74 teComboButtonColor
    PICTURE("TRACKBAR_BAR"),                                            // 75
    PICTURE("TRACKBAR_SLIDER"),                                         // 76
    PICTURE("TRACKBAR_BAR"),                                            // 77 vertical: same picture
    PICTURE("TRACKBAR_SLIDER_V"),                                       // 78
    Colors(0xEEEEEE, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),           // 79 teTrackBarColor
    Colors(0x474747, 0x3169C6, 0x474747, 0x474747, 0x474747),           // 80 teToolButtonBorderColor
    Colors(0xEFEFEF, 0xC6D3EF, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),           // 81 teToolButtonColor
    Colors(0xD8D8D8, 0x93ACE1, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),           // 82 teToolButtonDownColor
    Colors(0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),           // 83 teToolBarColor
    Colors(0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),           // 84 teScrollBarColor
    PICTURE("SCROLLBAR_TOPBUTTON_NORMAL"),                              // 85
    PICTURE("SCROLLBAR_TOPBUTTON_MOUSEON"),                             // 86
    PICTURE("SCROLLBAR_TOPBUTTON_MOUSEDOWN"),                           // 87
    PICTURE("SCROLLBAR_BTMBUTTON_NORMAL"),                              // 88
    PICTURE("SCROLLBAR_BTMBUTTON_MOUSEON"),                             // 89
    PICTURE("SCROLLBAR_BTMBUTTON_MOUSEDOWN"),                           // 90
    PICTURE("SCROLLBAR_TRACK"),                                         // 91
};

#undef PICTURE_XP
#undef PICTURE

QImage CompiledInPicture(const QString& name)
{
    QImageReader reader(QStringLiteral(":/pictures/") + name, "png");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// A copy of a built-in pack on disk, to be spoilt by a case.
struct PackCopy {
    QTemporaryDir root;
    QString folder = root.filePath(QStringLiteral("pack"));

    explicit PackCopy(const QString& name = QStringLiteral("graphite"))
    {
        QList<TsuiSkinProblem> problems;
        std::optional<TsuiSkinPack> pack = ReadSkinPack(BuiltInSkinFolder(TsuiUIStyle::WinXP), problems);
        pack->Name = name;
        QString error;
        EXPECT_TRUE(WriteSkinPack(*pack, folder, error)) << error.toStdString();
    }

    QString Path(const QString& file) const { return QDir(folder).filePath(file); }

    QByteArray Ini() const
    {
        QFile file(Path(QStringLiteral("skin.ini")));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    void Write(const QString& file, const QByteArray& bytes) const
    {
        QFile out(Path(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }

    void ReplaceInIni(const char* from, const char* to) const
    {
        QByteArray ini = Ini();
        ASSERT_TRUE(ini.contains(from)) << from;
        Write(QStringLiteral("skin.ini"), ini.replace(from, to));
    }

    // The problems of loading it; its style must stay unregistered.
    QStringList Problems() const
    {
        QList<TsuiSkinProblem> problems;
        EXPECT_EQ(LoadSkinPack(folder, problems), TsuiUIStyle::Custom);
        QStringList lines;
        for (const TsuiSkinProblem& problem : problems) lines << problem.ToString();
        return lines;
    }
};

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims the size while its data stops short.
QByteArray PngClaiming(int width, int height, bool truncate)
{
    QImage image(std::min(width, 64), std::min(height, 64), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto put = [&bytes](int at, quint32 value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (24 - 8 * i));
    };
    put(16, quint32(width)); // IHDR: width, then height, then the chunk's CRC
    put(20, quint32(height));
    put(29, Crc32(bytes.mid(12, 17)));
    return truncate ? bytes.left(bytes.size() - 30) : bytes;
}

} // namespace

TEST(SkinPacks, BuiltInPacksAnswerTheFormerTablesValueForValueAndPictureForPicture)
{
    for (int style = 1; style <= StyleCount; ++style) {
        const auto uiStyle = TsuiUIStyle(style);
        const TsuiSkinPack* pack = SkinPackOf(uiStyle);
        ASSERT_TRUE(pack) << style;
        for (int index = 1; index <= ThemeElementCount; ++index) {
            const ThemeRow& row = Themes[index - 1];
            const ThemeValue& was = row.styles[std::size_t(style - 1)];
            TsuiType kind;
            EXPECT_EQ(GetThemeElement(uiStyle, index, kind), was.number) << style << " " << index;
            EXPECT_EQ(kind, row.kind) << style << " " << index;
            if (row.kind != TsuiType::Str) continue;
            const QString name = QString::fromLatin1(was.name);
            EXPECT_EQ(GetThemeString(uiStyle, index), name) << style << " " << index;
            const QImage before = CompiledInPicture(QString::fromLatin1(was.name));
            ASSERT_FALSE(before.isNull()) << was.name;
            EXPECT_EQ(pack->Pictures.value(pack->Element(index).Role), before) << was.name;
            EXPECT_EQ(toolkit::LoadBitmapResource(name), before) << was.name;
        }
    }
}

TEST(SkinPacks, LoadedPackAnswersAsAStyleOfItsOwnAndKeepsItWhenReloaded)
{
    PackCopy copy(QStringLiteral("slate"));
    copy.ReplaceInIni("FormColor = #efebde", "FormColor = #102030");
    QList<TsuiSkinProblem> problems;
    const TsuiUIStyle style = LoadSkinPack(copy.folder, problems);
    ASSERT_TRUE(problems.isEmpty()) << problems.value(0).ToString().toStdString();
    EXPECT_GT(int(style), int(TsuiUIStyle::BlueGlass));
    EXPECT_EQ(SkinStyle(QStringLiteral("slate")), style);
    EXPECT_TRUE(SkinNames().contains(QStringLiteral("slate")));
    EXPECT_EQ(GetThemeColor(style, teFormColor), toolkit::RGBColor(0x10, 0x20, 0x30));
    EXPECT_EQ(GetThemeString(style, teButtonNormal), QStringLiteral("SLATE_BUTTON_NORMAL"));
    EXPECT_EQ(toolkit::LoadBitmapResource(QStringLiteral("SLATE_BUTTON_NORMAL")),
              CompiledInPicture(QStringLiteral("WINXP_BUTTON_NORMAL")));

    copy.ReplaceInIni("FormColor = #102030", "FormColor = #405060");
    EXPECT_EQ(LoadSkinPack(copy.folder, problems), style);
    EXPECT_EQ(GetThemeColor(style, teFormColor), toolkit::RGBColor(0x40, 0x50, 0x60));

    // A failed reload leaves the pack that was loaded.
    copy.ReplaceInIni("FormColor = #405060", "FormColor = #4050");
    EXPECT_FALSE(copy.Problems().isEmpty());
    EXPECT_EQ(GetThemeColor(style, teFormColor), toolkit::RGBColor(0x40, 0x50, 0x60));
}

TEST(SkinPacks, BadIniIsRefusedWithEveryProblemNamedByFileLineAndKey)
{
    PackCopy copy;
    const QString ini = copy.Path(QStringLiteral("skin.ini"));
    copy.ReplaceInIni("FormColor = #efebde", "FormColour = #efebde");   // misspelt: unknown and missing
    copy.ReplaceInIni("ControlColor = #efebde", "ControlColor = efebde"); // bad colour
    copy.ReplaceInIni("FormBorderWidth = 3", "FormBorderWidth = 3px");
    copy.ReplaceInIni("TitleButtonTransparent = false", "TitleButtonTransparent = 0");
    copy.ReplaceInIni("TabLine = TAB_LINE", "TabLine = TAB_LINE\nTabLine = TAB_LINE\nno equals sign");
    copy.ReplaceInIni("ButtonNormal = BUTTON_NORMAL", "ButtonNormal = BUTTON_FANCY");
    const QStringList problems = copy.Problems();
    auto has = [&problems](const QString& line) {
        return problems.contains(line) || !problems.filter(line).isEmpty();
    };
    EXPECT_TRUE(has(ini + ":7: FormColour: unknown key")) << problems.join('\n').toStdString();
    EXPECT_TRUE(has(ini + ": FormColor: missing"));
    EXPECT_TRUE(has(ini + ":13: ControlColor: 'efebde' is not a colour #rrggbb"));
    EXPECT_TRUE(has(ini + ":8: FormBorderWidth: '3px' is not an integer"));
    EXPECT_TRUE(has(ini + ":70: TitleButtonTransparent: '0' is not true or false"));
    EXPECT_TRUE(has(ini + ":77: TabLine: given twice (first on line 76)"));
    EXPECT_TRUE(has(ini + ":78: expected key = value"));
    EXPECT_TRUE(has(ini + ":28: ButtonNormal: 'BUTTON_FANCY' is not a picture role"));
    EXPECT_EQ(problems.size(), 8);

    PackCopy clash(QStringLiteral("winxp"));
    EXPECT_EQ(clash.Problems(), QStringList{clash.Path("skin.ini") + ": Name: 'winxp' is a built-in style's name"});
    PackCopy badName(QStringLiteral("Graphite Pro"));
    EXPECT_TRUE(badName.Problems().value(0).startsWith(badName.Path("skin.ini") + ":2: Name: 'Graphite Pro'"));
}

TEST(SkinPacks, BadPicturesAndFoldersAreRefusedWithoutCrashingOrHanging)
{
    struct Case {
        const char* what;
        QByteArray bytes; // empty: the file is removed
        const char* message;
    };
    const Case cases[] = {
        {"missing", {}, "missing"},
        {"corrupt", QByteArray("\x89PNG\r\n\x1a\nthis is no picture", 26), "not a PNG picture"},
        {"truncated", PngClaiming(18, 21, true), "cannot be decoded"},
        {"claims more than it holds", PngClaiming(4000, 4000, false), "cannot be decoded"},
        {"too large", PngClaiming(4097, 21, false), "4097x21 pixels: more than 4096 a side"},
    };
    for (const Case& c : cases) {
        PackCopy copy;
        const QString picture = copy.Path(QStringLiteral("BUTTON_MOUSEON.png"));
        if (c.bytes.isEmpty())
            QFile::remove(picture);
        else
            copy.Write(QStringLiteral("BUTTON_MOUSEON.png"), c.bytes);
        const QStringList problems = copy.Problems();
        ASSERT_EQ(problems.size(), 1) << c.what << ": " << problems.join('\n').toStdString();
        EXPECT_TRUE(problems[0].startsWith(picture + ": ButtonMouseOn: " + c.message))
            << c.what << ": " << problems[0].toStdString();
    }

    // Pictures whose headers together claim more than a pack may hold are
    // refused before they are decoded.
    PackCopy greedy;
    for (const char* file : {"BUTTON_NORMAL.png", "BUTTON_MOUSEON.png", "BUTTON_MOUSEDOWN.png"})
        greedy.Write(QLatin1String(file), PngClaiming(4096, 4096, false));
    EXPECT_TRUE(greedy.Problems().contains(greedy.Path("BUTTON_NORMAL.png") +
                                           ": ButtonNormal: the pack's pictures hold more than 33554432 pixels"));

    QTemporaryDir root;
    QList<TsuiSkinProblem> problems;
    // A pack's name never leads out of the folders installed packs are in.
    EXPECT_EQ(FindSkin(QStringLiteral("../pack"), problems), TsuiUIStyle::Custom);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.takeFirst().ToString(), QStringLiteral("../pack: not a skin pack's name"));
    const QString file = root.filePath(QStringLiteral("skin.ini"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(LoadSkinPack(file, problems), TsuiUIStyle::Custom);
    EXPECT_EQ(LoadSkinPack(root.filePath("nowhere"), problems), TsuiUIStyle::Custom);
    EXPECT_EQ(LoadSkinPack(root.path(), problems), TsuiUIStyle::Custom); // skin.ini is empty
    ASSERT_GE(problems.size(), 3);
    EXPECT_EQ(problems[0].ToString(), file + ": not a folder: a pack is a folder holding skin.ini");
    EXPECT_EQ(problems[1].ToString(), root.filePath("nowhere") + ": no such folder");
    EXPECT_EQ(problems[2].ToString(), file + ": Name: missing");
}
