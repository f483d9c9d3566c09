#include "toolkit/combobox.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QValidator>

namespace toolkit {

namespace {

// What is typed into the box's field takes the box's CharCase.
class CaseValidator : public QValidator {
public:
    CaseValidator(const TCustomComboBox& box, QObject* parent) : QValidator(parent), box_(box) {}
    State validate(QString& input, int&) const override
    {
        input = box_.Cased(input);
        return Acceptable;
    }

private:
    const TCustomComboBox& box_;
};

} // namespace

namespace {

constexpr int EdgeWidth = 2;
// The field sits one pixel inside the edge.
constexpr int FieldInset = EdgeWidth + 1;
// Without a placeholder, QComboBox selects the first item added to an empty
// box; a box selects nothing until told to. Never shown: the box paints its
// own field.
const QString NoSelectionPlaceholder = QStringLiteral(" ");

// Tells Qt the box's own geometry, so that the edit of an editable box, the
// pointer's hit test and the list's place follow the painted picture
// whatever the application's style.
class ComboGeometryStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const auto* box = qobject_cast<const TCustomComboBox*>(widget);
        if (control != CC_ComboBox || !box) return QProxyStyle::subControlRect(control, option, part, widget);
        switch (part) {
        case SC_ComboBoxArrow:
            return box->ButtonRect().IsEmpty() ? QRect() : box->ButtonRect().toQRect();
        case SC_ComboBoxEditField:
            return box->FieldRect().toQRect();
        default:
            return box->rect();
        }
    }

    // The list drops below the box, as a drop-down list does.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        // Hiding the list at once keeps its close-up ahead of the pick it ends.
        if (hint == SH_ComboBox_Popup || hint == SH_Menu_FlashTriggeredItem || hint == SH_Menu_FadeOutOnHide)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QStyle* ComboStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        QStyle* base = QStyleFactory::create(QApplication::style()->name());
        style = new ComboGeometryStyle(base);
        style->setParent(qApp);
    }
    return style;
}

void Frame(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight)
{
    canvas.Brush.Color = topLeft;
    canvas.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
    canvas.FillRect(Rect(r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1));
    canvas.Brush.Color = bottomRight;
    canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
    canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right - 1, r.Bottom));
}

TRect Shrunk(const TRect& r, int by)
{
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

} // namespace

// Paints the list's items through the box's DrawItem and asks it their heights.
class ComboItemPainter final : public QAbstractItemDelegate {
public:
    explicit ComboItemPainter(TCustomComboBox* box) : QAbstractItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        box_->PaintListItem(*painter, option.rect, index.row(), option.state & QStyle::State_Selected);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        return {box_->width(), box_->ListItemHeight(index.row())};
    }

private:
    TCustomComboBox* box_;
};

TCustomComboBox::TCustomComboBox(QObject* owner, QWidget* parent)
    : QComboBox(ParentOrOwner(owner, parent)), TControlProperties(static_cast<QWidget&>(*this)), owner_(owner)
{
    setAcceptDrops(true);
    setStyle(ComboStyle());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPlaceholderText(NoSelectionPlaceholder);
    setMaxVisibleItems(8);
    setItemDelegate(new ComboItemPainter(this));
    connect(&items_, &TStringList::Inserted, this, &TCustomComboBox::ItemsInserted);
    connect(&items_, &TStringList::Removed, this, [this](int index) { removeItem(index); });
    connect(&items_, &TStringList::EntryChanged, this, &TCustomComboBox::ItemsEntryChanged);
    connect(&items_, &TStringList::Reset, this, &TCustomComboBox::ItemsReset);
    connect(&font_, &TFont::OnChange, this, &TCustomComboBox::ApplyFont);
    connect(this, &QComboBox::currentIndexChanged, this, &TCustomComboBox::ItemIndexChanged);
    connect(this, &QComboBox::currentTextChanged, this, &TCustomComboBox::TextChanged);
    connect(this, &QComboBox::activated, this, &TCustomComboBox::UserPicked);
    ApplyFont();
    ApplyStyle();
    resize(145, height());
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    if (style_ == style) return;
    style_ = style;
    ApplyStyle();
}

TItemDrawing TCustomComboBox::ItemDrawing() const
{
    switch (style_) {
    case csOwnerDrawFixed:
        return TItemDrawing::OwnerFixed;
    case csOwnerDrawVariable:
        return TItemDrawing::OwnerVariable;
    default:
        return TItemDrawing::Plain;
    }
}

void TCustomComboBox::ApplyStyle()
{
    const QString text = currentText();
    setEditable(IsEditable());
    if (QLineEdit* edit = lineEdit()) {
        // Typing never adds items: the list is the program's.
        setInsertPolicy(QComboBox::NoInsert);
        edit->setFrame(false);
        edit->setMaxLength(EditLimit());
        edit->setValidator(new CaseValidator(*this, edit));
        edit->setText(text);
        connect(edit, &QLineEdit::textEdited, this, &TCustomComboBox::UserEdited, Qt::UniqueConnection);
        // Qt places the edit only when the box resizes; the button may have
        // come or gone.
        edit->setGeometry(FieldRect().toQRect());
    }
    UpdateHeight();
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

int TCustomComboBox::ItemHeight() const
{
    if (ItemDrawing() != TItemDrawing::Plain) return itemHeight_;
    return QFontMetrics(font()).height();
}

void TCustomComboBox::SetItemHeight(int height)
{
    if (height <= 0 || itemHeight_ == height) return;
    itemHeight_ = height;
    UpdateHeight();
    Invalidate();
}

// The field holds one item (owner-drawn) or one line of text with a pixel
// above and below; the edge and a pixel of Color frame it.
void TCustomComboBox::UpdateHeight()
{
    const int field = ItemDrawing() != TItemDrawing::Plain ? itemHeight_ : ItemHeight() + 2;
    setFixedHeight(field + 2 * FieldInset);
    // The list's items may have changed height too.
    if (view()) view()->doItemsLayout();
}

// QLineEdit's own limit stands for "none".
int TCustomComboBox::EditLimit() const
{
    return maxLength_ > 0 ? maxLength_ : 32767;
}

void TCustomComboBox::SetMaxLength(int length)
{
    maxLength_ = std::max(0, length);
    if (QLineEdit* edit = lineEdit()) edit->setMaxLength(EditLimit());
}

void TCustomComboBox::SetText(const QString& text)
{
    if (IsEditable())
        setEditText(Cased(text));
    else
        SetItemIndex(FindItem(text));
}

void TCustomComboBox::SetColor(TColor color)
{
    if (color_ == color) return;
    color_ = color;
    ApplyColors();
    Invalidate();
}

int TCustomComboBox::FindItem(const QString& text) const
{
    return findText(text, Qt::MatchFixedString);
}

bool TCustomComboBox::DroppedDown() const
{
    return view() && view()->isVisible();
}

TRect TCustomComboBox::ButtonRect() const
{
    if (style_ == csSimple) return {};
    const int right = width() - EdgeWidth;
    return Rect(right - ButtonWidth, EdgeWidth, right, height() - EdgeWidth);
}

TRect TCustomComboBox::FieldRect() const
{
    const TRect button = ButtonRect();
    const int right = button.IsEmpty() ? width() - FieldInset : button.Left - 1;
    return Rect(FieldInset, FieldInset, right, height() - FieldInset);
}

void TCustomComboBox::ApplyFont()
{
    setFont(font_.toQFont());
    ApplyColors();
    UpdateHeight();
    FontChanged();
    Invalidate();
}

// The edit and the list's background take Color and the font's colour (grey
// text when disabled, as the field draws it).
void TCustomComboBox::ApplyColors()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ColorToQColor(color_));
    colours.setColor(QPalette::Window, ColorToQColor(color_));
    colours.setColor(QPalette::Text, ColorToQColor(font_.Color()));
    colours.setColor(QPalette::Disabled, QPalette::Text, ColorToQColor(clGrayText));
    setPalette(colours);
    if (view()) view()->setPalette(colours);
}

void TCustomComboBox::ItemsInserted(int index)
{
    insertItem(index, Cased(items_.Strings(index)), QVariant::fromValue(items_.Objects(index)));
}

void TCustomComboBox::ItemsEntryChanged(int index)
{
    setItemText(index, Cased(items_.Strings(index)));
    setItemData(index, QVariant::fromValue(items_.Objects(index)));
}

void TCustomComboBox::ItemsReset()
{
    clear();
    for (int i = 0; i < items_.Count(); ++i)
        addItem(Cased(items_.Strings(i)), QVariant::fromValue(items_.Objects(i)));
}

QString TCustomComboBox::Cased(const QString& text) const
{
    return charCase_ == ecUpperCase ? text.toUpper() : charCase_ == ecLowerCase ? text.toLower() : text;
}

void TCustomComboBox::SetCharCase(TEditCharCase charCase)
{
    if (charCase_ == charCase) return;
    charCase_ = charCase;
    for (int i = 0; i < count(); ++i)
        setItemText(i, Cased(items_.Strings(i)));
    if (QLineEdit* edit = lineEdit()) edit->setText(Cased(edit->text()));
    update();
}

void TCustomComboBox::UserEdited()
{
    Change();
}

void TCustomComboBox::UserPicked()
{
    if (Guarded([this] { Click(); })) Change();
}

void TCustomComboBox::Change()
{
    emit OnChange();
}

void TCustomComboBox::Click()
{
    emit OnClick();
}

void TCustomComboBox::DropDown()
{
    emit OnDropDown();
}

void TCustomComboBox::CloseUp()
{
    emit OnCloseUp();
}

void TCustomComboBox::showPopup()
{
    if (!Guarded([this] { DropDown(); })) return;
    // The list's window exists from here on; its hiding is the close-up,
    // whether an item was picked, Escape pressed or the pointer went elsewhere.
    if (!watchingPopup_) {
        view()->window()->installEventFilter(this);
        watchingPopup_ = true;
    }
    QComboBox::showPopup();
}

bool TCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == view()->window()) {
        Guarded([this] { CloseUp(); });
        return false;
    }
    return QComboBox::eventFilter(watched, event);
}

void TCustomComboBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)
{
    static const QMetaMethod drawItemEvent = QMetaMethod::fromSignal(&TCustomComboBox::OnDrawItem);
    if (ItemDrawing() != TItemDrawing::Plain && isSignalConnected(drawItemEvent)) {
        emit OnDrawItem(&canvas, index, rect, state);
        return;
    }
    canvas.FillRect(rect);
    if (index < 0 || index >= items_.Count()) return;
    const QString text = Cased(items_.Strings(index));
    canvas.TextOut(rect.Left + 2, rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
}

void TCustomComboBox::MeasureItem(int index, int& height)
{
    emit OnMeasureItem(index, &height);
}

int TCustomComboBox::ListItemHeight(int index)
{
    int height = ItemHeight();
    if (ItemDrawing() == TItemDrawing::OwnerVariable) MeasureItem(index, height);
    return std::max(1, height);
}

// Selected items show in the highlight colours; a focused item gets the
// dotted focus frame after the item is drawn, as owner-drawn lists expect.
void TCustomComboBox::DrawItemInState(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)
{
    canvas.Font.Assign(font_);
    canvas.Brush.Color = color_;
    if (state & odSelected) {
        canvas.Brush.Color = clHighlight;
        canvas.Font.SetColor(clHighlightText);
    } else if (state & odDisabled) {
        canvas.Font.SetColor(clGrayText);
    }
    DrawItem(canvas, index, rect, state);
    if (state & odFocused) canvas.DrawFocusRect(rect);
}

void TCustomComboBox::PaintListItem(QPainter& painter, const QRect& rect, int index, bool selected)
{
    if (rect.isEmpty()) return;
    QImage item(rect.size(), QImage::Format_RGB32);
    TCanvas canvas(&item);
    TTextLayer text;
    canvas.DeferTextFor(*painter.device(), text);
    const TOwnerDrawState state = selected ? odSelected | odFocused : 0;
    DrawItemInState(canvas, index, Rect(0, 0, rect.width(), rect.height()), state);
    DrawPicture(painter, rect.topLeft(), item, text);
}

// A raised button with a small black arrow, as the system draws one.
void TCustomComboBox::PaintSystemButton(TCanvas& canvas, const TRect& rect) const
{
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(rect);
    Frame(canvas, rect, cl3DLight, cl3DDkShadow);
    Frame(canvas, Shrunk(rect, 1), clBtnHighlight, clBtnShadow);
    const int x = rect.Left + (rect.Width() - 7) / 2, y = rect.Top + (rect.Height() - 4) / 2;
    const TColor arrow = isEnabled() ? clBtnText : clGrayText;
    canvas.Brush.Color = arrow;
    canvas.Pen.Color = arrow;
    canvas.Polygon({{x, y}, {x + 6, y}, {x + 3, y + 3}});
}

void TCustomComboBox::Paint(TCanvas& canvas)
{
    const TRect client = ClientRect();
    Frame(canvas, client, clBtnShadow, clBtnHighlight);
    Frame(canvas, Shrunk(client, 1), cl3DDkShadow, cl3DLight);
    if (!IsEditable()) {
        TOwnerDrawState state = odComboBoxEdit;
        if (!isEnabled())
            state |= odDisabled;
        else if (hasFocus() && !DroppedDown())
            state |= odSelected | odFocused;
        DrawItemInState(canvas, currentIndex(), FieldRect(), state);
    }
    if (!ButtonRect().IsEmpty()) PaintSystemButton(canvas, ButtonRect());
}

QImage TCustomComboBox::Render(TTextLayer* text)
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(ColorToQColor(color_));
    TCanvas canvas(&image);
    canvas.Font.Assign(font_);
    canvas.Brush.Color = color_;
    canvas.DeferTextTo(text);
    Paint(canvas);
    return image;
}

// Composed at 1:1 like the toolkit's other controls: on a denser screen the
// picture is enlarged and the field's text drawn over it at full resolution.
bool TCustomComboBox::event(QEvent* event)
{
    return TControlEvents<TCustomComboBox>::Dispatch(*this, event, [this](QEvent* e) { return QComboBox::event(e); });
}

void TCustomComboBox::paintEvent(QPaintEvent*)
{
    pictureText_.clear();
    const QImage picture = Render(KeepsTextApart(*this) ? &pictureText_ : nullptr);
    QPainter painter(this);
    DrawPicture(painter, QPoint(), picture, pictureText_);
}

void TCustomComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) Invalidate();
    QComboBox::changeEvent(event);
}

} // namespace toolkit
