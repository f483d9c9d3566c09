#pragma once
// The page control: a tabbed control whose tabs stand for pages, panels that
// fill the area under the strip and hold one page's controls each. Choosing
// a tab brings its page to the front; the others are hidden, so the keyboard
// never walks into a covered page. The page order survives storing and
// loading: the control stores its pages' names ("Pages"), each page the
// control it belongs to ("PageControl").

#include "skin/scrolling/suitabcontrol.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/panel.h"

#include <QPointer>

class TsuiTabSheet;

/// The strip of a page control; in a form designer a press on a tab switches
/// pages as well.
class TsuiPageControlTopPanel : public TsuiTabControlTopPanel {
    Q_OBJECT

public:
    using TsuiTabControlTopPanel::TsuiTabControlTopPanel;

signals:
    // A designer's press switched pages: the form has changed.
    void OnDesignerModified();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

/// The skinned page control: a row of tabs over pages (TsuiTabSheet), ActivePage and the style's tab
/// pictures.
class TsuiPageControl : public TsuiTab, public toolkit::TStoredExtras {
    Q_OBJECT
    Q_PROPERTY(TsuiTabSheet* ActivePage READ ActivePage WRITE SetActivePage NOTIFY ActivePageChanged)
    Q_PROPERTY(int PageCount READ PageCount STORED false)
    Q_PROPERTY(QString PageCaption READ PageCaption WRITE SetPageCaption NOTIFY PageCaptionChanged STORED false)

public:
    explicit TsuiPageControl(QObject* owner, QWidget* parent = nullptr);
    ~TsuiPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    // None when out of range.
    TsuiTabSheet* Pages(int index) const;
    TsuiTabSheet* ActivePage() const { return activePage_; }
    // A page of another control is not activated; none clears the choice.
    void SetActivePage(TsuiTabSheet* sheet) { ActivatePage(sheet); }
    // The active page's tab text, empty without one. Set on a page added as
    // a plain widget, it becomes that widget's window title.
    QString PageCaption() const;
    void SetPageCaption(const QString& caption);
    // 0 without an active page.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // Normally reached by setting a sheet's parent to this control.
    void InsertPage(TsuiTabSheet* sheet);
    // A page made as a plain widget (by Qt Designer, a form loaded at run
    // time or uic-generated code) goes on a new sheet it fills; a sheet is
    // inserted as it is. The active page stays active (the first page added
    // becomes it). Such a sheet goes when its page is deleted or taken off
    // it. Returns the page's sheet.
    Q_INVOKABLE TsuiTabSheet* AddPage(QWidget* page);
    void RemovePage(TsuiTabSheet* sheet);
    // An index out of range is replaced by the sheet's own and nothing moves.
    void MovePage(TsuiTabSheet* sheet, int& index);

    // Brings the page to the front, raises its OnShow and then OnTabActive
    // (not while loading), once each.
    void ActivatePage(TsuiTabSheet* sheet);
    void ActivatePage(int index);
    // The nearest visible page before index, else the first after it.
    void ActivateNextVisiblePage(int index);
    // -1 when there is no other visible page.
    int FindNextVisiblePage(int index) const;
    int FindPrevVisiblePage(int index) const;
    TsuiTabSheet* FindNextPage(TsuiTabSheet* sheet, bool forward) const;
    // Keeps the current page when no other is visible.
    void SelectNextPage(bool forward);
    // Brings the page that holds the control to the front, so that it can
    // be seen and focused.
    void ShowControl(QWidget* control);
    TsuiTabSheet* GetCurPage() const { return Pages(TopPanel()->TabIndex()); }
    // A new sheet named "suiTabSheet<n>" (n the page count plus one, or the
    // next free number), captioned with its name and activated.
    TsuiTabSheet* NewPage();

    void UpdatePageIndex();
    void UpdateCaptions();
    void UpdateTabVisible();
    // Orders the pages as the stored "Pages" names say; pages not named
    // there follow in their present order.
    void ReSortPages();

    void TabActive(int index) override;
    void Loaded() override;

    bool ReadExtraProperty(const QString& name, const toolkit::TLayoutValue& value) override;
    void WriteExtraProperties(toolkit::TLayoutWriter& writer) const override;

signals:
    void PageCaptionChanged(const QString& caption);
    // Another page is in front (none once the last page has gone).
    void ActivePageChanged();

protected:
    void BorderColorChanged() override;
    void ColorChanged() override;
    void UpdateUIStyle(TsuiUIStyle style) override;

private:
    // The nearest visible page before index, then from index (or after it)
    // to the end; -1 for none.
    int NearestVisiblePage(int index, bool includeIndex) const;
    void ShowActivePage();

    QList<TsuiTabSheet*> pages_;
    QPointer<TsuiTabSheet> activePage_;
    QStringList savedPageOrder_;
};

/// One page of a skinned page control: its caption on a tab, its children on the page.
class TsuiTabSheet : public toolkit::TCustomPanel, public TsuiStyled {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TsuiPageControl* PageControl READ PageControl WRITE SetPageControl)

public:
    explicit TsuiTabSheet(QObject* owner, QWidget* parent = nullptr);
    ~TsuiTabSheet() override;

    TsuiPageControl* PageControl() const { return pageControl_; }
    // Places the sheet in the page control (none leaves it where it is).
    void SetPageControl(TsuiPageControl* pageControl);
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int index);
    // The plain widget the sheet shows (see TsuiPageControl::AddPage); none
    // when the sheet holds its controls itself.
    QWidget* Content() const { return content_; }
    // The tab's text; the panel's own text stays blank.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) override;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    toolkit::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(toolkit::TColor color) { Store(borderColor_, color); }

    void ApplyContainerStyle(TsuiUIStyle) override {}
    bool PassUIStyleOn(TsuiUIStyle style) override;

signals:
    void OnShow();

protected:
    void Paint(toolkit::TCanvas& canvas) override;
    bool event(QEvent* event) override;

private:
    friend class TsuiPageControl;
    void FollowParent();
    // Fills the sheet with `page`; the tab reads the page's window title,
    // or its name while it has none, and follows both.
    void Show(QWidget* page);
    void CaptionFromContent();
    void ContentLeft();

    QPointer<TsuiPageControl> pageControl_;
    // A child while set: cleared when it leaves (raw, since a QPointer is
    // already empty when a deleted child says it leaves).
    QWidget* content_ = nullptr;
    int pageIndex_ = -1;
    QString caption_;
    toolkit::TColor borderColor_ = 0;
    bool tabVisible_ = true;
};

// A form designer's page commands, given the component the command is for.
TsuiTabSheet* PageControl_InsertPage(QObject* component);
void PageControl_RemovePage(QObject* component);
bool PageControl_CanRemove(QObject* component);
QObject* TabSheet_InsertPage(QObject* component);
void TabSheet_RemovePage(QObject* component);
bool TabSheet_CanRemove(QObject* component);
