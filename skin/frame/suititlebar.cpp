#include "skin/frame/suititlebar.h"

#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/dialogs.h"

#include <QAccessibleWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QRegion>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <mutex>
#include <optional>

using namespace toolkit;

namespace {

constexpr int AppIconSize = 16;
constexpr int AppIconCaptionGap = 21;
constexpr int ControlBoxCaptionGap = 5;
constexpr int CaptionXWithoutLeftItems = 6;
constexpr int DeepBlueCaptionY = 4;
// How long a window manager may take to answer a maximise or restore.
constexpr int WindowManagerWait = 250;

const QString OnlyOneControlBox =
    QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\"");
const QString OnlyOneClient = QStringLiteral("Sorry, only one section's Align property can be \"suiClient\"");

// The style's face of each button type; a custom button has only its own.
std::optional<TsuiFace> FaceOfType(TsuiTitleBarBtnType type)
{
    switch (type) {
    case suiMax:
        return TsuiFace::TitleMax;
    case suiMin:
        return TsuiFace::TitleMin;
    case suiClose:
        return TsuiFace::TitleClose;
    case suiHelp:
        return TsuiFace::TitleHelp;
    case suiControlBox:
        return TsuiFace::TitleControlBox;
    case suiCustom:
        break;
    }
    return std::nullopt;
}

bool IsMaximized(const QWidget* form)
{
    return form && form->windowState().testFlag(Qt::WindowMaximized);
}

void Refuse(const QString& text)
{
    toolkit::MessageBox(nullptr, text, {}, TMsgIcon::Error, TMsgButtons::Ok);
}

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
    TsuiTitleBar* Bar() const { return button_->Bar(); }
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

QWidget* FormWindowOf(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (auto* child = qobject_cast<QMdiSubWindow*>(w)) return child;
        if (w->isWindow()) return w;
    }
    return nullptr;
}

QImage ApplicationIcon()
{
    const QImage icon(QStringLiteral(":/pictures/MAINICON"));
    if (icon.isNull()) return icon;
    return icon.scaled(AppIconSize, AppIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// ---- TsuiTitleBarSection --------------------------------------------------

TsuiTitleBarSection::TsuiTitleBarSection()
{
    // Also for a picture read from a stored layout straight into the object.
    connect(&picture_, &TPicture::OnChange, this, [this] {
        if (autoSize_) FitWidthToPicture();
        Changed();
    });
}

void TsuiTitleBarSection::FitWidthToPicture()
{
    if (picture_.HasGraphic()) width_ = picture_.Width();
}

void TsuiTitleBarSection::SetAutoSize(bool on)
{
    autoSize_ = on;
    FitWidthToPicture();
    Changed();
}

void TsuiTitleBarSection::SetWidth(int width)
{
    width_ = width;
    Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align)
{
    if (align == suiClient && Collection()) {
        for (QObject* item : Collection()->Items())
            if (static_cast<TsuiTitleBarSection*>(item)->align_ == suiClient) {
                Refuse(OnlyOneClient);
                return;
            }
    }
    if (align == suiClient) stretch_ = true;
    align_ = align;
    Changed();
}

void TsuiTitleBarSection::SetPicture(const TPicture& picture)
{
    picture_.Assign(picture);
    if (autoSize_) FitWidthToPicture();
    Changed();
}

void TsuiTitleBarSection::SetStretch(bool on)
{
    stretch_ = on || align_ == suiClient;
    Changed();
}

void TsuiTitleBarSection::Assign(const TsuiTitleBarSection& source)
{
    SetWidth(source.width_);
    SetAlign(source.align_);
    SetPicture(source.picture_);
    SetStretch(source.stretch_);
    SetAutoSize(source.autoSize_);
}

// ---- TsuiTitleBarButton ---------------------------------------------------

TsuiTitleBarButton::TsuiTitleBarButton()
{
    for (TPicture* picture : {&picNormal_, &picMouseOn_, &picMouseDown_})
        connect(picture, &TPicture::OnChange, this, [this] { Changed(); });
}

TsuiTitleBar* TsuiTitleBarButton::Bar() const
{
    if (auto* buttons = dynamic_cast<TsuiTitleBarButtons*>(Collection())) return buttons->GetOwner();
    return nullptr;
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type)
{
    if (type == suiControlBox && Collection()) {
        for (QObject* item : Collection()->Items())
            if (static_cast<TsuiTitleBarButton*>(item)->type_ == suiControlBox) {
                Refuse(OnlyOneControlBox);
                return;
            }
    }
    type_ = type;
    UpdateUIStyle();
    Changed();
}

void TsuiTitleBarButton::SetTransparent(bool on)
{
    transparent_ = on;
    Changed();
}

void TsuiTitleBarButton::SetTop(int top)
{
    top_ = top;
    Changed();
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style)
{
    uiStyle_ = style;
    UpdateUIStyle();
    Changed();
}

void TsuiTitleBarButton::SetControlBoxMenu(QMenu* menu)
{
    controlBoxMenu_ = menu;
}

void TsuiTitleBarButton::SetPicNormal(const TPicture& picture)
{
    picNormal_.Assign(picture);
}

void TsuiTitleBarButton::SetPicMouseOn(const TPicture& picture)
{
    picMouseOn_.Assign(picture);
}

void TsuiTitleBarButton::SetPicMouseDown(const TPicture& picture)
{
    picMouseDown_.Assign(picture);
}

void TsuiTitleBarButton::Assign(const TsuiTitleBarButton& source)
{
    SetButtonType(source.type_);
    SetTransparent(source.transparent_);
    SetTop(source.top_);
    SetUIStyle(source.uiStyle_);
    SetPicNormal(source.picNormal_);
    SetPicMouseOn(source.picMouseOn_);
    SetPicMouseDown(source.picMouseDown_);
    SetControlBoxMenu(source.controlBoxMenu_);
}

// A button's pictures are its own, published: the style's faces fill them.
void TsuiTitleBarButton::LoadPictures(TsuiFace face)
{
    LoadFace(picNormal_, uiStyle_, face);
    LoadFace(picMouseOn_, uiStyle_, face, {.Hot = true});
    LoadFace(picMouseDown_, uiStyle_, face, {.Pressed = true});
}

void TsuiTitleBarButton::UpdateUIStyle()
{
    if (uiStyle_ == TsuiUIStyle::Custom) return;
    transparent_ = GetThemeBool(uiStyle_, teTitleButtonTransparent);
    const auto face = FaceOfType(type_);
    if (!face) return;
    LoadPictures(*face);
    top_ = GetThemeInt(uiStyle_, teTitleButtonTop);
    if (type_ == suiMax) ProcessMaxBtn();
}

void TsuiTitleBarButton::ProcessMaxBtn()
{
    const TsuiTitleBar* bar = Bar();
    if (bar && IsMaximized(bar->ParentForm()))
        LoadPictures(TsuiFace::TitleRestore);
    else
        LoadPictures(TsuiFace::TitleMax);
}

void TsuiTitleBarButton::DoClick()
{
    TsuiTitleBar* bar = Bar();
    QWidget* form = bar ? bar->ParentForm() : nullptr;
    if (!form) return;
    const TRect workArea = GetWorkAreaRect();
    form->setMaximumSize(workArea.Width(), workArea.Height());
    switch (type_) {
    case suiMax:
        bar->ToggleMaximised();
        if (uiStyle_ == TsuiUIStyle::WinXP) ProcessMaxBtn();
        bar->OnFormReSize();
        break;
    case suiMin:
        form->showMinimized();
        break;
    case suiClose:
        form->close();
        break;
    case suiControlBox:
        if (controlBoxMenu_) controlBoxMenu_->popup(bar->mapToGlobal(QPoint(0, bar->height())));
        break;
    case suiHelp:
    case suiCustom:
        break;
    }
}

QString TsuiTitleBarButton::Purpose() const
{
    switch (type_) {
    case suiMax: {
        const TsuiTitleBar* bar = Bar();
        return IsMaximized(bar ? bar->ParentForm() : nullptr) ? QStringLiteral("Restore")
                                                              : QStringLiteral("Maximise");
    }
    case suiMin:
        return QStringLiteral("Minimise");
    case suiClose:
        return QStringLiteral("Close");
    case suiHelp:
        return QStringLiteral("Help");
    case suiControlBox:
        return QStringLiteral("Window menu");
    case suiCustom:
        break;
    }
    return QStringLiteral("Button %1").arg(Index() + 1);
}

// ---- collections ------------------------------------------------------------

template <class Item>
TsuiTitleBarCollection<Item>::TsuiTitleBarCollection(TsuiTitleBar* owner)
    : toolkit::TCollection<Item>(owner), owner_(owner)
{
}

template <class Item> void TsuiTitleBarCollection<Item>::Assign(const TsuiTitleBarCollection& source)
{
    if (&source == this) return;
    this->BeginUpdate();
    this->Clear();
    for (int i = 0; i < source.Count(); ++i)
        this->Add()->Assign(*source[i]);
    this->EndUpdate();
}

template <class Item> void TsuiTitleBarCollection<Item>::Update(TCollectionItem* item)
{
    toolkit::TCollection<Item>::Update(item);
    owner_->Changed();
}

template class TsuiTitleBarCollection<TsuiTitleBarSection>;
template class TsuiTitleBarCollection<TsuiTitleBarButton>;

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

void TsuiTitleBar::SetFormRoundCorner(int size)
{
    QWidget* form = ParentForm();
    if (!form || IsDesigning()) return;
    if (size <= 0) {
        form->clearMask();
        return;
    }
    // Row by row, the top corners follow a circle of diameter `size`; the
    // bottom corners stay square.
    const int w = form->width(), h = form->height();
    const double r = size / 2.0;
    QRegion region(0, 0, w, h);
    for (int y = 0; y < int(std::ceil(r)) && y < h; ++y) {
        const double dy = r - (y + 0.5);
        const int inset = int(std::lround(r - std::sqrt(std::max(0.0, r * r - dy * dy))));
        if (inset <= 0) continue;
        region -= QRegion(0, y, inset, 1);
        region -= QRegion(w - inset, y, inset, 1);
    }
    form->setMask(region);
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
    if (HeldPart() == NoPart && form && !IsMaximized(form)) StartWindowMove(event->globalPosition().toPoint());
}

// The window system moves the window while the button is held; where it
// cannot (no window manager, offscreen), the bar moves it by hand.
void TsuiTitleBar::StartWindowMove(const QPoint& globalPos)
{
    QWidget* form = ParentForm();
    QWindow* handle = form->windowHandle();
    if (handle && handle->startSystemMove()) return;
    movingByHand_ = true;
    moveGrab_ = globalPos - form->pos();
}

// A window manager answers by resizing the window; where the size is still
// the same after a while, nobody did, and the bar places the window itself.
// A document window is placed by its area.
void TsuiTitleBar::ToggleMaximised()
{
    QWidget* form = ParentForm();
    if (!form) return;
    const bool maximise = !IsMaximized(form);
    const QRect before = form->geometry();
    if (maximise) {
        normalBounds_ = before;
        form->showMaximized();
    } else {
        form->showNormal();
    }
    if (!form->isWindow()) return;
    const int request = ++windowRequests_;
    QTimer::singleShot(WindowManagerWait, this, [this, window = QPointer<QWidget>(form), maximise, before, request] {
        if (!window || request != windowRequests_ || window->size() != before.size()) return;
        if (!maximise) {
            if (normalBounds_.isValid()) window->setGeometry(normalBounds_);
            return;
        }
        window->setGeometry(GetWorkAreaRect().toQRect());
        // Placing a window ends its maximised state: it is maximised again.
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    });
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (movingByHand_) {
        if (QWidget* form = ParentForm()) form->move(event->globalPosition().toPoint() - moveGrab_);
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
    if (movingByHand_) {
        movingByHand_ = false;
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
    movingByHand_ = false;
    for (int i = 0; i < buttons_->Count(); ++i)
        if (buttons_->Items(i)->ButtonType() == suiMax) {
            buttons_->Items(i)->DoClick();
            return;
        }
}
