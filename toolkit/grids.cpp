#include "toolkit/grids.h"

#include <QHeaderView>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace toolkit {

TCustomGrid::TCustomGrid(QObject* owner, QWidget* parent) : QTableWidget(parent), TNativeControl(*this, owner)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false); // the grid draws its own lines with its cells
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setColumnCount(5);
    setRowCount(5);
    SetDefaultColWidth(64);
    SetDefaultRowHeight(24);
    ApplyOptions();
    resize(320, 120);
    connect(this, &QTableWidget::currentCellChanged, this, &TCustomGrid::Repaint);
    connect(this, &QTableWidget::itemSelectionChanged, this, &TCustomGrid::Repaint);
}

namespace {

void CheckCells(qint64 cols, qint64 rows)
{
    if (cols * rows > TCustomGrid::MaxCells)
        throw std::out_of_range("a grid holds at most " + std::to_string(TCustomGrid::MaxCells) + " cells");
}

} // namespace

void TCustomGrid::SetColCount(int count)
{
    CheckCells(count, rowCount());
    setColumnCount(std::max(count, 1));
    fixedCols_ = std::min(fixedCols_, columnCount() - 1);
}

void TCustomGrid::SetRowCount(int count)
{
    CheckCells(columnCount(), count);
    setRowCount(std::max(count, 1));
    fixedRows_ = std::min(fixedRows_, rowCount() - 1);
}

// At least one column and one row stay unfixed.
void TCustomGrid::SetFixedCols(int count)
{
    fixedCols_ = std::clamp(count, 0, columnCount() - 1);
    Repaint();
}

void TCustomGrid::SetFixedRows(int count)
{
    fixedRows_ = std::clamp(count, 0, rowCount() - 1);
    Repaint();
}

// A column is its width plus the grid line right of it; a row likewise.
void TCustomGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::clamp(width, 0, MaxCellExtent);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_ + 1);
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, defaultColWidth_ + 1);
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::clamp(height, 0, MaxCellExtent);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_ + 1);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, defaultRowHeight_ + 1);
}

void TCustomGrid::SetFixedColor(TColor color)
{
    fixedColor_ = color;
    Repaint();
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    options_ = options;
    ApplyOptions();
}

void TCustomGrid::SetDefaultDrawing(bool on)
{
    defaultDrawing_ = on;
    Repaint();
}

void TCustomGrid::ApplyOptions()
{
    setSelectionMode(options_ & goRangeSelect ? ContiguousSelection : SingleSelection);
    setSelectionBehavior(options_ & goRowSelect ? SelectRows : SelectItems);
    setEditTriggers(options_ & goEditing ? DoubleClicked | EditKeyPressed | AnyKeyPressed : NoEditTriggers);
    Repaint();
}

TRect TCustomGrid::CellRect(int col, int row) const
{
    return Bounds(columnViewportPosition(col), rowViewportPosition(row), columnWidth(col) - 1, rowHeight(row) - 1);
}

// Selected marks the cells of the selection other than the current one, as
// long as the grid has the focus; focused marks the current cell then.
TGridDrawState TCustomGrid::CellState(int col, int row) const
{
    if (col < fixedCols_ || row < fixedRows_) return gdFixed;
    const QModelIndex cell = model()->index(row, col);
    const bool current = currentIndex() == cell;
    TGridDrawState state = 0;
    if (selectionModel()->isSelected(cell)) state |= gdSelected;
    if (current && hasFocus()) state |= gdFocused;
    return state;
}

void TCustomGrid::DrawCell(TCanvas&, int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::paintEvent(QPaintEvent* event)
{
    QImage image(viewport()->size(), QImage::Format_RGB32);
    TCanvas canvas(&image);
    cellText_.clear();
    canvas.DeferTextFor(*viewport(), cellText_);
    canvas.Brush.Color = Color();
    canvas.FillRect(Rect(0, 0, image.width(), image.height()));
    canvas.Font.Assign(*Font());
    const QRect area = event->rect();
    // An area beyond the last column or row shows no cells.
    const int firstCol = columnAt(area.left()), firstRow = rowAt(area.top());
    int lastCol = columnAt(area.right()), lastRow = rowAt(area.bottom());
    if (lastCol < 0) lastCol = columnCount() - 1;
    if (lastRow < 0) lastRow = rowCount() - 1;
    if (firstCol >= 0 && firstRow >= 0)
        for (int row = firstRow; row <= lastRow; ++row)
            for (int col = firstCol; col <= lastCol; ++col)
                PaintCell(canvas, col, row);
    QPainter painter(viewport());
    DrawPicture(painter, QPoint(), image, cellText_, area);
}

QList<QRect> TCustomGrid::SharpTextAreas() const
{
    QList<QRect> areas = TextAreas(cellText_);
    for (QRect& area : areas) area.translate(viewport()->pos());
    return areas;
}

void TCustomGrid::PaintCell(TCanvas& canvas, int col, int row)
{
    const TRect rect = CellRect(col, row);
    const TGridDrawState state = CellState(col, row);
    canvas.Font.SetColor(Font()->Color());
    if (defaultDrawing_) {
        const bool highlighted = state == gdSelected;
        canvas.Brush.Color = state & gdFixed ? fixedColor_ : highlighted ? clHighlight : Color();
        if (highlighted) canvas.Font.SetColor(clHighlightText);
        canvas.FillRect(rect);
    }
    DrawCell(canvas, col, row, rect, state);
    PaintGridLines(canvas, col, row, rect);
}

void TCustomGrid::PaintGridLines(TCanvas& canvas, int col, int row, const TRect& rect)
{
    const bool fixed = col < fixedCols_ || row < fixedRows_;
    const bool vertical = options_ & (fixed ? goFixedVertLine : goVertLine);
    const bool horizontal = options_ & (fixed ? goFixedHorzLine : goHorzLine);
    canvas.Brush.Color = fixed ? clBlack : GridLineColor;
    if (vertical) canvas.FillRect(Rect(rect.Right, rect.Top, rect.Right + 1, rect.Bottom + 1));
    if (horizontal) canvas.FillRect(Rect(rect.Left, rect.Bottom, rect.Right + 1, rect.Bottom + 1));
}

void TDrawGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)
{
    emit OnDrawCell(&canvas, col, row, rect, state);
}

QString TStringGrid::Cells(int col, int row) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount()) return;
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text);
    else
        setItem(row, col, new QTableWidgetItem(text));
}

void TStringGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)
{
    Q_UNUSED(state);
    if (DefaultDrawing()) canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
}

bool TCustomGrid::event(QEvent* event)
{
    const bool handled = QTableWidget::event(event);
    PaintBand(*event);
    return handled;
}

} // namespace toolkit
