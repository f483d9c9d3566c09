#include "toolkit/stdctrls.h"

#include "toolkit/combobox.h"
#include "toolkit/edits.h"
#include "toolkit/grids.h"
#include "toolkit/lists.h"
#include "toolkit/layouttree.h"
#include "toolkit/imagelist.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"
#include "toolkit/speedbutton.h"
#include "toolkit/toolbar.h"

namespace toolkit {

TLabel::TLabel(QWidget* parent) : QLabel(parent), TControlProperties(static_cast<QWidget&>(*this))
{
    setTextFormat(Qt::PlainText);
    // Drags of this application reach OnDragOver.
    setAcceptDrops(true);
    connect(&font_, &TFont::OnChange, this, &TLabel::ApplyFont);
    ApplyBackground();
}

bool TLabel::event(QEvent* event)
{
    return TControlEvents<TLabel>::Dispatch(*this, event, [this](QEvent* e) { return QLabel::event(e); });
}

// Placed by its owner, the label starts a new origin for its anchors.
void TLabel::Fit()
{
    if (!autoSize_) return;
    adjustSize();
    NoteAnchorOrigin(this);
}

void TLabel::SetAutoSize(bool on)
{
    autoSize_ = on;
    Fit();
}

void TLabel::SetCaption(const QString& caption)
{
    setText(caption);
    Fit();
}

void TLabel::SetColor(TColor color)
{
    color_ = color;
    ApplyBackground();
}

void TLabel::SetTransparent(bool on)
{
    transparent_ = on;
    ApplyBackground();
}

void TLabel::ApplyBackground()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorToQColor(color_));
    setPalette(colours);
    setAutoFillBackground(!transparent_);
}

// Until a font is stored the label keeps the one its window hands down.
void TLabel::ApplyFont()
{
    setFont(font_.toQFont());
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ColorToQColor(font_.Color()));
    setPalette(colours);
    Fit();
}

TStaticText::TStaticText(QWidget* parent) : TLabel(parent) {}

void TStaticText::SetBorderStyle(TStaticBorderStyle style)
{
    borderStyle_ = style;
    switch (style) {
    case sbsNone:
        setFrameStyle(QFrame::NoFrame);
        break;
    case sbsSingle:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case sbsSunken:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
    setLineWidth(1);
}

void TStatusPanelsCollection::ClearItems()
{
    if (bar_->Panels.Count() != 0)
        throw ELayoutError(0, 0, QStringLiteral("status bar panels can only be stored into an empty bar"));
}

QObject* TStatusPanelsCollection::AddItem()
{
    return bar_->AddPanel(50);
}

QList<QObject*> TStatusPanelsCollection::Items() const
{
    QList<QObject*> items;
    for (int i = 0; i < bar_->Panels.Count(); ++i)
        items << bar_->Panels[i];
    return items;
}

TStoredStatusBar::TStoredStatusBar(QWidget* parent) : TStatusBar(parent) {}

// The arranger reads the alignment back through this property.
void TStoredStatusBar::SetAlign(TAlign align)
{
    align_ = align;
    if (QWidget* parent = parentWidget()) {
        EnableAlign(parent);
        AlignControls(parent);
    }
}

void RegisterStandardControls()
{
    RegisterClass<TLabel>(QStringLiteral("TLabel"));
    RegisterClass<TStaticText>(QStringLiteral("TStaticText"));
    RegisterClass<TStoredStatusBar>(QStringLiteral("TStatusBar"));
    RegisterClass<TPanel>(QStringLiteral("TPanel"));
    RegisterClass<TSpeedButton>(QStringLiteral("TSpeedButton"));
    RegisterClass<TComboBox>(QStringLiteral("TComboBox"));
    RegisterClass<TImageList>(QStringLiteral("TImageList"));
    RegisterClass<TMainMenu>(QStringLiteral("TMainMenu"));
    RegisterClass<TPopupMenu>(QStringLiteral("TPopupMenu"));
    RegisterClass<TActionList>(QStringLiteral("TActionList"));
    RegisterClass<TAction>(QStringLiteral("TAction"));
    RegisterClass<TMenuItem>(QStringLiteral("TMenuItem"));
    RegisterClass<TToolBar>(QStringLiteral("TToolBar"));
    RegisterClass<TToolButton>(QStringLiteral("TToolButton"));
    RegisterClass<TEdit>(QStringLiteral("TEdit"));
    RegisterClass<TMemo>(QStringLiteral("TMemo"));
    RegisterClass<TListBox>(QStringLiteral("TListBox"));
    RegisterClass<TCheckListBox>(QStringLiteral("TCheckListBox"));
    RegisterClass<TListView>(QStringLiteral("TListView"));
    RegisterClass<TTreeView>(QStringLiteral("TTreeView"));
    RegisterClass<TDrawGrid>(QStringLiteral("TDrawGrid"));
    RegisterClass<TStringGrid>(QStringLiteral("TStringGrid"));
}

} // namespace toolkit
