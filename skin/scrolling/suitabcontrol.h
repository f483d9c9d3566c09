#pragma once
// The tab control family: the tab strip painted from the style's tab
// pictures, the tabbed control it sits on (style, border, tab font and the
// OnTabActive event) and the plain tab control that only reports the choice.

#include "skin/themes/suicontrol.h"
#include "toolkit/graphics.h"
#include "toolkit/stringlist.h"

#include <QStringList>
#include <vector>

class TsuiTab;

/// The row of tabs along the top of a tabbed control. Every visible tab is a
/// part of the pointer machine; a click on one selects it.
class TsuiTabControlTopPanel : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched DESIGNABLE false)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched DESIGNABLE false)
    Q_PROPERTY(QStringList Tabs READ Tabs WRITE SetTabs DESIGNABLE false)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex NOTIFY TabIndexChanged DESIGNABLE false)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin DESIGNABLE false)

public:
    // An empty caption still gets a tab this wide; others get their text
    // width and this padding.
    static constexpr int EmptyTabWidth = 80;
    static constexpr int CaptionPadding = 20;

    explicit TsuiTabControlTopPanel(TsuiTab* ownerTab);

    TsuiTab* OwnerTab() const { return ownerTab_; }
    QStringList Tabs() const { return tabs_.ToQStringList(); }
    toolkit::TStringList& TabList() { return tabs_; }
    void SetTabs(const QStringList& tabs) { tabs_.Assign(tabs); }
    int TabIndex() const { return tabIndex_; }
    // No tabs: none selected. An index from -1 to the last tab is selected
    // and reported to the owner (again when it already is); others are
    // ignored.
    void SetTabIndex(int index);
    // Shows a selection without reporting it to the owner (it already knows).
    void ShowSelected(int index) { StoreTabIndex(index); }
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int margin) { Store(leftMargin_, margin); }
    bool TabVisible(int index) const;
    void SetTabVisible(int index, bool visible);
    // One flag per tab, in tab order; tabs past the list are visible.
    void SetTabsVisible(const QList<bool>& visible);

    // Height of the tabs: the active tab picture's (the whole strip when the
    // style has no pictures).
    int TabHeight() const;
    // Where each tab is drawn, in tab order: the selected one a pixel lower,
    // a hidden one empty (zero wide at the x where the next tab starts).
    std::vector<toolkit::TRect> TabRects() const;
    // The tab a point is strictly inside of, above the line; NoPart for none.
    int TabAt(const QPoint& point) const { return PartAt(point); }

signals:
    void TabIndexChanged();

protected:
    void ReadTheme() override;
    void Paint(toolkit::TCanvas& canvas) override;
    // Shows the parent of the tabbed control beside and above the tabs.
    bool KeepsPicture() const override { return false; }
    int PartAt(const QPoint& point) const override;
    void PartClicked(int part) override { SetTabIndex(part); }
    // Tabs have no hover or pressed look.
    void PointerStateChanged() override {}

private:
    // Stores and shows the index; emits TabIndexChanged when it changed.
    // Returns whether the strip still exists.
    bool StoreTabIndex(int index);

    TsuiTab* ownerTab_;
    toolkit::TStringList tabs_;
    QList<bool> tabVisible_; // missing entries are visible
    int tabIndex_ = 0;
    int leftMargin_ = 10;
    toolkit::TBitmap activePicture_;
    toolkit::TBitmap inactivePicture_;
    toolkit::TBitmap linePicture_;
};

/// A panel whose top is a tab strip and whose remainder is a bordered area for
/// other controls.
class TsuiTab : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ TabFont)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)

public:
    using TopPanelFactory = TsuiTabControlTopPanel* (*)(TsuiTab* owner);

    TsuiTab(QObject* owner, QWidget* parent, TopPanelFactory createTopPanel);

    TsuiTabControlTopPanel* TopPanel() const { return topPanel_; }

    // Custom is refused: nothing changes, the stored style included.
    void SetUIStyle(TsuiUIStyle style);
    void ApplyContainerStyle(TsuiUIStyle style) override { SetUIStyle(style); }

    int LeftMargin() const { return topPanel_->LeftMargin(); }
    void SetLeftMargin(int margin) { topPanel_->SetLeftMargin(margin); }
    toolkit::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(toolkit::TColor color);
    // The tabs' font, apart from the control's own.
    toolkit::TFont* TabFont() { return &tabFont_; }
    const toolkit::TFont& TabFont() const { return tabFont_; }
    void SetTabFont(const toolkit::TFont& font) { tabFont_.Assign(font); }

    virtual void SetTabIndex(int index) { topPanel_->SetTabIndex(index); }
    // A tab was chosen: raises OnTabActive, except while loading.
    virtual void TabActive(int index);

signals:
    void OnTabActive(int TabIndex);
    // The strip's TabIndex changed, by a click, a key or a setter.
    void TabIndexChanged();

protected:
    virtual void BorderColorChanged() {}
    // Passes a style on to the controls inside.
    virtual void UpdateUIStyle(TsuiUIStyle style);

    void ReadTheme() override;
    void UIStyleChanged() override { UpdateUIStyle(UIStyle()); }
    void Paint(toolkit::TCanvas& canvas) override;
    void PointerStateChanged() override {}

private:
    toolkit::TFont tabFont_;
    toolkit::TColor borderColor_ = 0;
    TsuiTabControlTopPanel* topPanel_;
};

/// The plain tab control: choosing a tab changes only the strip and raises
/// OnTabActive; the application does the rest.
class TsuiTabControl : public TsuiTab {
    Q_OBJECT
    Q_PROPERTY(QStringList Tabs READ Tabs WRITE SetTabs)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex NOTIFY TabIndexChanged)

public:
    explicit TsuiTabControl(QObject* owner, QWidget* parent = nullptr);

    QStringList Tabs() const { return TopPanel()->Tabs(); }
    void SetTabs(const QStringList& tabs) { TopPanel()->SetTabs(tabs); }
    int TabIndex() const { return TopPanel()->TabIndex(); }

    bool PassUIStyleOn(TsuiUIStyle style) override;
};
