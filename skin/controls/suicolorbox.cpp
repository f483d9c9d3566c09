#include "skin/controls/suicolorbox.h"

#include "toolkit/dialogs.h"
#include "toolkit/layoutcolors.h"

#include <QKeyEvent>

using namespace toolkit;
using namespace Suicolorbox;

namespace {

// The first item of a box with a custom colour, in the user's language.
QString CustomItemName()
{
    return TsuiCustomColorBox::tr("Custom...");
}

// The names a box with cbPrettyNames lists (ColorBoxItemName of the table's
// names), for lupdate; the list shows them in the user's language.
[[maybe_unused]] constexpr const char* PrettyColorNames[] = {
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Black"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Maroon"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Green"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Olive"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Navy"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Purple"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Teal"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Gray"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Silver"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Red"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Lime"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Yellow"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Blue"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Fuchsia"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Aqua"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "White"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Scroll Bar"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Background"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Active Caption"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Inactive Caption"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Menu"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Window"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Window Frame"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Menu Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Window Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Caption Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Active Border"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Inactive Border"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "App Work Space"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Highlight"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Highlight Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Btn Face"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Btn Shadow"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Gray Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Btn Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Inactive Caption Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Btn Highlight"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "3 D Dk Shadow"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "3 D Light"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Info Text"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Info Bk"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "None"),
    QT_TRANSLATE_NOOP("TsuiCustomColorBox", "Default"),
};

// Table indexes: 0-15 standard, 16-19 extended, 20 onwards system colours.
constexpr int FirstExtended = 16;
constexpr int FirstSystem = 20;

void DeleteRange(TStringList& items, int first, int last)
{
    for (int i = std::min(last, items.Count() - 1); i >= first; --i)
        items.Delete(i);
}

void DeleteValue(TStringList& items, TColor value)
{
    const int index = items.IndexOfObject(value);
    if (index >= 0) items.Delete(index);
}

} // namespace

QString ColorBoxItemName(const QString& colorName, bool pretty)
{
    if (!pretty) return colorName;
    const QStringView rest = colorName.startsWith(QLatin1String("cl")) ? QStringView(colorName).mid(2)
                                                                       : QStringView(colorName);
    QString name;
    for (QChar c : rest) {
        if (c >= u'A' && c <= u'Z' && !name.isEmpty()) name += u' ';
        name += c;
    }
    return name;
}

TsuiCustomColorBox::TsuiCustomColorBox(QObject* owner, QWidget* parent) : TsuiCustomComboBox(owner, parent)
{
    TCustomComboBox::SetStyle(csOwnerDrawFixed);
    needsList_ = true; // the first list selects the remembered colour
    PopulateList();
    announced_ = Selected();
    connect(this, &QComboBox::currentIndexChanged, this, &TsuiCustomColorBox::AnnounceSelected);
}

void TsuiCustomColorBox::AnnounceSelected()
{
    if (Selected() == announced_) return;
    announced_ = Selected();
    emit SelectedChanged();
}

bool TsuiCustomColorBox::HasCustomItem() const
{
    return Items()->Count() > 0 && Items()->Strings(0) == CustomItemName() && (style_ & cbCustomColor);
}

// Rebuilt from the table, keeping the custom colour and the selection.
// While a layout loads, the list waits for its end.
void TsuiCustomColorBox::PopulateList()
{
    if (IsLoading()) {
        needsList_ = true;
        return;
    }
    TStringList& items = *Items();
    items.BeginUpdate();
    const TColor custom = HasCustomItem() ? GetColor(0) : clBlack;
    const TColor remembered = Selected();
    // Selected stays the remembered colour while the list is rebuilt.
    selected_ = remembered;
    needsList_ = true;
    items.Clear();
    for (const TNamedColor& entry : NamedColors())
        ColorCallBack(entry.Name.toString());
    if (!(style_ & cbIncludeNone)) DeleteValue(items, clNone);
    if (!(style_ & cbIncludeDefault)) DeleteValue(items, clDefault);
    // Fixed places in the table: without system colours clNone goes too.
    if (!(style_ & cbSystemColors)) DeleteRange(items, FirstSystem, items.Count() - 1);
    if (!(style_ & cbExtendedColors)) DeleteRange(items, FirstExtended, FirstSystem - 1);
    if (!(style_ & cbStandardColors)) DeleteRange(items, 0, FirstExtended - 1);
    if (style_ & cbCustomColor) items.InsertObject(0, CustomItemName(), custom);
    needsList_ = false;
    SetSelected(remembered);
    items.EndUpdate();
}

void TsuiCustomColorBox::ColorCallBack(const QString& name)
{
    const TColor color = ColorFromName(name).value_or(clBlack);
    // A pretty name is for people, in their language; a plain one is the
    // colour's identifier.
    const bool pretty = style_.testFlag(cbPrettyNames);
    const QString shown = ColorBoxItemName(name, pretty);
    Items()->AddObject(pretty ? tr(shown.toUtf8().constData()) : shown, color);
}

void TsuiCustomColorBox::Loaded()
{
    TsuiCustomComboBox::Loaded();
    if (needsList_) PopulateList();
}

void TsuiCustomColorBox::SetStyle(TColorBoxStyle style)
{
    if (style_ == style) return;
    style_ = style;
    setEnabled((style & (cbStandardColors | cbExtendedColors | cbSystemColors | cbCustomColor)).toInt() != 0);
    PopulateList();
    if (Items()->Count() > 0 && ItemIndex() < 0) SetItemIndex(0);
}

TColor TsuiCustomColorBox::Selected() const
{
    if (needsList_) return selected_;
    return ItemIndex() >= 0 ? GetColor(ItemIndex()) : NoColorSelected;
}

void TsuiCustomColorBox::SetSelected(TColor color)
{
    selected_ = color;
    if (!needsList_) {
        const int found = Items()->IndexOfObject(color);
        if (found < 0 && (style_ & cbCustomColor) && color != NoColorSelected) {
            Items()->SetObjects(0, color);
            SetItemIndex(0);
        } else {
            SetItemIndex(found);
        }
    }
    AnnounceSelected();
}

// A swatch one pixel inside the item's left square, framed so that it stands
// out: black around light colours, white around dark ones when selected.
void TsuiCustomColorBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)
{
    canvas.FillRect(rect);
    if (index < 0 || index >= Items()->Count()) return;
    const TColor background = canvas.Brush.Color;
    const TRect swatch = Rect(rect.Left + 1, rect.Top + 1, rect.Left + rect.Height() - 1, rect.Bottom - 1);
    TColor fill = GetColor(index);
    if (fill == clDefault) fill = defaultColorColor_;
    if (fill == clNone) fill = noneColorColor_;
    const QColor rgb = ColorToQColor(fill);
    const bool light = rgb.red() > 192 || rgb.green() > 192 || rgb.blue() > 192;
    canvas.Pen.Color = light ? clBlack : (state & odSelected) ? clWhite : fill;
    canvas.Brush.Color = fill;
    canvas.Rectangle(swatch);
    canvas.Brush.Color = background;
    const QString name = GetColorName(index);
    const int left = swatch.Right + 5;
    canvas.TextRect(Rect(left, rect.Top, rect.Right, rect.Bottom), left,
                    rect.Top + (rect.Height() - canvas.TextHeight(name)) / 2, name);
}

void TsuiCustomColorBox::CloseUp()
{
    listSelected_ = true;
    TsuiCustomComboBox::CloseUp();
}

// A pick of "Custom..." from the list asks for the colour first; cancelling
// the dialog raises no change.
void TsuiCustomColorBox::Change()
{
    if (listSelected_) {
        listSelected_ = false;
        if ((style_ & cbCustomColor) && ItemIndex() == 0 && !PickCustomColor()) return;
    }
    TsuiCustomComboBox::Change();
}

void TsuiCustomColorBox::keyPressEvent(QKeyEvent* event)
{
    listSelected_ = false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (style_ & cbCustomColor) && ItemIndex() == 0) {
        PickCustomColor();
        event->accept();
        return;
    }
    TsuiCustomComboBox::keyPressEvent(event);
}

bool TsuiCustomColorBox::PickCustomColor()
{
    if (!HasCustomItem()) return false;
    TColorDialog dialog;
    dialog.Color = ColorToRGB(GetColor(0));
    dialog.CustomColors = {QStringLiteral("ColorA=%1").arg(dialog.Color, 8, 16, QLatin1Char('0'))};
    if (!dialog.Execute(this)) return false;
    Items()->SetObjects(0, dialog.Color);
    Invalidate();
    AnnounceSelected();
    return true;
}
