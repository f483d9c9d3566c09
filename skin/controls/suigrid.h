#pragma once
// Skinned grids: the toolkit's draw grid and string grid in the style's
// colours, with the flat border, and cells filled by their state (selected
// cells in SelectedColor, the focused one in FocusedColor).

#include "skin/themes/suiflatborder.h"
#include "skin/themes/suiskinname.h"
#include "toolkit/grids.h"

/// The colours both grids share, read from the theme by SetUIStyle.
class TsuiGridColors : public TsuiFlatBorder, public TsuiSkinNamed {
public:
    static constexpr toolkit::TColor DefaultFocusedColor = 0x008000;  // green
    static constexpr toolkit::TColor DefaultSelectedColor = 0x00FFFF; // yellow

    explicit TsuiGridColors(toolkit::TCustomGrid& grid);

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Custom keeps the colours; a style sets the border, the fixed cells,
    // the cells, the fixed cells' text and the font colour.
    void SetUIStyle(TsuiUIStyle style);
    toolkit::TColor FocusedColor() const { return focusedColor_; }
    void SetFocusedColor(toolkit::TColor color) { Store(focusedColor_, color); }
    toolkit::TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(toolkit::TColor color) { Store(selectedColor_, color); }
    toolkit::TColor FixedFontColor() const { return fixedFontColor_; }
    void SetFixedFontColor(toolkit::TColor color) { Store(fixedFontColor_, color); }
    toolkit::TColor FontColor() const;
    void SetFontColor(toolkit::TColor color);
    // The grids never show a three-dimensional edge.
    bool Ctl3D() const { return false; }
    void SetCtl3D(bool) {}

    void ApplyContainerStyle(TsuiUIStyle style) override { SetUIStyle(style); }

protected:
    // After UIStyle changed: the grid raises its UIStyleSwitched.
    virtual void AnnounceUIStyle() {}
    // The background of a cell that is not fixed, by its state; focused wins
    // over selected.
    toolkit::TColor CellColor(toolkit::TGridDrawState state) const;
    void FillCell(toolkit::TCanvas& canvas, const toolkit::TRect& rect, toolkit::TGridDrawState state) const;

private:
    void Store(toolkit::TColor& field, toolkit::TColor value);

    toolkit::TCustomGrid& grid_;
    toolkit::TColor focusedColor_ = DefaultFocusedColor;
    toolkit::TColor selectedColor_ = DefaultSelectedColor;
    toolkit::TColor fixedFontColor_ = toolkit::clBlack;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::Custom;
};

/// The skinned grids' shared part: the toolkit grid with the style's fixed-cell colours, border and skinned
/// scroll bars.
class TsuiCustomDrawGrid : public toolkit::TDrawGrid, public TsuiGridColors {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 FocusedColor READ FocusedColor WRITE SetFocusedColor)
    Q_PROPERTY(quint32 SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(quint32 FixedFontColor READ FixedFontColor WRITE SetFixedFontColor)
    Q_PROPERTY(quint32 FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
public:
    explicit TsuiCustomDrawGrid(QObject* owner, QWidget* parent = nullptr);

signals:
    void UIStyleSwitched();

protected:
    void AnnounceUIStyle() override { emit UIStyleSwitched(); }
    void DrawCell(toolkit::TCanvas& canvas, int col, int row, const toolkit::TRect& rect,
                  toolkit::TGridDrawState state) override;
    bool event(QEvent* event) override;
};

/// The skinned grid whose cells the program draws (OnDrawCell).
class TsuiDrawGrid : public TsuiCustomDrawGrid {
    Q_OBJECT
public:
    using TsuiCustomDrawGrid::TsuiCustomDrawGrid;
};

/// The skinned grid of text cells (Cells[col][row]).
class TsuiStringGrid : public toolkit::TStringGrid, public TsuiGridColors {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 FocusedColor READ FocusedColor WRITE SetFocusedColor)
    Q_PROPERTY(quint32 SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(quint32 FixedFontColor READ FixedFontColor WRITE SetFixedFontColor)
    Q_PROPERTY(quint32 FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
public:
    explicit TsuiStringGrid(QObject* owner, QWidget* parent = nullptr);

signals:
    void UIStyleSwitched();

protected:
    void AnnounceUIStyle() override { emit UIStyleSwitched(); }
    void DrawCell(toolkit::TCanvas& canvas, int col, int row, const toolkit::TRect& rect,
                  toolkit::TGridDrawState state) override;
    bool event(QEvent* event) override;
};
