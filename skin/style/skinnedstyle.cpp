#include "skin/style/skinnedstyle.h"

#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suitabcontrol.h"
#include "skin/scrolling/suitrackbar.h"
#include "skin/style/skinnedfaces.h"
#include "skin/themes/suiskins.h"
#include "toolkit/canvas.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QPainter>
#include <QPixmapCache>
#include <QProgressBar>
#include <QTimerEvent>
#include <QScrollBar>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <algorithm>

using namespace toolkit;

namespace {

// The skinned push button's default width, which stock ones take as their
// least, and the least height of one in the styles that stretch it.
constexpr int ButtonMinimumWidth = 80;
constexpr int ButtonMinimumHeight = TsuiButton::MacOSHeight;
// Room for the tick marks beside a slider's bar.
constexpr int TickSpace = 5;

const QString SkinKeyPrefix = QStringLiteral("skinned-");

constexpr TsuiUIStyle AllStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                     TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

QColor ThemeColor(TsuiUIStyle style, int element)
{
    return ColorToQColor(GetThemeColor(style, element));
}

QString StateKey(const TsuiFaceState& s)
{
    return QString::asprintf("%d%d%d%d%d", s.Enabled, s.Hot, s.Pressed, s.Checked, s.Vertical);
}

// Text measured as the skinned controls measure theirs when painting.
int CanvasTextWidth(const QFont& font, const QString& text)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font.AssignQFont(font);
    return canvas.TextWidth(text);
}

bool IsNorthTab(const QStyleOptionTab& tab)
{
    return tab.shape == QTabBar::RoundedNorth || tab.shape == QTabBar::TriangularNorth;
}

} // namespace

TsuiFaceState FaceStateOf(const QStyleOption& option)
{
    const QStyle::State s = option.state;
    return {.Enabled = bool(s & QStyle::State_Enabled),
            .Hot = bool(s & QStyle::State_MouseOver),
            .Pressed = bool(s & QStyle::State_Sunken),
            .Checked = bool(s & QStyle::State_On),
            .Vertical = !(s & QStyle::State_Horizontal)};
}

TsuiFaceState PartStateOf(const QStyleOptionComplex& option, QStyle::SubControl part)
{
    TsuiFaceState state = FaceStateOf(option);
    const bool active = option.activeSubControls & part;
    state.Hot = active && (option.state & QStyle::State_MouseOver);
    state.Pressed = active && (option.state & QStyle::State_Sunken);
    return state;
}

namespace {

// Restores the painter's smoothing after a face is drawn.
class Unsmoothed {
public:
    explicit Unsmoothed(QPainter* painter)
        : painter_(painter), smooth_(painter->testRenderHint(QPainter::SmoothPixmapTransform))
    {
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    ~Unsmoothed() { painter_->setRenderHint(QPainter::SmoothPixmapTransform, smooth_); }

private:
    QPainter* painter_;
    bool smooth_;
};

} // namespace

void DrawFace(QPainter* painter, const QPoint& at, const QPixmap& face)
{
    const Unsmoothed nearest(painter);
    painter->drawPixmap(at, face);
}

void DrawFace(QPainter* painter, const QPoint& at, const QImage& face)
{
    const Unsmoothed nearest(painter);
    painter->drawImage(at, face);
}

void DrawFace(QPainter* painter, const QRect& target, const QImage& face)
{
    const Unsmoothed nearest(painter);
    painter->drawImage(target, face);
}

SkinnedStyle::SkinnedStyle(TsuiUIStyle style)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), style_(style)
{
    busyClock_.start();
    setObjectName(KeyFor(style));
}

SkinnedStyle::~SkinnedStyle()
{
    DropCachedFaces();
}

QString SkinnedStyle::KeyFor(TsuiUIStyle style)
{
    switch (style) {
    case TsuiUIStyle::MacOS:
        return QStringLiteral("skinned-macos");
    case TsuiUIStyle::WinXP:
        return QStringLiteral("skinned-winxp");
    case TsuiUIStyle::DeepBlue:
        return QStringLiteral("skinned-deepblue");
    case TsuiUIStyle::Protein:
        return QStringLiteral("skinned-protein");
    case TsuiUIStyle::BlueGlass:
        return QStringLiteral("skinned-blueglass");
    case TsuiUIStyle::Custom:
        return {};
    }
    const QString pack = SkinName(style); // a loaded skin pack
    return pack.isEmpty() ? QString() : SkinKeyPrefix + pack;
}

std::optional<TsuiUIStyle> SkinnedStyle::StyleForKey(const QString& key)
{
    for (TsuiUIStyle style : AllStyles)
        if (key.compare(KeyFor(style), Qt::CaseInsensitive) == 0) return style;
    if (!key.startsWith(SkinKeyPrefix, Qt::CaseInsensitive)) return std::nullopt;
    QList<TsuiSkinProblem> problems;
    const TsuiUIStyle style = FindSkin(key.mid(SkinKeyPrefix.size()).toLower(), problems);
    for (const TsuiSkinProblem& problem : problems) qWarning().noquote() << problem.ToString();
    if (style == TsuiUIStyle::Custom) return std::nullopt;
    return style;
}

QStringList SkinnedStyle::Keys()
{
    QStringList keys;
    for (TsuiUIStyle style : AllStyles) keys << KeyFor(style);
    for (const QString& pack : InstalledSkinNames()) keys << SkinKeyPrefix + pack;
    return keys;
}

// ---- Palette and polish -------------------------------------------------------

QPalette SkinnedStyle::standardPalette() const
{
    QPalette palette = baseStyle()->standardPalette();
    if (style_ == TsuiUIStyle::Custom) return palette; // no theme colours
    const QColor form = ThemeColor(style_, teFormColor);
    const QColor control = ThemeColor(style_, teControlColor);
    const QColor text = ThemeColor(style_, teControlFontColor);
    palette.setColor(QPalette::Window, form);
    palette.setColor(QPalette::Button, control);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Active, role, text), palette.setColor(QPalette::Inactive, role, text);
    const QColor grey = ColorToQColor(RGBColor(0x80, 0x80, 0x80));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, grey);
    palette.setColor(QPalette::Disabled, QPalette::Window, form);
    palette.setColor(QPalette::Disabled, QPalette::Button, control);
    palette.setColor(QPalette::Highlight, ThemeColor(style_, teMenuSelectedColor));
    palette.setColor(QPalette::HighlightedText, ThemeColor(style_, teMenuSelectedFontColor));
    return palette;
}

void SkinnedStyle::polish(QPalette& palette)
{
    palette = standardPalette();
}

// The faces light up under the pointer.
void SkinnedStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (auto* bar = qobject_cast<QProgressBar*>(widget)) busyBars_.append(bar);
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QScrollBar*>(widget) ||
        qobject_cast<QSlider*>(widget) || qobject_cast<QTabBar*>(widget) || qobject_cast<QComboBox*>(widget) ||
        qobject_cast<QAbstractSpinBox*>(widget))
        widget->setAttribute(Qt::WA_Hover);
}

void SkinnedStyle::unpolish(QWidget* widget)
{
    busyBars_.removeAll(widget);
    QProxyStyle::unpolish(widget);
}

// Busy bars move on by themselves: each tick repaints those on screen, and
// the ticks stop when none is left (the next busy paint starts them again).
void SkinnedStyle::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != busyTimer_.timerId()) return QProxyStyle::timerEvent(event);
    busyBars_.removeAll(nullptr);
    bool busy = false;
    for (const QPointer<QWidget>& widget : std::as_const(busyBars_)) {
        const auto* bar = static_cast<QProgressBar*>(widget.data());
        if (!bar->isVisible() || bar->minimum() != 0 || bar->maximum() != 0) continue;
        busy = true;
        widget->update();
    }
    if (!busy) busyTimer_.stop();
}

void SkinnedStyle::unpolish(QApplication* application)
{
    DropCachedFaces();
    QProxyStyle::unpolish(application);
}

QPixmap SkinnedStyle::Cached(const QString& key, const std::function<QImage()>& compose) const
{
    const QString fullKey = objectName() + u'/' + key;
    QPixmap pixmap;
    if (QPixmapCache::find(fullKey, &pixmap)) return pixmap;
    const QImage image = compose();
    if (image.isNull()) return {};
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(fullKey, pixmap);
    cachedKeys_.insert(fullKey);
    return pixmap;
}

void SkinnedStyle::DropCachedFaces()
{
    for (const QString& key : std::as_const(cachedKeys_)) QPixmapCache::remove(key);
    cachedKeys_.clear();
}

// ---- Drawing ------------------------------------------------------------------

void SkinnedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    bool drawn = false;
    switch (element) {
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton:
        drawn = DrawIndicator(element, option, painter);
        break;
    case PE_FrameTabWidget:
        drawn = DrawTabWidgetFrame(option, painter);
        break;
    case PE_FrameTabBarBase:
        drawn = DrawTabBarBase(option, painter);
        break;
    default:
        drawn = DrawFrame(element, option, painter);
        break;
    }
    if (!drawn) QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinnedStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    switch (element) {
    case CE_PushButton:
        // The focus mark is part of the face.
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            button && DrawPushButton(option, painter)) {
            QStyleOptionButton label = *button;
            label.rect = subElementRect(SE_PushButtonContents, button, widget);
            proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
            return;
        }
        break;
    case CE_PushButtonBevel:
        if (DrawPushButton(option, painter)) return;
        break;
    case CE_CheckBox:
    case CE_RadioButton:
        if (DrawCheckControl(element, option, painter, widget)) return;
        break;
    case CE_ProgressBarGroove:
        if (FaceFor(style_, TsuiFace::ProgressBar).isNull()) break;
        return; // the contents draw the whole bar
    case CE_ProgressBarContents:
        if (DrawProgressBar(option, painter)) return;
        // Fusion draws the groove it expected to have drawn already.
        QProxyStyle::drawControl(CE_ProgressBarGroove, option, painter, widget);
        break;
    case CE_TabBarTabShape:
        if (DrawTab(option, painter)) return;
        break;
    case CE_TabBarTabLabel:
        // Centred in the tab, as the skinned strip writes its captions.
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
            tab && IsNorthTab(*tab) && TabHeight() > 0) {
            const QRect r = tab->rect.translated(0, (tab->state & State_Selected) ? 1 : 0);
            drawItemText(painter, r, Qt::AlignCenter | Qt::TextShowMnemonic, tab->palette,
                         tab->state & State_Enabled, tab->text, QPalette::WindowText);
            return;
        }
        break;
    default:
        if (DrawFramedControl(element, option, painter, widget)) return;
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinnedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    if (control == CC_ScrollBar && DrawScrollBar(option, painter)) return;
    if (control == CC_Slider && DrawSlider(option, painter, widget)) return;
    if (DrawFieldControl(control, option, painter, widget)) return;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

bool SkinnedStyle::DrawPushButton(const QStyleOption* option, QPainter* painter) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button) return false;
    TsuiFaceState state = FaceStateOf(*button);
    state.Pressed = state.Pressed || (button->state & State_On);
    const bool flat = button->features & QStyleOptionButton::Flat;
    if (flat && !state.Hot && !state.Pressed) return !FaceFor(style_, TsuiFace::PushButton).isNull();
    const bool focus = (button->state & State_HasFocus) && (button->state & State_KeyboardFocusChange);
    const QColor fill = skinnedfaces::ButtonShowsParent(style_) ? QColor() : button->palette.button().color();
    const QSize size = button->rect.size();
    const QPixmap face = Cached(QString::asprintf("button/%s/%dx%d/%d/%x", qPrintable(StateKey(state)), size.width(),
                                                  size.height(), int(focus), fill.isValid() ? fill.rgb() : 0u),
                                [&] { return skinnedfaces::PushButton(style_, state, size, focus, fill); });
    if (face.isNull()) return false;
    DrawFace(painter, button->rect.topLeft(), face);
    return true;
}

// Laid out here: the common style places the parts by Fusion's rectangles.
bool SkinnedStyle::DrawCheckControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    const bool check = element == CE_CheckBox;
    if (!button || IndicatorSize(check ? PE_IndicatorCheckBox : PE_IndicatorRadioButton).isEmpty()) return false;
    QStyleOptionButton part = *button;
    part.rect = subElementRect(check ? SE_CheckBoxIndicator : SE_RadioButtonIndicator, button, widget);
    proxy()->drawPrimitive(check ? PE_IndicatorCheckBox : PE_IndicatorRadioButton, &part, painter, widget);
    part.rect = subElementRect(check ? SE_CheckBoxContents : SE_RadioButtonContents, button, widget);
    proxy()->drawControl(check ? CE_CheckBoxLabel : CE_RadioButtonLabel, &part, painter, widget);
    if (button->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*button);
        focus.rect = subElementRect(check ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect, button, widget);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
    return true;
}

bool SkinnedStyle::DrawIndicator(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const
{
    const TsuiFace face = element == PE_IndicatorCheckBox ? TsuiFace::CheckBox : TsuiFace::RadioButton;
    const TsuiFaceState state = FaceStateOf(*option);
    const bool partial = element == PE_IndicatorCheckBox && (option->state & State_NoChange);
    const QPixmap picture =
        Cached(QStringLiteral("indicator/%1/%2/%3").arg(int(face)).arg(StateKey(state)).arg(partial),
               [&] { return skinnedfaces::Indicator(style_, face, state, partial); });
    if (picture.isNull()) return false;
    // Centred where the rectangle is larger than the picture (item views, menus).
    const QRect& r = option->rect;
    const QPoint at(r.x() + std::max(r.width() - picture.width(), 0) / 2,
                    r.y() + std::max(r.height() - picture.height(), 0) / 2);
    DrawFace(painter, at, picture);
    return true;
}

QPixmap SkinnedStyle::ProgressFace(QSize size, int filled, bool vertical) const
{
    return Cached(QStringLiteral("progress/%1/%2x%3/%4").arg(vertical).arg(size.width()).arg(size.height()).arg(filled),
                  [&] { return skinnedfaces::ProgressBar(style_, size, filled, vertical); });
}

bool SkinnedStyle::DrawProgressBar(const QStyleOption* option, QPainter* painter) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    // An inverted bar is Fusion's.
    if (!bar || bar->invertedAppearance) return false;
    const bool vertical = !(bar->state & State_Horizontal);
    const QSize size = bar->rect.size();
    const int length = vertical ? size.height() : size.width();
    if (bar->minimum == 0 && bar->maximum == 0) return DrawBusyBar(*bar, painter);
    const int filled = skinnedfaces::ProgressFilled(length - 1, bar->minimum, bar->maximum, bar->progress);
    const QPixmap face = ProgressFace(size, filled, vertical);
    if (face.isNull()) return false;
    DrawFace(painter, bar->rect.topLeft(), face);
    return true;
}

// A busy bar: a quarter of the filled face runs along the empty one, from
// its start to past its end, and starts over.
bool SkinnedStyle::DrawBusyBar(const QStyleOptionProgressBar& bar, QPainter* painter) const
{
    const bool vertical = !(bar.state & State_Horizontal);
    const QSize size = bar.rect.size();
    const int length = vertical ? size.height() : size.width();
    const QPixmap empty = ProgressFace(size, 0, vertical);
    const QPixmap full = ProgressFace(size, length - 1, vertical);
    if (empty.isNull() || full.isNull()) return false;
    DrawFace(painter, bar.rect.topLeft(), empty);
    if (!busyTimer_.isActive()) busyTimer_.start(BusyInterval, const_cast<SkinnedStyle*>(this));
    const int run = std::max(length / 4, 1);
    const int step = int((busyClock_.elapsed() / BusyInterval) % (length + run));
    const int start = std::max(step - run, 1), end = std::min(step, length - 1);
    if (end <= start) return true;
    const QRect segment = vertical ? QRect(1, length - end, full.width() - 2, end - start)
                                   : QRect(start, 1, end - start, full.height() - 2);
    const Unsmoothed nearest(painter);
    painter->drawPixmap(bar.rect.topLeft() + segment.topLeft(), full, segment);
    return true;
}

bool SkinnedStyle::DrawScrollBar(const QStyleOptionComplex* option, QPainter* painter) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!bar || ScrollBarPart(option, SC_ScrollBarSubLine).isNull()) return false;
    const bool vertical = bar->orientation == Qt::Vertical;
    painter->fillRect(bar->rect, ThemeColor(style_, teScrollBarColor));
    for (const auto& part : {std::pair{SC_ScrollBarSubLine, TsuiFace::ScrollArrowDec},
                             std::pair{SC_ScrollBarAddLine, TsuiFace::ScrollArrowInc}}) {
        const SubControl sub = part.first; // named, not bound: lambdas may not capture bindings in clang 14
        const TsuiFace face = part.second;
        TsuiFaceState state = PartStateOf(*bar, sub);
        state.Vertical = vertical;
        const QPixmap arrow = Cached(QStringLiteral("arrow/%1/%2").arg(int(face)).arg(StateKey(state)),
                                     [&] { return skinnedfaces::ScrollArrow(style_, face, state, vertical); });
        DrawFace(painter, ScrollBarPart(option, sub).topLeft(), arrow);
    }
    const QRect thumbRect = ScrollBarPart(option, SC_ScrollBarSlider);
    if (thumbRect.isEmpty()) return true;
    const int length = vertical ? thumbRect.height() : thumbRect.width();
    const QPixmap thumb = Cached(QStringLiteral("thumb/%1/%2").arg(vertical).arg(length),
                                 [&] { return skinnedfaces::ScrollThumb(style_, length, vertical); });
    DrawFace(painter, thumbRect.topLeft(), thumb);
    return true;
}

bool SkinnedStyle::DrawSlider(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!slider || SliderPart(option, SC_SliderHandle).isNull()) return false;
    const bool vertical = slider->orientation == Qt::Vertical;
    painter->fillRect(slider->rect, ThemeColor(style_, teTrackBarColor));
    const QRect grooveRect = SliderPart(option, SC_SliderGroove);
    const int length = vertical ? grooveRect.height() : grooveRect.width();
    const QPixmap groove = Cached(QStringLiteral("groove/%1/%2").arg(vertical).arg(length),
                                  [&] { return skinnedfaces::SliderGroove(style_, length, vertical); });
    if (!groove.isNull()) DrawFace(painter, grooveRect.topLeft(), groove);
    if (slider->subControls & SC_SliderTickmarks && slider->tickPosition != QSlider::NoTicks) {
        QStyleOptionSlider ticks = *slider;
        ticks.subControls = SC_SliderTickmarks;
        // Fusion's tick marks, in the theme's border colour, around our groove.
        ticks.palette.setColor(QPalette::WindowText, ThemeColor(style_, teControlBorderColor));
        QProxyStyle::drawComplexControl(CC_Slider, &ticks, painter, widget);
    }
    const QPixmap handle = Cached(QStringLiteral("handle/%1").arg(vertical),
                                  [&] { return skinnedfaces::SliderHandle(style_, vertical); });
    DrawFace(painter, SliderPart(option, SC_SliderHandle).topLeft(), handle);
    if ((slider->state & State_HasFocus) && (slider->state & State_KeyboardFocusChange)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*slider);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
    return true;
}

int SkinnedStyle::TabHeight() const
{
    return FaceFor(style_, TsuiFace::Tab, {.Checked = true}).height();
}

// The selected tab stands a pixel lower, over the line under the tabs.
bool SkinnedStyle::DrawTab(const QStyleOption* option, QPainter* painter) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!tab || !IsNorthTab(*tab)) return false;
    const bool active = tab->state & State_Selected;
    const QSize size(tab->rect.width(), TabHeight());
    const QPixmap face = Cached(QStringLiteral("tab/%1/%2x%3").arg(active).arg(size.width()).arg(size.height()),
                                [&] { return skinnedfaces::Tab(style_, size, active); });
    if (face.isNull()) return false;
    DrawFace(painter, tab->rect.topLeft() + QPoint(0, active ? 1 : 0), face);
    return true;
}

// The line picture along the top, the border on the other three sides, the
// pane in the control colour (white in WinXP) as the skinned tab control.
bool SkinnedStyle::DrawTabWidgetFrame(const QStyleOption* option, QPainter* painter) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
    if (!frame || frame->shape != QTabBar::RoundedNorth) return false;
    const QRect& r = frame->rect;
    const QPixmap line = Cached(QStringLiteral("tabline/%1").arg(r.width() - 2),
                                [&] { return skinnedfaces::TabLine(style_, r.width() - 2); });
    if (line.isNull()) return false;
    const QColor pane = style_ == TsuiUIStyle::WinXP ? QColor(Qt::white) : ThemeColor(style_, teControlColor);
    painter->fillRect(r, pane);
    DrawFace(painter, r.topLeft() + QPoint(1, 0), line);
    const QColor border = ThemeColor(style_, teControlBorderColor);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), border);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), border);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), border);
    return true;
}

bool SkinnedStyle::DrawTabBarBase(const QStyleOption* option, QPainter* painter) const
{
    const auto* base = qstyleoption_cast<const QStyleOptionTabBarBase*>(option);
    if (!base || base->shape != QTabBar::RoundedNorth) return false;
    const QPixmap line = Cached(QStringLiteral("tabline/%1").arg(base->rect.width()),
                                [&] { return skinnedfaces::TabLine(style_, base->rect.width()); });
    if (line.isNull()) return false;
    DrawFace(painter, base->rect.topLeft(), line);
    return true;
}

// ---- Geometry -----------------------------------------------------------------

QSize SkinnedStyle::IndicatorSize(PrimitiveElement element) const
{
    return FaceFor(style_, element == PE_IndicatorCheckBox ? TsuiFace::CheckBox : TsuiFace::RadioButton).size();
}

QRect SkinnedStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    const bool check = element == SE_CheckBoxIndicator || element == SE_CheckBoxContents ||
                       element == SE_CheckBoxFocusRect || element == SE_CheckBoxClickRect;
    const bool radio = element == SE_RadioButtonIndicator || element == SE_RadioButtonContents ||
                       element == SE_RadioButtonFocusRect || element == SE_RadioButtonClickRect;
    const QSize picture = IndicatorSize(check ? PE_IndicatorCheckBox : PE_IndicatorRadioButton);
    if ((check || radio) && !picture.isEmpty()) {
        // As the skinned check box lays out its picture and caption.
        const QRect& r = option->rect;
        switch (element) {
        case SE_CheckBoxIndicator:
        case SE_RadioButtonIndicator:
            return QRect(r.x() + 1, r.y() + (r.height() - picture.height()) / 2, picture.width(), picture.height());
        case SE_CheckBoxContents:
        case SE_RadioButtonContents:
            return r.adjusted(picture.width() + 4, 0, 0, 0);
        case SE_CheckBoxFocusRect:
        case SE_RadioButtonFocusRect: {
            const int textTop = (r.height() - (option->fontMetrics.height() + 2)) / 2;
            return QRect(r.x() + picture.width() + 3, r.y() + textTop, r.width() - picture.width() - 3,
                         r.height() - 2 * std::max(textTop, 0));
        }
        default:
            return r;
        }
    }
    if ((element == SE_ProgressBarGroove || element == SE_ProgressBarContents) &&
        !FaceFor(style_, TsuiFace::ProgressBar).isNull())
        return option->rect;
    return QProxyStyle::subElementRect(element, option, widget);
}

// Arrows at their pictures' size at both ends; the track between them (a
// vertical one a pixel short of the lower arrow, as the skinned bar); the
// thumb's length in proportion to the page, placed as the skinned bar
// places it.
QRect SkinnedStyle::ScrollBarPart(const QStyleOptionComplex* option, SubControl sub) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!bar) return {};
    const bool vertical = bar->orientation == Qt::Vertical;
    const QSize dec = skinnedfaces::ScrollArrowSize(style_, TsuiFace::ScrollArrowDec, vertical);
    const QSize inc = skinnedfaces::ScrollArrowSize(style_, TsuiFace::ScrollArrowInc, vertical);
    if (dec.isEmpty() || inc.isEmpty()) return {};
    const QRect& r = bar->rect;
    QRect track;
    switch (sub) {
    case SC_ScrollBarSubLine:
        return QRect(r.topLeft(), dec);
    case SC_ScrollBarAddLine:
        return vertical ? QRect(QPoint(r.x(), r.bottom() + 1 - inc.height()), inc)
                        : QRect(QPoint(r.right() + 1 - inc.width(), r.y()), inc);
    default:
        break;
    }
    track = vertical ? QRect(r.x(), r.y() + dec.height(), r.width(), r.height() - inc.height() - dec.height() - 1)
                     : QRect(r.x() + dec.width(), r.y(), r.width() - inc.width() - dec.width(), r.height());
    if (sub == SC_ScrollBarGroove) return track;
    const int trackLength = vertical ? track.height() : track.width();
    if (trackLength <= 0) return {};
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    const int percent = int(qint64(bar->pageStep) * 100 / std::max<qint64>(range + bar->pageStep, 1));
    const int length = std::min(ThumbLength(0, trackLength, percent), trackLength);
    const int value = bar->upsideDown ? bar->maximum - (bar->sliderPosition - bar->minimum) : bar->sliderPosition;
    const int offset = SliderOffsetFor(trackLength, length, bar->minimum, bar->maximum, value);
    const QRect thumb = vertical ? QRect(track.x(), track.y() + offset, TsuiScrollBar::ThumbThickness, length)
                                 : QRect(track.x() + offset, track.y(), length, TsuiScrollBar::ThumbThickness);
    switch (sub) {
    case SC_ScrollBarSlider:
        return thumb;
    case SC_ScrollBarSubPage:
        return vertical ? QRect(track.topLeft(), QPoint(track.right(), thumb.top() - 1))
                        : QRect(track.topLeft(), QPoint(thumb.left() - 1, track.bottom()));
    case SC_ScrollBarAddPage:
        return vertical ? QRect(QPoint(track.left(), thumb.bottom() + 1), track.bottomRight())
                        : QRect(QPoint(thumb.right() + 1, track.top()), track.bottomRight());
    default:
        return {};
    }
}

// The bar and the slider centred across the band the two need; tick marks
// outside that band.
QRect SkinnedStyle::SliderPart(const QStyleOptionComplex* option, SubControl sub) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!slider) return {};
    const bool vertical = slider->orientation == Qt::Vertical;
    const QImage handle = skinnedfaces::SliderHandle(style_, vertical);
    if (handle.isNull()) return {};
    const QImage bar = FaceFor(style_, TsuiFace::TrackBarBar, {.Vertical = vertical});
    const int barThickness = bar.height(); // the strip's, turned or not
    const int handleThickness = vertical ? handle.width() : handle.height();
    const int handleLength = vertical ? handle.height() : handle.width();
    const int thickness = std::max(barThickness, handleThickness);
    const QRect& r = slider->rect;
    const int across = vertical ? r.width() : r.height();
    const int length = vertical ? r.height() : r.width();
    const bool above = slider->tickPosition & QSlider::TicksAbove;
    const bool below = slider->tickPosition & QSlider::TicksBelow;
    const int bandStart = above && !below ? across - thickness : !above && below ? 0 : (across - thickness) / 2;
    const auto place = [&](int along, int cross, int alongSize, int crossSize) {
        return vertical ? QRect(r.x() + cross, r.y() + along, crossSize, alongSize)
                        : QRect(r.x() + along, r.y() + cross, alongSize, crossSize);
    };
    switch (sub) {
    case SC_SliderGroove:
        return place(0, bandStart + (thickness - barThickness) / 2, length, barThickness);
    case SC_SliderHandle: {
        const int value =
            slider->upsideDown ? slider->maximum - (slider->sliderPosition - slider->minimum) : slider->sliderPosition;
        const int along = SliderOffsetFor(length, handleLength, slider->minimum, slider->maximum, value);
        return place(along, bandStart + std::max(thickness - handleThickness, 0) / 2, handleLength, handleThickness);
    }
    case SC_SliderTickmarks:
        return r;
    default:
        return {};
    }
}

QRect SkinnedStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                   const QWidget* widget) const
{
    if (control == CC_ScrollBar) {
        if (sub == SC_None) return {};
        const QRect part = ScrollBarPart(option, sub);
        if (!part.isNull() || !ScrollBarPart(option, SC_ScrollBarSubLine).isNull()) return part;
    }
    if (control == CC_Slider) {
        const QRect part = SliderPart(option, sub);
        if (!part.isNull() || !SliderPart(option, SC_SliderHandle).isNull()) return part;
    }
    if ((control == CC_ComboBox || control == CC_SpinBox) && style_ != TsuiUIStyle::Custom)
        return FieldPart(control, option, sub);
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

int SkinnedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: {
        const bool check = metric == PM_IndicatorWidth || metric == PM_IndicatorHeight;
        const QSize size = IndicatorSize(check ? PE_IndicatorCheckBox : PE_IndicatorRadioButton);
        if (size.isEmpty()) break;
        return metric == PM_IndicatorWidth || metric == PM_ExclusiveIndicatorWidth ? size.width() : size.height();
    }
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        if (IndicatorSize(PE_IndicatorCheckBox).isEmpty()) break;
        return 3;
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
    case PM_ButtonDefaultIndicator:
        if (FaceFor(style_, TsuiFace::PushButton).isNull()) break;
        // The caption moves with a pressed face; a default button has no
        // frame of its own.
        return metric == PM_ButtonDefaultIndicator ? 0 : 1;
    case PM_ScrollBarExtent: {
        const QImage arrow = FaceFor(style_, TsuiFace::ScrollArrowDec);
        if (arrow.isNull()) break;
        return arrow.width();
    }
    case PM_ScrollBarSliderMin:
        if (FaceFor(style_, TsuiFace::ScrollArrowDec).isNull()) break;
        return TsuiScrollBar::MinimumLineButton;
    case PM_SliderThickness:
    case PM_SliderLength:
    case PM_SliderControlThickness: {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        const bool vertical = slider && slider->orientation == Qt::Vertical;
        const QImage handle = skinnedfaces::SliderHandle(style_, vertical);
        if (handle.isNull()) break;
        const QSize along = vertical ? handle.size().transposed() : handle.size();
        if (metric == PM_SliderLength) return along.width();
        if (metric == PM_SliderControlThickness) return along.height();
        return std::max(along.height(), FaceFor(style_, TsuiFace::TrackBarBar, {.Vertical = vertical}).height());
    }
    case PM_SliderTickmarkOffset:
        if (skinnedfaces::SliderHandle(style_, false).isNull()) break;
        return TickSpace;
    case PM_TabBarTabOverlap:
    case PM_TabBarTabShiftVertical:
    case PM_TabBarTabShiftHorizontal:
    case PM_TabBarBaseOverlap:
        // The selected tab stands over the line's first row.
        if (TabHeight() <= 0) break;
        return metric == PM_TabBarBaseOverlap ? 1 : 0;
    case PM_TabBarBaseHeight: {
        const QImage line = FaceFor(style_, TsuiFace::TabLine);
        if (line.isNull()) break;
        return line.height();
    }
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize SkinnedStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                     const QWidget* widget) const
{
    switch (type) {
    case CT_PushButton: {
        if (FaceFor(style_, TsuiFace::PushButton).isNull()) break;
        const int height =
            style_ == TsuiUIStyle::MacOS ? TsuiButton::MacOSHeight : std::max(contents.height() + 10, ButtonMinimumHeight);
        return {std::max(contents.width() + 16, ButtonMinimumWidth), height};
    }
    case CT_CheckBox:
    case CT_RadioButton: {
        const QSize picture = IndicatorSize(type == CT_CheckBox ? PE_IndicatorCheckBox : PE_IndicatorRadioButton);
        if (picture.isEmpty()) break;
        return {picture.width() + contents.width() + 8, std::max(contents.height(), picture.height()) + 4};
    }
    case CT_ProgressBar: {
        const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
        if (!bar || FaceFor(style_, TsuiFace::ProgressBar).isNull()) break;
        return bar->state & State_Horizontal ? QSize(contents.width(), TsuiProgressBar::Thickness)
                                             : QSize(TsuiProgressBar::Thickness, contents.height());
    }
    case CT_MenuItem: {
        // The theme's item and separator heights, as the skinned menus have them.
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if (!item || style_ == TsuiUIStyle::Custom) return base;
        const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
        const int height = GetThemeInt(style_, separator ? teMenuSeparatorHeight : teMenuItemHeight);
        return {base.width(), height > 0 ? (separator ? height : std::max(height, base.height())) : base.height()};
    }
    case CT_Slider:
        // The thickness and the tick marks' room are all there is.
        if (skinnedfaces::SliderHandle(style_, false).isNull()) break;
        return contents;
    case CT_TabBarTab: {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (!tab || !IsNorthTab(*tab) || TabHeight() <= 0) break;
        const QFont font = widget ? widget->font() : QApplication::font();
        const int width = tab->text.isEmpty() ? TsuiTabControlTopPanel::EmptyTabWidth
                                              : CanvasTextWidth(font, tab->text) +
                                                    TsuiTabControlTopPanel::CaptionPadding;
        return {width, TabHeight() + 1};
    }
    default:
        break;
    }
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}
