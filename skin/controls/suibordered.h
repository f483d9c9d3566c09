#pragma once
// The toolkit's edit, list view, tree view and check list box with the flat
// border in BorderColor in place of their native edge. They have no style of
// their own: a style pushed onto their container sets BorderColor.

#include "skin/themes/suiflatborder.h"
#include "toolkit/edits.h"
#include "toolkit/lists.h"

class TsuiEdit : public toolkit::TCustomEdit, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
public:
    explicit TsuiEdit(QObject* owner, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

class TsuiListView : public toolkit::TCustomListView, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(QStringList Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool RowSelect READ RowSelect WRITE SetRowSelect)
    Q_PROPERTY(toolkit::lists_meta::TViewStyle ViewStyle READ ViewStyle WRITE SetViewStyle)
public:
    explicit TsuiListView(QObject* owner, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

class TsuiTreeView : public toolkit::TCustomTreeView, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE SetShowRoot)
public:
    explicit TsuiTreeView(QObject* owner, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

// Its border is pinned: BorderStyle always reads single and BorderWidth 1;
// writing either sets the flat border of width 1 again.
class TsuiCheckListBox : public toolkit::TCheckListBox, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ PinnedBorderStyle WRITE SetPinnedBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::TStringList* Items READ Items)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
public:
    explicit TsuiCheckListBox(QObject* owner, QWidget* parent = nullptr);

    toolkit::TBorderStyle PinnedBorderStyle() const { return toolkit::bsSingle; }
    void SetPinnedBorderStyle(toolkit::TBorderStyle) { SetBorderStyle(toolkit::bsNone); }
    void SetBorderStyle(toolkit::TBorderStyle) override;
    void SetBorderWidth(int) override;

protected:
    bool event(QEvent* event) override;
};
