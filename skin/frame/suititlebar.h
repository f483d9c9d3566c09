#pragma once
// The skinned caption strip of a window: picture sections laid from both
// ends, the caption, a control box or the application icon at the left and a
// row of caption buttons at the right. Dragging the bar moves its window;
// the buttons carry out their window commands themselves.

#include "skin/themes/suicontrol.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suithemes.h"
#include "toolkit/collection.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"
#include "toolkit/layoutregistry.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <vector>

namespace Suititlebar {
Q_NAMESPACE

enum TsuiTitleBarBtnType : std::uint8_t { suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom };
Q_ENUM_NS(TsuiTitleBarBtnType)

enum TsuiTitleBarAlign : std::uint8_t { suiLeft, suiRight, suiClient };
Q_ENUM_NS(TsuiTitleBarAlign)

} // namespace Suititlebar

using Suititlebar::TsuiTitleBarAlign;
using Suititlebar::TsuiTitleBarBtnType;
inline constexpr auto suiMax = TsuiTitleBarBtnType::suiMax;
inline constexpr auto suiMin = TsuiTitleBarBtnType::suiMin;
inline constexpr auto suiClose = TsuiTitleBarBtnType::suiClose;
inline constexpr auto suiHelp = TsuiTitleBarBtnType::suiHelp;
inline constexpr auto suiControlBox = TsuiTitleBarBtnType::suiControlBox;
inline constexpr auto suiCustom = TsuiTitleBarBtnType::suiCustom;
inline constexpr auto suiLeft = TsuiTitleBarAlign::suiLeft;
inline constexpr auto suiRight = TsuiTitleBarAlign::suiRight;
inline constexpr auto suiClient = TsuiTitleBarAlign::suiClient;

class TsuiTitleBar;

// The form a control sits on: the multiple-document child window around it,
// or its top-level window.
QWidget* FormWindowOf(QWidget* control);

// The program's icon at 16 x 16 pixels, with its transparency; null when the
// program has none.
QImage ApplicationIcon();

class TsuiTitleBarSection : public toolkit::TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(Suititlebar::TsuiTitleBarAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(toolkit::TPicture* Picture READ Picture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    TsuiTitleBarSection();

    bool AutoSize() const { return autoSize_; }
    int Width() const { return width_; }
    TsuiTitleBarAlign Align() const { return align_; }
    toolkit::TPicture* Picture() { return &picture_; }
    const toolkit::TPicture& Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }

    void SetAutoSize(bool on);
    void SetWidth(int width);
    // A second client section is refused with a message.
    void SetAlign(TsuiTitleBarAlign align);
    void SetPicture(const toolkit::TPicture& picture);
    void SetStretch(bool on);
    void Assign(const TsuiTitleBarSection& source);

private:
    void FitWidthToPicture();

    bool autoSize_ = false;
    int width_ = 10;
    TsuiTitleBarAlign align_ = suiLeft;
    toolkit::TPicture picture_;
    bool stretch_ = false;
};

class TsuiTitleBarButton : public toolkit::TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(Suititlebar::TsuiTitleBarBtnType ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    // A reference to a menu elsewhere on the form; not stored.
    Q_PROPERTY(QMenu* ControlBoxMenu READ ControlBoxMenu WRITE SetControlBoxMenu STORED false)
    Q_PROPERTY(toolkit::TPicture* PicNormal READ PicNormal)
    Q_PROPERTY(toolkit::TPicture* PicMouseOn READ PicMouseOn)
    Q_PROPERTY(toolkit::TPicture* PicMouseDown READ PicMouseDown)

public:
    TsuiTitleBarButton();

    TsuiTitleBarBtnType ButtonType() const { return type_; }
    bool Transparent() const { return transparent_; }
    int Top() const { return top_; }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    QMenu* ControlBoxMenu() const { return controlBoxMenu_; }
    toolkit::TPicture* PicNormal() { return &picNormal_; }
    toolkit::TPicture* PicMouseOn() { return &picMouseOn_; }
    toolkit::TPicture* PicMouseDown() { return &picMouseDown_; }
    const toolkit::TPicture& PicNormal() const { return picNormal_; }
    const toolkit::TPicture& PicMouseOn() const { return picMouseOn_; }
    const toolkit::TPicture& PicMouseDown() const { return picMouseDown_; }

    // A second control box is refused with a message.
    void SetButtonType(TsuiTitleBarBtnType type);
    void SetTransparent(bool on);
    void SetTop(int top);
    void SetUIStyle(TsuiUIStyle style);
    void SetControlBoxMenu(QMenu* menu);
    void SetPicNormal(const toolkit::TPicture& picture);
    void SetPicMouseOn(const toolkit::TPicture& picture);
    void SetPicMouseDown(const toolkit::TPicture& picture);
    void Assign(const TsuiTitleBarButton& source);

    // The button's window command.
    void DoClick();
    // Reloads the pictures of the style and type.
    void UpdateUIStyle();
    // Maximise or restore pictures, following the window's state.
    void ProcessMaxBtn();

    TsuiTitleBar* Bar() const;
    // What the button does, for assistive technology ("Close", "Minimise" ...).
    QString Purpose() const;

private:
    void LoadPictures(TsuiFace face);

    TsuiTitleBarBtnType type_ = suiCustom;
    bool transparent_ = false;
    int top_ = 2;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    QPointer<QMenu> controlBoxMenu_;
    toolkit::TPicture picNormal_;
    toolkit::TPicture picMouseOn_;
    toolkit::TPicture picMouseDown_;
};

// The bar's sections and buttons: collections that repaint their bar when
// an item changes.
template <class Item> class TsuiTitleBarCollection : public toolkit::TCollection<Item> {
public:
    explicit TsuiTitleBarCollection(TsuiTitleBar* owner);

    TsuiTitleBar* GetOwner() const { return owner_; }
    // Replaces the items by copies of the source's.
    void Assign(const TsuiTitleBarCollection& source);

protected:
    void Update(toolkit::TCollectionItem* item) override;

private:
    TsuiTitleBar* owner_;
};

class TsuiTitleBarSections : public TsuiTitleBarCollection<TsuiTitleBarSection> {
    Q_OBJECT
public:
    using TsuiTitleBarCollection::TsuiTitleBarCollection;
};

class TsuiTitleBarButtons : public TsuiTitleBarCollection<TsuiTitleBarButton> {
    Q_OBJECT
public:
    using TsuiTitleBarCollection::TsuiTitleBarCollection;
};

// Where everything on the bar goes, from its state alone; painting and the
// mouse both read it.
struct TsuiTitleBarLayout {
    // Per button in collection order; empty for the control box when it is
    // not shown as a button or icon.
    std::vector<toolkit::TRect> Buttons;
    int ControlBox = -1;
    int CaptionX = 0;
    // Left edge of the leftmost right-hand button: the caption ends here.
    int CaptionLimit = 0;
    bool AppIcon = false;
};

class TsuiTitleBar : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize)
    Q_PROPERTY(TsuiTitleBarSections* Sections READ Sections)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiTitleBarButtons* Buttons READ Buttons)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool FormActive READ FormActive WRITE SetActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE SetLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE SetRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE SetDrawAppIcon)

public:
    explicit TsuiTitleBar(QObject* owner, QWidget* parent = nullptr);
    ~TsuiTitleBar() override;

    bool AutoSize() const { return autoSize_; }
    TsuiTitleBarSections* Sections() const { return sections_.get(); }
    TsuiTitleBarButtons* Buttons() const { return buttons_.get(); }
    int ButtonInterval() const { return buttonInterval_; }
    bool FormActive() const { return formActive_; }
    int LeftBtnXOffset() const { return leftBtnXOffset_; }
    int RightBtnXOffset() const { return rightBtnXOffset_; }
    bool DrawAppIcon() const { return drawAppIcon_; }
    // The button under the pointer, and whether a press on one is held.
    int HotButton() const { return HoverPart(); }
    bool Pressed() const { return HeldPart() != NoPart; }
    int RoundCorner() const { return roundCorner_; }

    void FSetAutoSize(bool on);
    void SetSections(const TsuiTitleBarSections& sections);
    void SetButtons(const TsuiTitleBarButtons& buttons);
    void SetButtonInterval(int interval);
    void SetActive(bool active);
    void SetLeftBtnXOffset(int offset);
    void SetRightBtnXOffset(int offset);
    void SetDrawAppIcon(bool on);

    // The window the bar sits on, or null when the bar is a window itself.
    QWidget* ParentForm() const;
    // Whether the bar is the title bar of a skinned form.
    bool InForm() const;
    // Maximises the window or restores it. Where no window manager answers
    // (a kiosk, an embedded panel, a virtual display) the window would keep
    // its size: the bar then places it over the work area itself and puts it
    // back on restore.
    void ToggleMaximised();
    // Re-applies the window shape after the window changed size.
    void OnFormReSize();
    // Shapes the window: rounded top corners of this size, square bottom.
    void SetFormRoundCorner(int size);

    // The geometry of buttons and caption for the bar's current state.
    TsuiTitleBarLayout ComputeLayout() const;
    // The button under a point of the bar, as a click would find it; -1 none.
    int ButtonAt(const QPoint& point) const;
    // The caption as drawn: shortened to two characters and "..." when it
    // does not fit before the buttons.
    QString ShownCaption(const toolkit::TCanvas& canvas, const TsuiTitleBarLayout& layout) const;
    // The colour the caption is drawn in.
    toolkit::TColor CaptionColor() const;

    // The button's command and its event, as a click on it.
    void ClickButton(int index);

    // Repaints after a change of a section or button.
    void Changed() { Invalidate(); }

signals:
    void OnCustomBtnsClick(QObject* Sender, int ButtonIndex);
    void OnHelpBtnClick(QObject* Sender, int ButtonIndex);

protected:
    void Paint(toolkit::TCanvas& canvas) override;
    virtual void DrawSectionsTo(toolkit::TBitmap& bitmap);
    virtual void DrawButtons(toolkit::TBitmap& bitmap);

    void CaptionChanged() override;
    void FontChanged() override { Invalidate(); }
    void ReadTheme() override;
    int PartAt(const QPoint& point) const override { return ButtonAt(point); }
    void PartClicked(int part) override { ClickButton(part); }
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void StartWindowMove(const QPoint& globalPos);
    const toolkit::TPicture& FaceOf(const TsuiTitleBarButton& button, int index) const;

    // Declared before the buttons so that the buttons are freed first.
    std::unique_ptr<TsuiTitleBarSections> sections_;
    std::unique_ptr<TsuiTitleBarButtons> buttons_;
    bool autoSize_ = false;
    int buttonInterval_ = 0;
    bool formActive_ = true;
    int leftBtnXOffset_ = 0;
    int rightBtnXOffset_ = 0;
    bool drawAppIcon_ = false;
    int roundCorner_ = 0;
    // A window move done by hand where the window system cannot do it.
    bool movingByHand_ = false;
    QPoint moveGrab_;
    // The window's bounds before it was maximised, for a restore by hand.
    QRect normalBounds_;
    // A newer maximise or restore request cancels the check of an older one.
    int windowRequests_ = 0;
};
