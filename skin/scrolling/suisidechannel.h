#pragma once
// A panel docked to the left or right edge of its parent that shows only a
// narrow grip bar until the pointer touches it (or it is clicked), then
// slides out to its full width with a caption bar and a pin. It slides back
// when the pointer has left it, unless pinned. Sliding out is a pop, sliding
// in a push.

#include "skin/themes/suithemes.h"
#include "toolkit/panel.h"

#include <QObject>
#include <QPointer>
#include <cstdint>

class QTimer;
class TsuiButton;

namespace toolkit {
class TSpeedButton;
}

namespace Suisidechannel {
Q_NAMESPACE

enum TsuiSideChannelAlign : std::uint8_t { suiLeft, suiRight };
Q_ENUM_NS(TsuiSideChannelAlign)
enum TsuiSideChannelPopupMode : std::uint8_t { suiMouseOn, suiMouseClick };
Q_ENUM_NS(TsuiSideChannelPopupMode)

} // namespace Suisidechannel

using Suisidechannel::TsuiSideChannelAlign;
using Suisidechannel::TsuiSideChannelPopupMode;
// suiLeft and suiRight are also the title bar's alignments: written qualified.
inline constexpr auto suiMouseOn = TsuiSideChannelPopupMode::suiMouseOn;
inline constexpr auto suiMouseClick = TsuiSideChannelPopupMode::suiMouseClick;

/// A panel docked at a window's edge that slides out when the pointer reaches its grip and back in when it
/// leaves (StayOn keeps it out).
class TsuiSideChannel : public toolkit::TCustomPanel, public TsuiStyled {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(int Width READ OutWidth WRITE SetWidth)
    Q_PROPERTY(quint32 SideBarColor READ SideBarColor WRITE SetSideColor)
    Q_PROPERTY(int SideBarWidth READ SideBarWidth WRITE SetSideWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::panel_meta::TAlignment Alignment READ Alignment WRITE SetAlignment)
    // The docking edge; the toolkit's own alignment follows it.
    Q_PROPERTY(Suisidechannel::TsuiSideChannelAlign Align READ SideAlign WRITE SetSideAlign)
    Q_PROPERTY(bool StayOn READ StayOn WRITE SetStayOn)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(Suisidechannel::TsuiSideChannelPopupMode PopupMode READ PopupMode WRITE SetPopupMode)
    Q_PROPERTY(bool QuickMove READ QuickMove WRITE SetQuickMove)

public:
    // Slides move by this many pixels per step.
    static constexpr int SlideStep = 15;
    // The open channel cannot be made narrower than this.
    static constexpr int MinOutWidth = 50;
    static constexpr int LeaveCheckInterval = 500;

    explicit TsuiSideChannel(QObject* owner, QWidget* parent = nullptr);
    ~TsuiSideChannel() override;

    // The width when out; the control is only as wide as its side bar while in.
    int OutWidth() const { return outWidth_; }
    // Sets the out width; in a designer the control takes it at once, at
    // run time at the next pop.
    void SetWidth(int width) override;
    toolkit::TColor SideBarColor() const;
    void SetSideColor(toolkit::TColor color);
    int SideBarWidth() const;
    // Pushes the channel in at once, unless it is pinned out.
    void SetSideWidth(int width);
    QString Caption() const { return caption_; }
    // The caption bar shows it at once while out (and in a designer); a
    // channel that is in keeps its bar empty, so that no clipped piece of
    // the caption shows above the grip, and shows it at the next pop.
    void SetCaption(const QString& caption) override;
    toolkit::TAlignment Alignment() const;
    void SetAlignment(toolkit::TAlignment alignment);
    TsuiSideChannelAlign SideAlign() const { return sideAlign_; }
    void SetSideAlign(TsuiSideChannelAlign align);
    bool StayOn() const { return stayOn_; }
    // Pins the channel out (popping it) or unpins and pushes it at once;
    // read from a layout, it takes effect once loading is done.
    void SetStayOn(bool on);
    TsuiSideChannelPopupMode PopupMode() const { return popupMode_; }
    void SetPopupMode(TsuiSideChannelPopupMode mode) { popupMode_ = mode; }
    bool QuickMove() const { return quickMove_; }
    void SetQuickMove(bool on) { quickMove_ = on; }

    bool IsOut() const { return out_; }
    bool IsMoving() const { return moving_; }
    // Slide out or in, step by step or at once. A request while sliding, or
    // for the state the channel is already in, is ignored. Sliding lets
    // pending events run between steps; the channel may be deleted there.
    void Pop(bool quick);
    void Push(bool quick);

    // Whether a screen point is strictly inside the channel (its edges count
    // as outside): the leaving check pushes the channel when not.
    bool PointerInside(const QPoint& global) const;

    void ApplyContainerStyle(TsuiUIStyle style) override;
    // The controls placed in the channel take a pushed style, as on a panel;
    // its own parts (grip, pin, bars) have a fixed look and are not reached.
    bool PassUIStyleOn(TsuiUIStyle style) override;
    void Loaded() override;

    toolkit::TSpeedButton* PinButton() const { return pin_; }
    TsuiButton* GripButton() const { return grip_; }
    toolkit::TPanel* SideBar() const { return sideBar_; }
    toolkit::TPanel* CaptionBar() const { return captionBar_; }
    QTimer* CheckTimer() const { return checkTimer_; }

signals:
    void OnResize();
    void OnCanResize(int& NewWidth, int& NewHeight, bool& Resize);
    void OnPush();
    void OnPop();

protected:
    bool CanResize(int& newWidth, int& newHeight) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    // One width of a slide; false when the channel was deleted meanwhile.
    bool SlideTo(int width, bool processEvents);
    void PinClicked();
    void TimerCheck();
    // The controls placed in the channel lie outside it while it is in:
    // they are hidden then, so that neither assistive technology nor the
    // focus chain reaches them, and shown again when it slides out. Only
    // the controls the channel hid itself come back.
    void ShowContents(bool show);
    void HideContentsWhileIn();

    toolkit::TPanel* captionBar_;
    toolkit::TPanel* sideBar_;
    toolkit::TSpeedButton* pin_;
    TsuiButton* grip_;
    QTimer* checkTimer_;
    int outWidth_ = 185;
    bool moving_ = false;
    bool out_ = false;
    QString caption_;
    TsuiSideChannelAlign sideAlign_ = TsuiSideChannelAlign::suiLeft;
    bool stayOn_ = false;
    TsuiSideChannelPopupMode popupMode_ = suiMouseOn;
    bool quickMove_ = false;
    QList<QPointer<QWidget>> hiddenContents_;
};
