#pragma once
// The toolkit's one-line edit (QLineEdit) and multi-line memo
// (QPlainTextEdit) with their usual stored properties.

#include "toolkit/nativecontrol.h"
#include "toolkit/panel.h" // TAlignment
#include "toolkit/stringlist.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace toolkit {

/// The toolkit's one-line edit on a Qt line edit: Text, MaxLength, ReadOnly, OnChange.
class TCustomEdit : public QLineEdit, public TNativeControl {
    Q_OBJECT
public:
    explicit TCustomEdit(QObject* owner, QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }

signals:
    // Text changed, however (QLineEdit's textChanged, for NOTIFY).
    void TextChanged();
    void OnChange();
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomEdit>::StartDrag(*this); }

private:
    int maxLength_ = 0;
};

/// The one-line edit as stored in layouts.
class TEdit : public TCustomEdit {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomEdit::TCustomEdit;
};

/// The toolkit's multi-line edit on a Qt text edit: Lines, ScrollBars, WordWrap, ReadOnly, OnChange.
class TCustomMemo : public QPlainTextEdit, public TNativeControl {
    Q_OBJECT
public:
    explicit TCustomMemo(QObject* owner, QWidget* parent = nullptr);

    // The text as lines. Read from the document when the user changed it;
    // changing the list replaces the document's text.
    TStringList* Lines();
    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }
    bool WordWrap() const { return lineWrapMode() != NoWrap; }
    void SetWordWrap(bool on);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    // Characters the user can type in all, 0: no limit. Text set by the
    // program is not cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = std::max(length, 0); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Return starts a new line; without, it goes on to the window (its
    // default button) and Ctrl+Return starts the line.
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool on) { wantReturns_ = on; }
    // Tab types a tab; without, it moves the focus.
    bool WantTabs() const { return !tabChangesFocus(); }
    void SetWantTabs(bool on) { setTabChangesFocus(!on); }
    // The selection shows only while the memo has the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on);

signals:
    void OnChange();
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomMemo>::StartDrag(*this); }
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void LinesChanged();
    void DocumentChanged();
    int Room() const;

    TStringList lines_;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
    int maxLength_ = 0;
    bool wantReturns_ = true;
    bool hideSelection_ = true;
    bool linesStale_ = false;
    bool syncing_ = false;
};

/// The memo as stored in layouts.
class TMemo : public TCustomMemo {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::panel_meta::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::TStringList* Lines READ Lines)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(toolkit::nativecontrol_meta::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool WantReturns READ WantReturns WRITE SetWantReturns)
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE SetWantTabs)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomMemo::TCustomMemo;
};

} // namespace toolkit
