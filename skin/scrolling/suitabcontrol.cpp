#include "skin/scrolling/suitabcontrol.h"

#include "skin/themes/suifaces.h"
#include "skin/themes/suipublic.h"
#include "toolkit/accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <mutex>

using namespace toolkit;

namespace {

// Text width in a font, outside painting: the hit test and the painting
// measure the same way.
int CaptionWidth(const TFont& font, const QString& caption)
{
    static QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font.Assign(font);
    return canvas.TextWidth(caption);
}

// A tab picture keyed on magenta; empty when the style has none.
void LoadTabPicture(TBitmap& bitmap, TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state = {})
{
    bitmap.SetImage(FaceFor(style, face, state));
    bitmap.SetTransparentColor(clFuchsia);
    bitmap.SetTransparent(true);
}

void InstallTabAccessibility();
void NotifyTabsChanged(QWidget* strip);
void NotifyTabSelected(QWidget* strip, int index);

} // namespace

// ---- TsuiTabControlTopPanel -----------------------------------------------

TsuiTabControlTopPanel::TsuiTabControlTopPanel(TsuiTab* ownerTab)
    : TsuiControl(ownerTab, ownerTab, TsuiContainerStyle::Ignore), ownerTab_(ownerTab)
{
    tabs_.Add(QStringLiteral("Tab1"));
    connect(&tabs_, &TStringList::OnChange, this, [this] {
        Invalidate();
        NotifyTabsChanged(this);
    });
    SetAlign(alTop);
    InstallTabAccessibility();
}

void TsuiTabControlTopPanel::SetTabIndex(int index)
{
    if (tabs_.Count() == 0) {
        StoreTabIndex(-1);
        return;
    }
    if (index < -1 || index >= tabs_.Count()) return Invalidate();
    if (!StoreTabIndex(index)) return;
    NotifyTabSelected(this, index);
    ownerTab_->TabActive(index);
}

bool TsuiTabControlTopPanel::StoreTabIndex(int index)
{
    if (!Store(tabIndex_, index)) return true;
    return Guarded([&] { emit TabIndexChanged(); });
}

bool TsuiTabControlTopPanel::TabVisible(int index) const
{
    return index < 0 || index >= tabVisible_.size() || tabVisible_[index];
}

void TsuiTabControlTopPanel::SetTabVisible(int index, bool visible)
{
    if (index < 0 || TabVisible(index) == visible) return;
    if (index >= tabVisible_.size()) tabVisible_.resize(index + 1, true);
    tabVisible_[index] = visible;
    Invalidate();
    NotifyTabsChanged(this);
}

void TsuiTabControlTopPanel::SetTabsVisible(const QList<bool>& visible)
{
    if (!Store(tabVisible_, visible)) return;
    NotifyTabsChanged(this);
}

void TsuiTabControlTopPanel::ReadTheme()
{
    LoadTabPicture(activePicture_, UIStyle(), TsuiFace::Tab, {.Checked = true});
    LoadTabPicture(inactivePicture_, UIStyle(), TsuiFace::Tab);
    LoadTabPicture(linePicture_, UIStyle(), TsuiFace::TabLine);
    const int height = GetThemeInt(UIStyle(), teTabBarHeight);
    if (height > 0) SetHeight(height);
}

int TsuiTabControlTopPanel::TabHeight() const
{
    return activePicture_.Empty() ? height() : activePicture_.Height();
}

std::vector<TRect> TsuiTabControlTopPanel::TabRects() const
{
    std::vector<TRect> rects;
    rects.reserve(std::size_t(tabs_.Count()));
    const int tabHeight = TabHeight();
    int x = leftMargin_;
    for (int i = 0; i < tabs_.Count(); ++i) {
        if (!TabVisible(i)) {
            rects.push_back(Rect(x, 0, x, 0));
            continue;
        }
        const QString caption = tabs_[i];
        const int w = caption.isEmpty() ? EmptyTabWidth
                                        : CaptionWidth(std::as_const(*ownerTab_).TabFont(), caption) + CaptionPadding;
        const int top = i == tabIndex_ ? 1 : 0;
        rects.push_back(Rect(x, top, x + w, tabHeight + top));
        x += w;
    }
    return rects;
}

// Strictly inside a tab and below the strip's top row; the selected tab's
// extra pixel at the bottom belongs to the line, not to the tab.
int TsuiTabControlTopPanel::PartAt(const QPoint& point) const
{
    if (point.y() <= 0 || point.y() >= TabHeight()) return NoPart;
    const std::vector<TRect> rects = TabRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].Left < point.x() && point.x() < rects[i].Right) return int(i);
    return NoPart;
}

void TsuiTabControlTopPanel::Paint(TCanvas& canvas)
{
    DoTrans(canvas, ownerTab_);
    const int tabHeight = TabHeight();
    if (!linePicture_.Empty()) {
        const int lineBottom = tabHeight + linePicture_.Height();
        canvas.StretchDraw(Rect(1, tabHeight, width() - 1, lineBottom), linePicture_.Image());
        canvas.Pen.Color = ownerTab_->BorderColor();
        canvas.MoveTo(0, tabHeight);
        canvas.LineTo(0, lineBottom);
        canvas.MoveTo(width() - 1, tabHeight);
        canvas.LineTo(width() - 1, lineBottom);
    }
    canvas.Font.Assign(std::as_const(*ownerTab_).TabFont());
    const std::vector<TRect> rects = TabRects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        TRect rect = rects[i];
        if (rect.IsEmpty()) continue;
        const TBitmap& picture = int(i) == tabIndex_ ? activePicture_ : inactivePicture_;
        if (!picture.Empty()) SpitDrawHorizontal(picture, canvas, rect, true);
        canvas.Brush.Style = bsClear;
        canvas.DrawText(tabs_[int(i)], rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

// ---- TsuiTab ----------------------------------------------------------------

TsuiTab::TsuiTab(QObject* owner, QWidget* parent, TopPanelFactory createTopPanel)
    : TsuiControl(owner, parent, TsuiContainerStyle::Ignore), topPanel_(createTopPanel(this))
{
    connect(&tabFont_, &TFont::OnChange, topPanel_, &TsuiControl::Invalidate);
    connect(topPanel_, &TsuiTabControlTopPanel::TabIndexChanged, this, &TsuiTab::TabIndexChanged);
    SetCaption(QStringLiteral(" "));
    SetBounds(0, 0, 185, 80);
    SetUIStyle(GetSUIFormStyle(owner));
}

void TsuiTab::SetUIStyle(TsuiUIStyle style)
{
    if (style == TsuiUIStyle::Custom) return;
    TsuiControl::SetUIStyle(style);
}

void TsuiTab::ReadTheme()
{
    topPanel_->SetColor(GetThemeColor(UIStyle(), teControlColor));
    borderColor_ = GetThemeColor(UIStyle(), teControlBorderColor);
    topPanel_->SetUIStyle(UIStyle());
    SetColor(UIStyle() == TsuiUIStyle::WinXP ? clWhite : GetThemeColor(UIStyle(), teControlColor));
}

void TsuiTab::SetBorderColor(TColor color)
{
    borderColor_ = color;
    BorderColorChanged();
    Invalidate();
    topPanel_->Invalidate();
}

void TsuiTab::TabActive(int index)
{
    if (!IsLoading()) emit OnTabActive(index);
}

void TsuiTab::UpdateUIStyle(TsuiUIStyle style)
{
    ContainerApplyUIStyle(this, style);
}

// The area under the strip in Color with a border on three sides; the
// strip's line picture is the top edge.
void TsuiTab::Paint(TCanvas& canvas)
{
    const int top = topPanel_->height();
    canvas.Pen.Color = borderColor_;
    canvas.MoveTo(0, top);
    canvas.LineTo(0, height() - 1);
    canvas.LineTo(width() - 1, height() - 1);
    canvas.LineTo(width() - 1, top - 1);
}

// ---- TsuiTabControl -------------------------------------------------------

TsuiTabControl::TsuiTabControl(QObject* owner, QWidget* parent)
    : TsuiTab(owner, parent, [](TsuiTab* tab) { return new TsuiTabControlTopPanel(tab); })
{
}

bool TsuiTabControl::PassUIStyleOn(TsuiUIStyle style)
{
    UpdateUIStyle(style);
    return true;
}

// ---- Accessibility ----------------------------------------------------------
// The strip is a page tab list; its tabs are not widgets, so each is an
// interface of its own (registered, so assistive technology can hold on to
// it), answering for the strip and its index while that tab exists.

namespace {

class TabInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabInterface(TsuiTabControlTopPanel* strip, int index) : strip_(strip), index_(index) {}

    bool isValid() const override { return strip_ && index_ < strip_->TabList().Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return strip_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? StripAccelerator(strip_->TabList()[index_]) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect local = strip_->TabRects()[std::size_t(index_)].toQRect();
        return QRect(strip_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) return s;
        s.selectable = true;
        s.selected = strip_->TabIndex() == index_;
        s.invisible = !strip_->isVisible() || !strip_->TabVisible(index_);
        s.disabled = !strip_->isEnabled();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && strip_->isEnabled() && strip_->TabVisible(index_))
            strip_->SetTabIndex(index_);
    }

private:
    QPointer<TsuiTabControlTopPanel> strip_;
    int index_;
};

class StripInterface : public QAccessibleWidget {
public:
    explicit StripInterface(TsuiTabControlTopPanel* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}

    ~StripInterface() override
    {
        for (QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Strip()->TabList().Count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto found = tabs_.constFind(index); found != tabs_.cend())
            return QAccessible::accessibleInterface(*found);
        auto* tab = new TabInterface(Strip(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = tabs_.cbegin(); it != tabs_.cend(); ++it)
            if (QAccessible::accessibleInterface(*it) == child) return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(Strip()->TabAt(Strip()->mapFromGlobal(QPoint(x, y))));
    }

private:
    TsuiTabControlTopPanel* Strip() const { return static_cast<TsuiTabControlTopPanel*>(widget()); }
    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* TabStripFactory(const QString&, QObject* object)
{
    if (auto* strip = qobject_cast<TsuiTabControlTopPanel*>(object)) return new StripInterface(strip);
    return nullptr;
}

void InstallTabAccessibility()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(TabStripFactory); });
}

void NotifyTabsChanged(QWidget* strip)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(strip, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void NotifyTabSelected(QWidget* strip, int index)
{
    if (!QAccessible::isActive() || index < 0) return;
    QAccessibleEvent event(strip, QAccessible::Selection);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace
