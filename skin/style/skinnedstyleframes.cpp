// The skinned style's elements without pictures of their own: frames and
// fields with the flat border, combo and spin box buttons, group boxes,
// headers, tool buttons and bars, menus, the MDI title bar and the status
// bar, all in the theme's colours as the skinned controls draw them.
#include "skin/style/skinnedstyle.h"

#include "skin/themes/suifaces.h"
#include "toolkit/canvas.h"
#include "toolkit/resources.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <algorithm>

using namespace toolkit;

namespace {

// As the skinned combo box: an edge, then a button this wide.
constexpr int FieldEdge = 2;
constexpr int FieldButtonWidth = 16;
const QColor DisabledArrow(0x80, 0x80, 0x80);

QColor Theme(TsuiUIStyle style, int element)
{
    return ColorToQColor(GetThemeColor(style, element));
}

// A one-pixel frame inside r.
void Outline(QPainter* painter, const QRect& r, const QColor& color)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

// One pixel of `border` with one of `inner` inside it: the skinned controls'
// flat border.
void FlatBorder(QPainter* painter, const QRect& r, const QColor& border, const QColor& inner)
{
    Outline(painter, r, border);
    Outline(painter, r.adjusted(1, 1, -1, -1), inner);
}

// The combo box's arrow: a triangle seven pixels wide, pointing down (or up).
void Triangle(QPainter* painter, const QRect& button, bool up, const QColor& color, bool enabled)
{
    const int x = button.left() + button.width() / 2 - 4, y = button.top() + button.height() / 2 - 2;
    const auto draw = [&](int dx, int dy, const QColor& c) {
        for (int row = 0; row < 4; ++row) {
            const int line = up ? 3 - row : row;
            painter->fillRect(QRect(x + dx + row, y + dy + line, 7 - 2 * row, 1), c);
        }
    };
    if (!enabled) draw(1, 1, Qt::white);
    draw(0, 0, enabled ? color : DisabledArrow);
}

// A rectangle as the canvas draws one: outline in `pen`, filled with `fill`.
void Rectangle(QPainter* painter, const QRect& r, const QColor& pen, const QColor& fill)
{
    painter->fillRect(r.adjusted(1, 1, -1, -1), fill);
    Outline(painter, r, pen);
}

// MacOS draws its menus from pictures: their first rows stretched over the
// item, as its skinned menus do. False without the picture.
bool MenuRows(QPainter* painter, const QRect& r, const QString& name, int rows)
{
    QImage picture;
    try {
        picture = LoadBitmapResource(name);
    } catch (const EResNotFound&) {
        return false;
    }
    DrawFace(painter, r, picture.copy(0, 0, picture.width(), std::min(rows, picture.height())));
    return true;
}

const QString MacOSMenuBar = QStringLiteral("MACOS_MENU_BAR");
const QString MacOSMenuSelect = QStringLiteral("MACOS_MENU_SELECT");

} // namespace

bool SkinnedStyle::DrawFrame(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const
{
    if (style_ == TsuiUIStyle::Custom) return false;
    const QColor border = Theme(style_, teControlBorderColor);
    switch (element) {
    case PE_PanelLineEdit: {
        const auto* edit = qstyleoption_cast<const QStyleOptionFrame*>(option);
        painter->fillRect(option->rect, option->palette.base());
        if (edit && edit->lineWidth > 0) FlatBorder(painter, option->rect, border, option->palette.base().color());
        return true;
    }
    case PE_FrameLineEdit:
    case PE_Frame:
    case PE_FrameWindow:
        FlatBorder(painter, option->rect, border, option->palette.base().color());
        return true;
    case PE_FrameGroupBox:
        Outline(painter, option->rect, border);
        return true;
    case PE_PanelMenu:
    case PE_FrameMenu: {
        const bool macOS = style_ == TsuiUIStyle::MacOS;
        const QColor fill = macOS ? QColor(Qt::white) : Theme(style_, teMenuColor);
        if (!macOS || !MenuRows(painter, option->rect, MacOSMenuBar, 20)) painter->fillRect(option->rect, fill);
        FlatBorder(painter, option->rect, border, fill);
        return true;
    }
    case PE_PanelMenuBar:
        if (style_ != TsuiUIStyle::MacOS || !MenuRows(painter, option->rect, MacOSMenuBar, 22))
            painter->fillRect(option->rect, option->palette.window());
        return true;
    case PE_PanelToolBar:
        painter->fillRect(option->rect, Theme(style_, teToolBarColor));
        return true;
    case PE_PanelButtonTool: {
        // As the skinned tool bar: nothing at rest, a framed face when hot or down.
        const bool down = option->state & (State_Sunken | State_On);
        const bool hot = (option->state & State_MouseOver) && (option->state & State_Enabled);
        const bool raised = option->state & State_Raised && !(option->state & State_AutoRaise);
        if (!down && !hot && !raised) return true;
        Rectangle(painter, option->rect, Theme(style_, teToolButtonBorderColor),
                  Theme(style_, down ? teToolButtonDownColor : teToolButtonColor));
        return true;
    }
    case PE_PanelStatusBar:
        painter->fillRect(option->rect, option->palette.window());
        painter->fillRect(QRect(option->rect.topLeft(), QSize(option->rect.width(), 1)), border);
        return true;
    case PE_IndicatorMenuCheckMark: {
        const QImage check = FaceFor(style_, TsuiFace::MenuCheck);
        if (check.isNull()) return false;
        const QImage keyed = MaskedByKey(check, QColorToColor(QColor::fromRgb(check.pixel(0, 0))));
        DrawFace(painter, option->rect.center() - QPoint(check.width() / 2, check.height() / 2), keyed);
        return true;
    }
    default:
        return false;
    }
}

bool SkinnedStyle::DrawFramedControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    if (style_ == TsuiUIStyle::Custom) return false;
    const QColor border = Theme(style_, teControlBorderColor);
    switch (element) {
    case CE_ShapedFrame: {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!frame) return false;
        switch (frame->frameShape) {
        case QFrame::Box:
        case QFrame::Panel:
        case QFrame::WinPanel:
        case QFrame::StyledPanel:
            FlatBorder(painter, frame->rect, border, frame->palette.base().color());
            return true;
        case QFrame::HLine:
            painter->fillRect(QRect(frame->rect.left(), frame->rect.center().y(), frame->rect.width(), 1), border);
            return true;
        case QFrame::VLine:
            painter->fillRect(QRect(frame->rect.center().x(), frame->rect.top(), 1, frame->rect.height()), border);
            return true;
        default:
            return false;
        }
    }
    case CE_HeaderSection: {
        const bool down = option->state & State_Sunken;
        const bool hot = (option->state & State_MouseOver) && (option->state & State_Enabled);
        painter->fillRect(option->rect, down  ? Theme(style_, teToolButtonDownColor)
                                        : hot ? Theme(style_, teToolButtonColor)
                                              : Theme(style_, teControlColor));
        const QRect& r = option->rect;
        painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), border);
        painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), border);
        return true;
    }
    case CE_HeaderEmptyArea:
        painter->fillRect(option->rect, Theme(style_, teControlColor));
        painter->fillRect(QRect(option->rect.left(), option->rect.bottom(), option->rect.width(), 1), border);
        return true;
    case CE_ToolBar:
        painter->fillRect(option->rect, Theme(style_, teToolBarColor));
        return true;
    case CE_MenuBarEmptyArea:
        if (style_ != TsuiUIStyle::MacOS || !MenuRows(painter, option->rect, MacOSMenuBar, 22))
            painter->fillRect(option->rect, option->palette.window());
        return true;
    case CE_MenuBarItem:
    case CE_MenuItem:
        return DrawMenuItem(element, option, painter, widget);
    case CE_SizeGrip: {
        // Three diagonal rows of dots, as a size grip commonly shows.
        const QRect& r = option->rect;
        for (int row = 0; row < 3; ++row)
            for (int dot = 0; dot <= row; ++dot)
                painter->fillRect(QRect(r.right() - 3 - 4 * dot, r.bottom() - 3 - 4 * (row - dot), 2, 2), border);
        return true;
    }
    default:
        return false;
    }
}

// Items as the skinned menus draw them: the selected one filled and framed in
// the theme's selection colours, separators a line in their colour.
bool SkinnedStyle::DrawMenuItem(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) return false;
    const QRect& r = item->rect;
    const bool bar = element == CE_MenuBarItem;
    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected) && (!bar || (item->state & State_Sunken) ||
                                                                           (item->state & State_MouseOver));
    const bool macOS = style_ == TsuiUIStyle::MacOS;
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    if (!macOS || !MenuRows(painter, r, MacOSMenuBar, bar ? 22 : separator ? 12 : 20))
        painter->fillRect(r, bar ? item->palette.window().color() : Theme(style_, teMenuColor));
    if (separator) {
        if (!macOS)
            painter->fillRect(QRect(r.left() + 2, r.center().y(), r.width() - 4, 1),
                              Theme(style_, teMenuSeparatorColor));
        return true;
    }
    if (selected && !(macOS && MenuRows(painter, r, MacOSMenuSelect, bar ? 21 : 20)))
        Rectangle(painter, r, Theme(style_, teMenuSelectedBorderColor), Theme(style_, teMenuSelectedColor));
    const QColor text = !enabled ? DisabledArrow
                        : selected ? Theme(style_, teMenuSelectedFontColor)
                        : bar ? item->palette.windowText().color()
                              : Theme(style_, teMenuFontColor);
    QPalette palette = item->palette;
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (bar) {
        drawItemText(painter, r, flags | Qt::AlignHCenter, palette, enabled, item->text, QPalette::WindowText);
        return true;
    }
    const int check = std::max(item->maxIconWidth, r.height());
    if (item->checked) {
        QStyleOptionMenuItem mark = *item;
        mark.rect = QRect(r.left(), r.top(), check, r.height());
        mark.palette = palette;
        proxy()->drawPrimitive(PE_IndicatorMenuCheckMark, &mark, painter, widget);
    } else if (!item->icon.isNull()) {
        const int size = pixelMetric(PM_SmallIconSize, option, widget);
        item->icon.paint(painter, QRect(r.left(), r.top(), check, r.height()).adjusted(2, 2, -2, -2).intersected(
                                      QRect(r.left() + (check - size) / 2, r.top() + (r.height() - size) / 2, size, size)),
                         Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    const QString label = item->text.section(u'\t', 0, 0);
    const QString shortcut = item->text.section(u'\t', 1);
    const QRect textRect = r.adjusted(check + 4, 0, -(check / 2 + 4), 0);
    drawItemText(painter, textRect, flags | Qt::AlignLeft, palette, enabled, label, QPalette::WindowText);
    if (!shortcut.isEmpty())
        drawItemText(painter, textRect, flags | Qt::AlignRight, palette, enabled, shortcut, QPalette::WindowText);
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow = *item;
        arrow.rect = QRect(r.right() - check / 2 - 2, r.top(), check / 2, r.height());
        arrow.palette = palette;
        proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
    return true;
}

bool SkinnedStyle::DrawFieldControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (style_ == TsuiUIStyle::Custom) return false;
    const QColor border = Theme(style_, teControlBorderColor);
    const bool enabled = option->state & State_Enabled;
    switch (control) {
    case CC_ComboBox: {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (!combo) return false;
        painter->fillRect(combo->rect, combo->palette.base());
        FlatBorder(painter, combo->rect, border, combo->palette.base().color());
        const QRect button = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
        QImage picture;
        if (style_ == TsuiUIStyle::MacOS) {
            try {
                picture = LoadBitmapResource(QStringLiteral("MACOS_COMBOBOX_BUTTON"));
            } catch (const EResNotFound&) {
                // The plain fill stands in for it.
            }
        }
        if (!picture.isNull())
            DrawFace(painter, button, picture);
        else
            painter->fillRect(button, Theme(style_, teComboButtonColor));
        Triangle(painter, button, false, border, enabled);
        if ((combo->state & State_HasFocus) && !combo->editable) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*combo);
            focus.rect = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget).adjusted(-1, 0, 1, 0);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
        return true;
    }
    case CC_SpinBox: {
        const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
        if (!spin) return false;
        if (spin->frame) FlatBorder(painter, spin->rect, border, spin->palette.base().color());
        if (spin->buttonSymbols == QAbstractSpinBox::NoButtons) return true;
        for (const auto& [sub, up] : {std::pair{SC_SpinBoxUp, true}, std::pair{SC_SpinBoxDown, false}}) {
            const QRect button = subControlRect(CC_SpinBox, spin, sub, widget);
            const bool down = (spin->activeSubControls & sub) && (spin->state & State_Sunken);
            painter->fillRect(button, Theme(style_, down ? teToolButtonDownColor : teComboButtonColor));
            const bool stepEnabled =
                enabled && (spin->stepEnabled & (up ? QAbstractSpinBox::StepUpEnabled : QAbstractSpinBox::StepDownEnabled));
            Triangle(painter, button, up, border, stepEnabled);
        }
        return true;
    }
    case CC_GroupBox: {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (!group) return false;
        // The border with a gap for the caption (and its check box).
        const QRect frame = subControlRect(CC_GroupBox, group, SC_GroupBoxFrame, widget);
        const QRect label = subControlRect(CC_GroupBox, group, SC_GroupBoxLabel, widget);
        const QRect check = subControlRect(CC_GroupBox, group, SC_GroupBoxCheckBox, widget);
        if (group->subControls & SC_GroupBoxFrame) {
            Outline(painter, frame, border);
            QRect gap = group->text.isEmpty() ? QRect() : label.adjusted(-2, 0, 2, 0);
            if (group->subControls & SC_GroupBoxCheckBox) gap = gap.united(check.adjusted(-2, 0, 2, 0));
            if (!gap.isEmpty())
                painter->fillRect(QRect(gap.left(), frame.top(), gap.width(), 1), group->palette.window());
        }
        if ((group->subControls & SC_GroupBoxLabel) && !group->text.isEmpty()) {
            QPalette palette = group->palette;
            palette.setColor(QPalette::WindowText, enabled ? Theme(style_, teControlFontColor) : DisabledArrow);
            drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette, enabled,
                         group->text, QPalette::WindowText);
        }
        if (group->subControls & SC_GroupBoxCheckBox) {
            QStyleOptionButton box;
            box.QStyleOption::operator=(*group);
            box.rect = check;
            box.state = (group->state & ~State_MouseOver) |
                        ((group->activeSubControls & SC_GroupBoxCheckBox) ? (group->state & State_MouseOver)
                                                                          : State_None);
            proxy()->drawPrimitive(PE_IndicatorCheckBox, &box, painter, widget);
        }
        return true;
    }
    case CC_ToolButton: {
        const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option);
        if (!tool) return false;
        QStyleOption panel = *tool;
        if (tool->activeSubControls & SC_ToolButtonMenu) panel.state &= ~State_Sunken;
        proxy()->drawPrimitive(PE_PanelButtonTool, &panel, painter, widget);
        QStyleOptionToolButton label = *tool;
        label.rect = subControlRect(CC_ToolButton, tool, SC_ToolButton, widget).adjusted(2, 2, -2, -2);
        proxy()->drawControl(CE_ToolButtonLabel, &label, painter, widget);
        if (tool->subControls & SC_ToolButtonMenu) {
            QStyleOption arrow = *tool;
            arrow.rect = subControlRect(CC_ToolButton, tool, SC_ToolButtonMenu, widget);
            proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        } else if (tool->features & QStyleOptionToolButton::HasMenu) {
            QStyleOption arrow = *tool;
            const int size = 6;
            arrow.rect = QRect(tool->rect.right() - size - 2, tool->rect.bottom() - size - 2, size, size);
            proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        }
        return true;
    }
    case CC_TitleBar:
        return DrawTitleBar(option, painter, widget);
    default:
        return false;
    }
}

QRect SkinnedStyle::FieldPart(ComplexControl control, const QStyleOptionComplex* option, SubControl sub) const
{
    const QRect& r = option->rect;
    const QRect button(r.right() + 1 - FieldEdge - FieldButtonWidth, r.top() + FieldEdge, FieldButtonWidth,
                       r.height() - 2 * FieldEdge);
    const QRect field(r.left() + FieldEdge + 1, r.top() + FieldEdge, button.left() - r.left() - FieldEdge - 2,
                      r.height() - 2 * FieldEdge);
    if (control == CC_ComboBox) {
        switch (sub) {
        case SC_ComboBoxArrow:
            return button;
        case SC_ComboBoxEditField:
            return field;
        default:
            return r;
        }
    }
    const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    const bool buttons = !spin || spin->buttonSymbols != QAbstractSpinBox::NoButtons;
    switch (sub) {
    case SC_SpinBoxUp:
        return buttons ? QRect(button.topLeft(), QSize(button.width(), button.height() / 2)) : QRect();
    case SC_SpinBoxDown:
        return buttons ? QRect(QPoint(button.left(), button.top() + button.height() / 2),
                               QSize(button.width(), button.height() - button.height() / 2))
                       : QRect();
    case SC_SpinBoxEditField:
        return buttons ? field : r.adjusted(FieldEdge + 1, FieldEdge, -FieldEdge - 1, -FieldEdge);
    default:
        return r;
    }
}

// The title bar pictures: its ends at their size, the middle stretched; the
// window buttons from their pictures, keyed where the style says so.
bool SkinnedStyle::DrawTitleBar(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    const QImage left = FaceFor(style_, TsuiFace::TitleLeft);
    const QImage client = FaceFor(style_, TsuiFace::TitleClient);
    const QImage right = FaceFor(style_, TsuiFace::TitleRight);
    if (!title || left.isNull() || client.isNull() || right.isNull()) return false;
    const QRect& r = title->rect;
    const QPixmap bar = Cached(QStringLiteral("title/%1x%2").arg(r.width()).arg(r.height()), [&] {
        QImage image(r.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        TCanvas canvas(&image);
        canvas.StretchDraw(Rect(left.width(), 0, r.width() - right.width(), r.height()), client);
        canvas.StretchDraw(Rect(0, 0, left.width(), r.height()), left);
        canvas.StretchDraw(Rect(r.width() - right.width(), 0, r.width(), r.height()), right);
        return image;
    });
    DrawFace(painter, r.topLeft(), bar);
    const bool keyed = GetThemeBool(style_, teTitleButtonTransparent);
    const std::pair<SubControl, TsuiFace> buttons[] = {
        {SC_TitleBarCloseButton, TsuiFace::TitleClose},     {SC_TitleBarMaxButton, TsuiFace::TitleMax},
        {SC_TitleBarNormalButton, TsuiFace::TitleRestore},  {SC_TitleBarMinButton, TsuiFace::TitleMin},
        {SC_TitleBarContextHelpButton, TsuiFace::TitleHelp}, {SC_TitleBarSysMenu, TsuiFace::TitleControlBox}};
    for (const auto& [sub, face] : buttons) {
        if (!(title->subControls & sub)) continue;
        const QRect place = subControlRect(CC_TitleBar, title, sub, widget);
        if (place.isEmpty()) continue;
        const QImage picture = FaceFor(style_, face, PartStateOf(*title, sub));
        if (picture.isNull()) continue;
        const QImage shown =
            keyed ? MaskedByKey(picture, QColorToColor(QColor::fromRgb(picture.pixel(0, 0)))) : picture;
        DrawFace(painter, place.center() - QPoint(shown.width() / 2, shown.height() / 2), shown);
    }
    const QRect label = subControlRect(CC_TitleBar, title, SC_TitleBarLabel, widget);
    painter->setPen(title->palette.highlightedText().color());
    painter->drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      title->fontMetrics.elidedText(title->text, Qt::ElideRight, label.width()));
    return true;
}
