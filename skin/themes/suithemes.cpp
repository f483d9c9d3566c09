#include "skin/themes/suithemes.h"

#include "skin/themes/suipublic.h"

#include <QColor>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <array>

using toolkit::TColor;

namespace {

// One element of one style: a number (integer, toolkit colour, 0/1 flag) or
// a picture name.
struct ThemeValue {
    std::int32_t number = 0;
    const char* name = nullptr;
};

constexpr int StyleCount = 5; // MacOS, WinXP, DeepBlue, Protein, BlueGlass

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

// The table entry of a real style and a valid element, or none.
const ThemeRow* RowOf(TsuiUIStyle style, int index)
{
    const int column = int(style) - 1;
    if (column < 0 || column >= StyleCount || index < 1 || index > ThemeElementCount) return nullptr;
    return &Themes[index - 1];
}

const ThemeValue& ValueOf(const ThemeRow& row, TsuiUIStyle style)
{
    return row.styles[std::size_t(style) - 1];
}

// The element's value when it is of the wanted kind.
const ThemeValue* TypedValue(TsuiUIStyle style, int index, TsuiType wanted)
{
    const ThemeRow* row = RowOf(style, index);
    return row && row->kind == wanted ? &ValueOf(*row, style) : nullptr;
}

// The direct child controls, guarded: applying a style may rebuild children.
QList<QPointer<QWidget>> ChildControls(QWidget* container)
{
    QList<QPointer<QWidget>> controls;
    if (!container) return controls;
    for (QObject* child : container->children())
        if (child->isWidgetType()) controls.append(static_cast<QWidget*>(child));
    return controls;
}

const TsuiFrameInfo* FrameOf(const QObject* form)
{
    return qobject_cast<TsuiFrameInfo*>(FindSuiForm(form));
}

} // namespace

std::int32_t GetThemeElement(TsuiUIStyle style, int index, TsuiType& kind)
{
    const ThemeRow* row = RowOf(style, index);
    if (!row) {
        kind = TsuiType::Int;
        return -1;
    }
    kind = row->kind;
    return ValueOf(*row, style).number;
}

TColor GetThemeColor(TsuiUIStyle style, int index)
{
    const ThemeValue* value = TypedValue(style, index, TsuiType::Color);
    return value ? TColor(value->number) : 0;
}

int GetThemeInt(TsuiUIStyle style, int index)
{
    const ThemeValue* value = TypedValue(style, index, TsuiType::Int);
    return value ? value->number : -1;
}

bool GetThemeBool(TsuiUIStyle style, int index)
{
    const ThemeValue* value = TypedValue(style, index, TsuiType::Bool);
    return value && (value->number & 0xFF) != 0;
}

QString GetThemeString(TsuiUIStyle style, int index)
{
    const ThemeValue* value = TypedValue(style, index, TsuiType::Str);
    return value ? PCharToStr(value->name) : QString();
}

QObject* FindSuiForm(const QObject* form)
{
    if (!form) return nullptr;
    for (QObject* child : form->children())
        if (child->isWidgetType() && qobject_cast<TsuiFrameInfo*>(child)) return child;
    return nullptr;
}

TsuiUIStyle GetSUIFormStyle(const QObject* form)
{
    const TsuiFrameInfo* frame = FrameOf(form);
    return frame ? frame->FrameUIStyle() : TsuiUIStyle::DeepBlue;
}

TColor GetSUIFormColor(const QObject* form)
{
    const TsuiFrameInfo* frame = FrameOf(form);
    return frame ? frame->FrameColor() : toolkit::clBtnFace;
}

TColor GetBorderColor(const QObject* form)
{
    const TsuiFrameInfo* frame = FrameOf(form);
    return frame ? GetThemeColor(frame->FrameUIStyle(), teControlBorderColor) : 0;
}

void ContainerApplyUIStyle(QWidget* container, TsuiUIStyle style)
{
    for (const QPointer<QWidget>& control : ChildControls(container))
        if (auto* styled = qobject_cast<TsuiStyled*>(control.data())) styled->ApplyContainerStyle(style);
}

void SubContainerApplyUIStyle(QWidget* container, TsuiUIStyle style)
{
    for (const QPointer<QWidget>& control : ChildControls(container))
        if (auto* styled = qobject_cast<TsuiStyled*>(control.data())) styled->PassUIStyleOn(style);
}

// The skin pictures are a library of their own. Naming its initialiser here
// keeps it linked (a linker drops a library nothing refers to) and registered
// wherever the themes are; registering twice is harmless.
static const bool skinPicturesRegistered = [] {
    Q_INIT_RESOURCE(skin);
    return true;
}();
