#include "skin/frame/suititlebar.h"

#include "skin/themes/suifaces.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <mutex>

using namespace toolkit;

namespace {

constexpr int AppIconSize = 16;
constexpr int AppIconCaptionGap = 21;
constexpr int ControlBoxCaptionGap = 5;
constexpr int CaptionXWithoutLeftItems = 6;
constexpr int DeepBlueCaptionY = 4;

// The picture drawn into a slot: scaled, or copied unscaled from its corner.
void DrawSection(TCanvas& canvas, const TsuiTitleBarSection& section, const TRect& slot, bool stretch)
{
    const TPicture& picture = section.Picture();
    if (!picture.HasGraphic()) return;
    if (stretch)
        canvas.StretchDraw(slot, picture.Bitmap().DrawableImage());
    else
        canvas.CopyRect(slot, picture.Bitmap().Image(), Rect(0, 0, slot.Width(), slot.Height()));
}

// The caption buttons are not widgets of their own; assistive technology
// sees them as push buttons inside the bar.
class ButtonInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit ButtonInterface(TsuiTitleBarButton* button) : button_(button) {}

    bool isValid() const override { return button_ && button_->Bar(); }
    QObject* object() const override { return button_; }
    QWindow* window() const override { return Bar()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Bar()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? button_->Purpose() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const TsuiTitleBar* bar = Bar();
        const QRect local = bar->ComputeLayout().Buttons[button_->Index()].toQRect();
        return QRect(bar->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Bar()->isVisible();
        s.pressed = Bar()->Pressed() && Bar()->HotButton() == button_->Index();
        s.hotTracked = Bar()->HotButton() == button_->Index();
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
        if (name == pressAction()) Bar()->ClickButton(button_->Index());
    }

private:
    TsuiTitleBar* Bar() const { return qobject_cast<TsuiTitleBar*>(button_->Bar()); }
    QPointer<TsuiTitleBarButton> button_;
};

class BarInterface : public QAccessibleWidget {
public:
    explicit BarInterface(TsuiTitleBar* bar) : QAccessibleWidget(bar, QAccessible::TitleBar) {}

    int childCount() const override { return Bar()->Buttons()->Count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        return QAccessible::queryAccessibleInterface(Bar()->Buttons()->Items(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? Bar()->Buttons()->IndexOf(qobject_cast<TsuiTitleBarButton*>(child->object())) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(Bar()->ButtonAt(Bar()->mapFromGlobal(QPoint(x, y))));
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Bar()->Caption() : QAccessibleWidget::text(t);
    }

private:
    TsuiTitleBar* Bar() const { return static_cast<TsuiTitleBar*>(widget()); }
};

QAccessibleInterface* TitleBarFactory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<TsuiTitleBarButton*>(object)) return new ButtonInterface(button);
    if (auto* bar = qobject_cast<TsuiTitleBar*>(object)) return new BarInterface(bar);
    return nullptr;
}

void InstallAccessibilityOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(TitleBarFactory); });
}

} // namespace

QImage ApplicationIcon()
{
    const QImage icon(QStringLiteral(":/pictures/MAINICON"));
    if (icon.isNull()) return icon;
    return icon.scaled(AppIconSize, AppIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// ---- TsuiTitleBar -----------------------------------------------------------

TsuiTitleBar::TsuiTitleBar(QObject* owner, QWidget* parent)
    : TsuiControl(owner, parent), sections_(std::make_unique<TsuiTitleBarSections>(this)),
      buttons_(std::make_unique<TsuiTitleBarButtons>(this))
{
    if (const auto* component = dynamic_cast<const TComponent*>(owner); component && component->IsDesigning())
        SetDesigning(true);
    for (TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMax, suiMin})
        buttons_->Add()->SetButtonType(type);
    SetAlign(alTop);
    SetParentFont(false);
    Font()->SetColor(clWhite);
    Font()->SetName(QStringLiteral("Tahoma"));
    Font()->SetStyle(fsBold);
    InstallAccessibilityOnce();
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiTitleBar::~TsuiTitleBar()
{
    buttons_.reset();
    sections_.reset();
}

QWidget* TsuiTitleBar::ParentForm() const
{
    QWidget* form = FormWindowOf(const_cast<TsuiTitleBar*>(this));
    return form == this ? nullptr : form;
}

bool TsuiTitleBar::InForm() const
{
    const QWidget* parent = parentWidget();
    return qobject_cast<const TsuiFrameInfo*>(parent) != nullptr;
}

void TsuiTitleBar::OnFormReSize()
{
    if (InForm()) SetFormRoundCorner(roundCorner_);
}

void TsuiTitleBar::WindowStateChanged()
{
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->FollowWindowState();
}

void TsuiTitleBar::SetFormRoundCorner(int size)
{
    QWidget* form = ParentForm();
    if (!form || IsDesigning()) return;
    SetRoundTopCorners(form, size);
}

void TsuiTitleBar::FSetAutoSize(bool on)
{
    autoSize_ = on;
    if (sections_->Count() == 0) {
        autoSize_ = false;
        return;
    }
    // An empty first picture would collapse the bar; its height stays then.
    const TPicture& first = *sections_->Items(0)->Picture();
    if (first.HasGraphic()) SetHeight(first.Height());
    Invalidate();
}

void TsuiTitleBar::SetSections(const TsuiTitleBarSections& sections)
{
    sections_->Assign(sections);
}

void TsuiTitleBar::SetButtons(const TsuiTitleBarButtons& buttons)
{
    buttons_->Assign(buttons);
}

void TsuiTitleBar::ReadTheme()
{
    const TsuiUIStyle style = UIStyle();
    sections_->Clear();
    if (style == TsuiUIStyle::Custom) return;
    auto addSection = [&](TsuiFace face, TsuiTitleBarAlign align) {
        TsuiTitleBarSection* section = sections_->Add();
        LoadFace(*section->Picture(), style, face);
        if (align != suiClient) section->SetAutoSize(true);
        if (align != suiLeft) section->SetAlign(align);
    };
    addSection(TsuiFace::TitleLeft, suiLeft);
    addSection(TsuiFace::TitleRight, suiRight);
    addSection(TsuiFace::TitleClient, suiClient);
    leftBtnXOffset_ = GetThemeInt(style, teTitleLeftBtnXOffset);
    rightBtnXOffset_ = GetThemeInt(style, teTitleRightBtnXOffset);
    if (QWidget* form = ParentForm()) form->setMinimumWidth(GetThemeInt(style, teFormMinWidth));
    roundCorner_ = GetThemeInt(style, teFormRoundCorner);
    if (InForm()) SetFormRoundCorner(roundCorner_);
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->SetUIStyle(style);
    FSetAutoSize(true);
}

void TsuiTitleBar::SetButtonInterval(int interval)
{
    Store(buttonInterval_, interval);
}

void TsuiTitleBar::SetActive(bool active)
{
    Store(formActive_, active);
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset)
{
    Store(leftBtnXOffset_, offset);
}

void TsuiTitleBar::SetRightBtnXOffset(int offset)
{
    Store(rightBtnXOffset_, offset);
}

void TsuiTitleBar::SetDrawAppIcon(bool on)
{
    Store(drawAppIcon_, on);
}

void TsuiTitleBar::CaptionChanged()
{
    Invalidate();
}

TsuiTitleBarLayout TsuiTitleBar::ComputeLayout() const
{
    TsuiTitleBarLayout layout;
    layout.Buttons.resize(buttons_->Count());
    int x = width() + rightBtnXOffset_ + 1;
    for (int i = 0; i < buttons_->Count(); ++i) {
        const TsuiTitleBarButton& button = *buttons_->Items(i);
        if (button.ButtonType() == suiControlBox) {
            layout.ControlBox = i;
            continue;
        }
        const TPicture& picture = button.PicNormal();
        x -= picture.Width() + 1 + buttonInterval_;
        layout.Buttons[i] = Bounds(x, button.Top(), picture.Width(), picture.Height());
    }
    layout.CaptionLimit = x;
    layout.CaptionX = leftBtnXOffset_;
    if (layout.ControlBox >= 0) {
        const TsuiTitleBarButton& box = *buttons_->Items(layout.ControlBox);
        layout.Buttons[layout.ControlBox] =
            Bounds(layout.CaptionX, box.Top(), box.PicNormal().Width(), box.PicNormal().Height());
        layout.AppIcon = drawAppIcon_;
        layout.CaptionX += drawAppIcon_ ? AppIconCaptionGap : box.PicNormal().Width() + ControlBoxCaptionGap;
    }
    if (layout.CaptionX == 0) layout.CaptionX = CaptionXWithoutLeftItems;
    return layout;
}

int TsuiTitleBar::ButtonAt(const QPoint& point) const
{
    // Later buttons win an overlap, the control box last, as painting finds them.
    const TsuiTitleBarLayout layout = ComputeLayout();
    int hit = -1;
    auto test = [&](int i) {
        if (InRect(point.x(), point.y(), layout.Buttons[i])) hit = i;
    };
    for (int i = 0; i < int(layout.Buttons.size()); ++i)
        if (i != layout.ControlBox) test(i);
    if (layout.ControlBox >= 0) test(layout.ControlBox);
    return hit;
}

TColor TsuiTitleBar::CaptionColor() const
{
    if (!formActive_) return clInactiveCaption;
    if (UIStyle() == TsuiUIStyle::MacOS) return clBlack;
    return Font().Color();
}

QString TsuiTitleBar::ShownCaption(const TCanvas& canvas, const TsuiTitleBarLayout& layout) const
{
    const QString caption = Caption();
    if (canvas.TextWidth(caption) > layout.CaptionLimit - layout.CaptionX)
        return caption.left(2) + QStringLiteral("...");
    return caption;
}

const TPicture& TsuiTitleBar::FaceOf(const TsuiTitleBarButton& button, int index) const
{
    const bool hot = index == HoverPart();
    const TPicture* faces[] = {&button.PicNormal(), &button.PicMouseOn(), &button.PicMouseDown()};
    return *faces[ThreeFaceIndex({.Hot = hot, .Pressed = hot && Pressed()})];
}

void TsuiTitleBar::Paint(TCanvas& canvas)
{
    TBitmap bitmap(width(), height());
    bitmap.Canvas().Brush.Style = bsClear;
    bitmap.Canvas().Font.Assign(*Font());
    bitmap.Canvas().DeferTextTo(canvas.TextLayer()); // drawn at (0, 0) below
    DrawSectionsTo(bitmap);
    DrawButtons(bitmap);
    canvas.Draw(0, 0, bitmap.Image());
}

void TsuiTitleBar::DrawSectionsTo(TBitmap& bitmap)
{
    TCanvas& canvas = bitmap.Canvas();
    const int w = bitmap.Width(), h = bitmap.Height();
    int leftEdge = -1, rightEdge = w + 1;
    const TsuiTitleBarSection* client = nullptr;
    for (int i = 0; i < sections_->Count(); ++i) {
        const TsuiTitleBarSection& section = *sections_->Items(i);
        switch (section.Align()) {
        case suiLeft:
            DrawSection(canvas, section, Rect(leftEdge + 1, 0, leftEdge + 1 + section.Width(), h),
                        section.Stretch());
            leftEdge += section.Width();
            break;
        case suiRight:
            if (w - leftEdge < section.Width()) break;
            DrawSection(canvas, section, Rect(rightEdge - 1 - section.Width(), 0, rightEdge - 1, h),
                        section.Stretch());
            rightEdge -= section.Width();
            break;
        case suiClient:
            client = &section;
            break;
        }
    }
    if (client) DrawSection(canvas, *client, Rect(leftEdge + 1, 0, rightEdge - 1, h), true);
}

void TsuiTitleBar::DrawButtons(TBitmap& bitmap)
{
    TCanvas& canvas = bitmap.Canvas();
    const TsuiTitleBarLayout layout = ComputeLayout();
    for (int i = 0; i < int(layout.Buttons.size()); ++i) {
        const TsuiTitleBarButton& button = *buttons_->Items(i);
        if (i == layout.ControlBox && layout.AppIcon) continue;
        // Every state is drawn in the normal picture's size and, when
        // transparent, keyed by the bottom-left pixel of what is drawn.
        const TRect& place = layout.Buttons[i];
        if (place.IsEmpty()) continue;
        TBitmap face(place.Width(), place.Height());
        face.Canvas().Draw(0, 0, FaceOf(button, i).Bitmap().Image());
        face.SetTransparent(button.Transparent());
        canvas.Draw(place.Left, place.Top, face.DrawableImage());
    }
    if (layout.AppIcon) {
        // Loaded on every paint, as the icon may be replaced at run time;
        // read with its alpha so that it keeps its shape on the bar.
        const QImage icon = ApplicationIcon();
        if (!icon.isNull()) canvas.Draw(leftBtnXOffset_ + 3, layout.Buttons[layout.ControlBox].Top, icon);
    }
    canvas.Font.SetColor(CaptionColor());
    const QString text = ShownCaption(canvas, layout);
    const int y =
        UIStyle() == TsuiUIStyle::DeepBlue ? DeepBlueCaptionY : (height() - canvas.TextHeight(text)) / 2;
    canvas.TextOut(layout.CaptionX, y, text);
}

// The application's icon may be replaced at run time.
bool TsuiTitleBar::event(QEvent* event)
{
    if (event->type() == QEvent::WindowIconChange || event->type() == QEvent::ApplicationWindowIconChange)
        Invalidate();
    return TsuiControl::event(event);
}

void TsuiTitleBar::mousePressEvent(QMouseEvent* event)
{
    TsuiControl::mousePressEvent(event);
    event->accept(); // the bar is the window's caption: nothing below it sees the mouse
    if (event->button() != Qt::LeftButton) return;
    QWidget* form = ParentForm();
    if (HeldPart() == NoPart && form && !IsMaximized(form))
        windowCommands_.StartMove(form, event->globalPosition().toPoint());
}

void TsuiTitleBar::ToggleMaximised()
{
    windowCommands_.ToggleMaximised(ParentForm());
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (windowCommands_.MovingByHand()) {
        if (QWidget* form = ParentForm()) windowCommands_.MoveByHand(form, event->globalPosition().toPoint());
        return;
    }
    TsuiControl::mouseMoveEvent(event);
}

// Unlike a button, the bar clicks the button under the pointer at the
// release, whichever button the press began on.
void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (windowCommands_.MovingByHand()) {
        windowCommands_.EndMoveByHand();
        return;
    }
    const int hot = PartAt(event->position().toPoint());
    if (hot != NoPart && !Guarded([&] { ClickButton(hot); })) return;
    CancelHold();
}

void TsuiTitleBar::ClickButton(int index)
{
    if (index < 0 || index >= buttons_->Count()) return;
    const QPointer<TsuiTitleBarButton> button = buttons_->Items(index);
    const TsuiTitleBarBtnType type = button->ButtonType();
    const QPointer<TsuiTitleBar> alive(this);
    button->DoClick();
    if (!alive) return;
    if (type == suiCustom)
        emit OnCustomBtnsClick(this, index);
    else if (type == suiHelp)
        emit OnHelpBtnClick(this, index);
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    TsuiControl::mouseDoubleClickEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton || ButtonAt(event->position().toPoint()) != -1) return;
    // The second press began a move; a maximised window must not follow it.
    windowCommands_.EndMoveByHand();
    for (int i = 0; i < buttons_->Count(); ++i)
        if (buttons_->Items(i)->ButtonType() == suiMax) {
            buttons_->Items(i)->DoClick();
            return;
        }
}
