#include "toolkit/edits.h"

#include <QScopedValueRollback>

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>

namespace toolkit {

TCustomEdit::TCustomEdit(QObject* owner, QWidget* parent) : QLineEdit(parent), TNativeControl(*this, owner)
{
    resize(121, 21);
    connect(this, &QLineEdit::textChanged, this, &TCustomEdit::TextChanged);
    connect(this, &QLineEdit::textChanged, this, &TCustomEdit::OnChange);
}

bool TCustomEdit::event(QEvent* event)
{
    return TControlEvents<TCustomEdit>::Dispatch(*this, event, [this](QEvent* e) { return QLineEdit::event(e); });
}

void TCustomEdit::SetMaxLength(int length)
{
    maxLength_ = std::max(length, 0);
    setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

TCustomMemo::TCustomMemo(QObject* owner, QWidget* parent) : QPlainTextEdit(parent), TNativeControl(*this, owner)
{
    resize(185, 89);
    SetScrollBars(ssNone);
    SetWantTabs(false);
    SetHideSelection(true);
    connect(&lines_, &TStringList::OnChange, this, &TCustomMemo::LinesChanged);
    connect(this, &QPlainTextEdit::textChanged, this, &TCustomMemo::DocumentChanged);
}

TStringList* TCustomMemo::Lines()
{
    if (linesStale_) {
        syncing_ = true;
        const QString text = toPlainText();
        lines_.Assign(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
        syncing_ = false;
        linesStale_ = false;
    }
    return &lines_;
}

void TCustomMemo::LinesChanged()
{
    if (syncing_) return;
    syncing_ = true;
    setPlainText(lines_.ToQStringList().join(QLatin1Char('\n')));
    syncing_ = false;
}

void TCustomMemo::DocumentChanged()
{
    if (!syncing_) linesStale_ = true;
    emit OnChange();
}

void TCustomMemo::SetWordWrap(bool on)
{
    setLineWrapMode(on ? WidgetWidth : NoWrap);
}

// A memo that wraps its lines has nothing to scroll sideways.
void TCustomMemo::SetScrollBars(TScrollStyle bars)
{
    scrollBars_ = bars;
    const auto policy = [bars](TScrollStyle both, TScrollStyle one) {
        return bars == both || bars == one ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    };
    setVerticalScrollBarPolicy(policy(ssBoth, ssVertical));
    setHorizontalScrollBarPolicy(policy(ssBoth, ssHorizontal));
}

void TCustomMemo::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment == taCenter ? Qt::AlignHCenter
                        : alignment == taRightJustify ? Qt::AlignRight
                                                      : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

// What the user may still type: the limit less the text that stays.
int TCustomMemo::Room() const
{
    const QTextCursor cursor = textCursor();
    const int kept = document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return maxLength_ - kept;
}

void TCustomMemo::SetHideSelection(bool on)
{
    hideSelection_ = on;
    // Without the focus the selection is drawn in nothing.
    QPalette colours = palette();
    colours.setBrush(QPalette::Inactive, QPalette::Highlight,
                     on ? QBrush(Qt::transparent) : colours.brush(QPalette::Active, QPalette::Highlight));
    colours.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     colours.brush(QPalette::Active, on ? QPalette::Text : QPalette::HighlightedText));
    setPalette(colours);
}

void TCustomMemo::keyPressEvent(QKeyEvent* event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !wantReturns_) {
        if (!(event->modifiers() & Qt::ControlModifier)) return event->ignore();
        QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text());
        const QScopedValueRollback wanted(wantReturns_, true);
        return keyPressEvent(&plain);
    }
    const bool printable = !event->text().isEmpty() && event->text().at(0).isPrint();
    const bool adds = printable || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (maxLength_ > 0 && adds && !isReadOnly() && Room() <= 0) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TCustomMemo::insertFromMimeData(const QMimeData* source)
{
    if (maxLength_ <= 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData cut;
    cut.setText(source->text().left(std::max(Room(), 0)));
    QPlainTextEdit::insertFromMimeData(&cut);
}

bool TCustomMemo::event(QEvent* event)
{
    const bool handled = TControlEvents<TCustomMemo>::DispatchScrollArea(*this, event, [this](QEvent* e) { return QPlainTextEdit::event(e); });
    PaintBand(*event);
    return handled;
}

bool TCustomMemo::viewportEvent(QEvent* event)
{
    return TControlEvents<TCustomMemo>::DispatchViewport(*this, event, [this](QEvent* e) { return QPlainTextEdit::viewportEvent(e); });
}

} // namespace toolkit
