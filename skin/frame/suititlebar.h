#pragma once
// The skinned caption strip of a window: picture sections laid from both
// ends, the caption, a control box or the application icon at the left and a
// row of caption buttons at the right. Dragging the bar moves its window;
// the buttons carry out their window commands themselves.

#include "skin/frame/suititlebarcollection.h"
#include "skin/frame/suititlebartypes.h"
#include "skin/frame/suiwindowcommands.h"
#include "skin/themes/suicontrol.h"
#include "skin/themes/suithemes.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <QImage>
#include <memory>
#include <vector>

// The program's icon at 16 x 16 pixels, with its transparency; null when the
// program has none.
QImage ApplicationIcon();

/// Where everything on the bar goes, from its state alone; painting and the
/// mouse both read it.
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

/// The skinned title bar: caption, icon, sections and buttons (close, maximise, minimise, help, custom) from
/// the style's pictures; drags and maximises its window.
class TsuiTitleBar : public TsuiControl, public TsuiTitleBarHost {
    Q_OBJECT
    Q_INTERFACES(TsuiTitleBarHost)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize)
    Q_PROPERTY(TsuiTitleBarSections* Sections READ Sections)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName)
    Q_PROPERTY(TsuiTitleBarButtons* Buttons READ Buttons)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
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
    QWidget* ParentForm() const override;
    // Whether the bar is the title bar of a skinned form.
    bool InForm() const;
    // Maximises the window or restores it. Where no window manager answers
    // (a kiosk, an embedded panel, a virtual display) the window would keep
    // its size: the bar then places it over the work area itself and puts it
    // back on restore.
    void ToggleMaximised() override;
    // Re-applies the window shape after the window changed size.
    void OnFormReSize() override;
    // The buttons follow the window's new state (maximised or not).
    void WindowStateChanged();
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
    void Changed() override { Invalidate(); }

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
    TsuiWindowCommands windowCommands_;
};
