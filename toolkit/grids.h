#pragma once
// The toolkit's grids on QTableWidget: a draw grid whose cells its owner
// draws, and a string grid that keeps a text per cell.
//
// The grid paints its visible cells itself, one canvas over the whole view:
// for each cell the default background by state (fixed, selected, plain),
// then DrawCell, then the grid lines in the one-pixel gap right of and below
// each cell. The first FixedCols columns and FixedRows rows are fixed cells:
// they stay in place while the others scroll (by whole cells) beside and
// under them, and a click on them selects nothing. Qt's item views keep the
// selection, the current cell, editing and the table's accessibility.
//
// Each column has its own width (ColWidths) and each row its own height
// (RowHeights), starting at the defaults; a layout stores those that differ
// as lists, `ColWidths = (80 52 52)`, after the default they override.

#include "toolkit/canvas.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/nativecontrol.h"

#include <QTableWidget>

namespace toolkit {

namespace grids_meta {
Q_NAMESPACE
enum TGridOption {
    goFixedVertLine = 0x1,
    goFixedHorzLine = 0x2,
    goVertLine = 0x4,
    goHorzLine = 0x8,
    goRangeSelect = 0x10,
    goRowSelect = 0x20,
    goEditing = 0x40,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_FLAG_NS(TGridOptions)
} // namespace grids_meta

using TGridOption = grids_meta::TGridOption;
using TGridOptions = grids_meta::TGridOptions;
using enum grids_meta::TGridOption;

// A cell's state as DrawCell gets it.
using TGridDrawState = unsigned;
enum : unsigned { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };

/// The toolkit grid: ColCount, RowCount, fixed columns and rows, default sizes, scrolling, selection; cells
/// painted through a canvas.
class TCustomGrid : public QTableWidget, public TNativeControl, public TStoredExtras {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(quint32 FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::grids_meta::TGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    static constexpr TColor GridLineColor = 0xC0C0C0;
    // Far beyond any real grid: more cells (ColCount x RowCount) throw
    // std::out_of_range; default widths and heights are clamped to the extent.
    static constexpr qint64 MaxCells = 1000 * 1000;
    static constexpr int MaxCellExtent = 32767;

    explicit TCustomGrid(QObject* owner, QWidget* parent = nullptr);

    int ColCount() const { return columnCount(); }
    void SetColCount(int count);
    int RowCount() const { return rowCount(); }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    // Setting a default gives every column (row) that size.
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);
    // One column's width (one row's height) without its grid line, clamped
    // to 0...MaxCellExtent; an index outside the grid throws std::out_of_range.
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on);
    int Col() const { return currentColumn(); }
    int Row() const { return currentRow(); }
    // The first scrolled row and column in view, right after the fixed ones.
    int TopRow() const;
    int LeftCol() const;
    // Scrolls by whole cells until the cell shows beside the fixed ones.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // The cell's rectangle in the view, without its grid lines.
    TRect CellRect(int col, int row) const;
    // Where Qt places the in-place editor and repaints a cell: CellRect.
    QRect visualRect(const QModelIndex& index) const override;
    TGridDrawState CellState(int col, int row) const;
    // Where the last paint on a denser screen drew the cells' text at the
    // screen's resolution (the grid's coordinates); empty at a ratio of 1.
    QList<QRect> SharpTextAreas() const;
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomGrid>::StartDrag(*this); }
    QModelIndex indexAt(const QPoint& point) const override;
    bool ReadExtraProperty(const QString& name, const TLayoutValue& value) override;
    void WriteExtraProperties(TLayoutWriter& writer) const override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    // One cell on the view's canvas; the default background is already
    // there when DefaultDrawing is on.
    virtual void DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state);

    void paintEvent(QPaintEvent* event) override;

private:
    void PaintCell(TCanvas& canvas, int col, int row);
    // The extent of the fixed rows (columns) with their grid lines.
    int FixedHeight() const;
    int FixedWidth() const;
    void PaintGridLines(TCanvas& canvas, int col, int row, const TRect& rect);
    void ApplyOptions();
    void Repaint() { viewport()->update(); }

    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    TColor fixedColor_ = clBtnFace;
    TGridOptions options_ = TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
    bool defaultDrawing_ = true;
    // On a denser screen the cells' text, drawn over the enlarged cells.
    TTextLayer cellText_;
};

/// The grid whose cells the program draws (OnDrawCell).
class TDrawGrid : public TCustomGrid {
    Q_OBJECT
public:
    using TCustomGrid::TCustomGrid;

signals:
    void OnDrawCell(toolkit::TCanvas* canvas, int col, int row, toolkit::TRect rect, uint state);

protected:
    // Raises OnDrawCell.
    void DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state) override;
};

/// Cells are written at (Left + 2, Top + 2) of their rectangle, clipped to it.
class TStringGrid : public TCustomGrid {
    Q_OBJECT
public:
    using TCustomGrid::TCustomGrid;

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

protected:
    void DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state) override;
};

} // namespace toolkit
