#pragma once
// The toolkit's label, static text and a status bar that stored layouts can
// describe: the plain Qt controls with the classic stored properties.

#include "toolkit/align.h"
#include "toolkit/component.h"
#include "toolkit/controlevents.h"
#include "toolkit/graphics.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/statusbar.h"

#include <QLabel>

namespace toolkit {

namespace stdctrls_meta {
Q_NAMESPACE
enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
Q_ENUM_NS(TStaticBorderStyle)
} // namespace stdctrls_meta

using TStaticBorderStyle = stdctrls_meta::TStaticBorderStyle;
using enum stdctrls_meta::TStaticBorderStyle;

/// The toolkit label: Caption, AutoSize, Color, Font, Transparent and the common properties and events.
/// It takes no focus, so its key and focus events never fire.
class TLabel : public QLabel, public TComponent, public TControlProperties {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString Caption READ text WRITE SetCaption)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    explicit TLabel(QWidget* parent = nullptr);

    bool AutoSize() const { return autoSize_; }
    TColor Color() const { return color_; }
    TFont* Font() { return &font_; }
    bool Transparent() const { return transparent_; }

    // With AutoSize the label fits its caption.
    void SetAutoSize(bool on);
    void SetCaption(const QString& caption);
    void SetColor(TColor color);
    void SetTransparent(bool on);

signals:
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    void StartDrag() override { TControlEvents<TLabel>::StartDrag(*this); }

private:
    void Fit();
    void ApplyFont();
    void ApplyBackground();

    bool autoSize_ = true;
    TColor color_ = clBtnFace;
    TFont font_;
    bool transparent_ = false;
};

/// A label with a border, drawn by the window system as a static control.
class TStaticText : public TLabel {
    Q_OBJECT
    Q_PROPERTY(toolkit::stdctrls_meta::TStaticBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

public:
    explicit TStaticText(QWidget* parent = nullptr);

    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle style);

private:
    TStaticBorderStyle borderStyle_ = sbsNone;
};

/// The panels of a stored status bar: `Panels = < item Width = 120 end ... >`.
/// A stored bar starts without panels, so only an empty bar can be filled.
class TStatusPanelsCollection : public QObject, public TLayoutCollection {
    Q_OBJECT
public:
    explicit TStatusPanelsCollection(TStatusBar* bar) : QObject(bar), bar_(bar) {}
    void ClearItems() override;
    QObject* AddItem() override;
    QList<QObject*> Items() const override;

private:
    TStatusBar* bar_;
};

/// The status bar as stored in layouts: its bounds and its Panels.
class TStoredStatusBar : public TStatusBar, public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(toolkit::TStatusPanelsCollection* Panels READ PanelsCollection)

public:
    explicit TStoredStatusBar(QWidget* parent = nullptr);

    void SetLeft(int left) { move(left, y()); }
    void SetTop(int top) { move(x(), top); }
    void SetWidth(int w) { resize(w, height()); }
    void SetHeight(int h) { resize(width(), h); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TStatusPanelsCollection* PanelsCollection() { return &panels_; }

private:
    TStatusPanelsCollection panels_{this};
    TAlign align_ = alNone;
};

// Makes the toolkit's stored controls readable from layouts under their
// classic names: TLabel, TStaticText, TStatusBar, TPanel, TSpeedButton, TComboBox,
// TImageList, TMainMenu, TPopupMenu, TActionList, TAction, TMenuItem, TToolBar, TToolButton. Registering
// again changes nothing.
void RegisterStandardControls();

} // namespace toolkit
