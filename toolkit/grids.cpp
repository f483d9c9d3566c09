#include "toolkit/grids.h"

#include "toolkit/layouttree.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

namespace toolkit {

TCustomGrid::TCustomGrid(QObject* owner, QWidget* parent) : QTableWidget(parent), TNativeControl(*this, owner)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false); // the grid draws its own lines with its cells
    // A scroll value counts whole cells after the fixed ones.
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerItem);
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
    updateGeometries();
    Repaint();
}

void TCustomGrid::SetFixedRows(int count)
{
    fixedRows_ = std::clamp(count, 0, rowCount() - 1);
    updateGeometries();
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

namespace {

void CheckIndex(int index, int count, const char* what)
{
    if (index < 0 || index >= count)
        throw std::out_of_range(std::string(what) + " " + std::to_string(index) + " is outside the grid");
}

} // namespace

int TCustomGrid::ColWidths(int col) const
{
    CheckIndex(col, columnCount(), "column");
    return columnWidth(col) - 1;
}

void TCustomGrid::SetColWidths(int col, int width)
{
    CheckIndex(col, columnCount(), "column");
    setColumnWidth(col, std::clamp(width, 0, MaxCellExtent) + 1);
}

int TCustomGrid::RowHeights(int row) const
{
    CheckIndex(row, rowCount(), "row");
    return rowHeight(row) - 1;
}

void TCustomGrid::SetRowHeights(int row, int height)
{
    CheckIndex(row, rowCount(), "row");
    setRowHeight(row, std::clamp(height, 0, MaxCellExtent) + 1);
}

namespace {

// Sizes stored as a list of integers, one per column (row) from the first;
// a shorter list leaves the rest at their size.
void ReadSizes(const TLayoutValue& value, int count, const QString& name, const std::function<void(int, int)>& set)
{
    ExpectKind(value, TLayoutValue::Kind::List);
    if (qsizetype(value.Elements.size()) > count)
        throw ELayoutError(value.Pos.Line, value.Pos.Column,
                           QStringLiteral("%1 holds %2 sizes for %3 cells").arg(name).arg(value.Elements.size()).arg(count));
    for (int i = 0; i < int(value.Elements.size()); ++i) {
        const qint64 size = LayoutInteger(value.Elements[i]);
        if (size < 0 || size > TCustomGrid::MaxCellExtent)
            throw ELayoutError(value.Elements[i].Pos.Line, value.Elements[i].Pos.Column,
                               QStringLiteral("%1: size out of range").arg(name));
        set(i, int(size));
    }
}

// All sizes, or nothing while every one is the default.
void WriteSizes(TLayoutWriter& writer, const QString& name, int count, int defaultSize,
                const std::function<int(int)>& get)
{
    TLayoutValue list = MakeValue(TLayoutValue::Kind::List);
    bool differs = false;
    for (int i = 0; i < count; ++i) {
        differs = differs || get(i) != defaultSize;
        list.Elements.push_back(IntegerValue(get(i)));
    }
    if (differs) writer.Property(name, std::move(list));
}

} // namespace

bool TCustomGrid::ReadExtraProperty(const QString& name, const TLayoutValue& value)
{
    if (name == QLatin1String("ColWidths"))
        ReadSizes(value, columnCount(), name, [this](int col, int width) { SetColWidths(col, width); });
    else if (name == QLatin1String("RowHeights"))
        ReadSizes(value, rowCount(), name, [this](int row, int height) { SetRowHeights(row, height); });
    else
        return false;
    return true;
}

void TCustomGrid::WriteExtraProperties(TLayoutWriter& writer) const
{
    WriteSizes(writer, QStringLiteral("ColWidths"), columnCount(), defaultColWidth_,
               [this](int col) { return ColWidths(col); });
    WriteSizes(writer, QStringLiteral("RowHeights"), rowCount(), defaultRowHeight_,
               [this](int row) { return RowHeights(row); });
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

int TCustomGrid::TopRow() const
{
    return fixedRows_ + verticalScrollBar()->value();
}

int TCustomGrid::LeftCol() const
{
    return fixedCols_ + horizontalScrollBar()->value();
}

int TCustomGrid::FixedHeight() const
{
    return fixedRows_ > 0 ? verticalHeader()->sectionPosition(fixedRows_ - 1) + rowHeight(fixedRows_ - 1) : 0;
}

int TCustomGrid::FixedWidth() const
{
    return fixedCols_ > 0 ? horizontalHeader()->sectionPosition(fixedCols_ - 1) + columnWidth(fixedCols_ - 1) : 0;
}

// Fixed cells sit where they would unscrolled; a scroll by whole cells puts
// the top row and left column right after them.
TRect TCustomGrid::CellRect(int col, int row) const
{
    const int left = col < fixedCols_ ? horizontalHeader()->sectionPosition(col)
                                      : FixedWidth() + horizontalHeader()->sectionPosition(col) -
                                            horizontalHeader()->sectionPosition(LeftCol());
    const int top = row < fixedRows_ ? verticalHeader()->sectionPosition(row)
                                     : FixedHeight() + verticalHeader()->sectionPosition(row) -
                                           verticalHeader()->sectionPosition(TopRow());
    return Bounds(left, top, columnWidth(col) - 1, rowHeight(row) - 1);
}

QRect TCustomGrid::visualRect(const QModelIndex& index) const
{
    if (!index.isValid()) return {};
    return CellRect(index.column(), index.row()).toQRect();
}

QModelIndex TCustomGrid::indexAt(const QPoint& point) const
{
    if (point.x() < FixedWidth() || point.y() < FixedHeight()) return {};
    for (int row = TopRow(); row < rowCount(); ++row) {
        const TRect rows = CellRect(LeftCol(), row);
        if (rows.Top > point.y()) break;
        if (point.y() > rows.Bottom) continue;
        for (int col = LeftCol(); col < columnCount(); ++col) {
            const TRect cell = CellRect(col, row);
            if (cell.Left > point.x()) break;
            if (point.x() <= cell.Right) return model()->index(row, col);
        }
        break;
    }
    return {};
}

namespace {

// The scroll value (cells after the fixed ones) that shows cell index of
// count whole in room pixels, moving as little as possible.
int ScrollValueShowing(int value, int index, int fixed, int room, const std::function<int(int)>& extent)
{
    if (index < fixed) return value;
    int first = fixed + value;
    if (index < first) return index - fixed;
    int used = 0;
    for (int i = first; i <= index; ++i) used += extent(i);
    while (used > room && first < index) used -= extent(first++);
    return first - fixed;
}

// The largest scroll value: the last cells fill the room after the fixed ones.
int LastScrollValue(int count, int fixed, int room, const std::function<int(int)>& extent)
{
    int first = count;
    for (int used = 0; first > fixed && used + extent(first - 1) <= room; --first)
        used += extent(first - 1);
    return std::max(0, std::min(first, count - 1) - fixed);
}

} // namespace

void TCustomGrid::scrollTo(const QModelIndex& index, ScrollHint)
{
    if (!index.isValid()) return;
    const auto height = [this](int row) { return rowHeight(row); };
    const auto width = [this](int col) { return columnWidth(col); };
    verticalScrollBar()->setValue(ScrollValueShowing(verticalScrollBar()->value(), index.row(), fixedRows_,
                                                     viewport()->height() - FixedHeight(), height));
    horizontalScrollBar()->setValue(ScrollValueShowing(horizontalScrollBar()->value(), index.column(), fixedCols_,
                                                       viewport()->width() - FixedWidth(), width));
}

// The cells are painted anew at their places: moving the picture would
// carry the fixed cells along.
void TCustomGrid::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    viewport()->update();
}

void TCustomGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    // As QTableView does: when every cell fits without scroll bars, measure
    // the room without them, or bars shown at an earlier, smaller size would
    // keep themselves by the room they take.
    QSize room = viewport()->size();
    const QSize most = maximumViewportSize();
    if (most.width() >= horizontalHeader()->length() && most.height() >= verticalHeader()->length()) room = most;
    const auto height = [this](int row) { return rowHeight(row); };
    const auto width = [this](int col) { return columnWidth(col); };
    verticalScrollBar()->setRange(0, LastScrollValue(rowCount(), fixedRows_, room.height() - FixedHeight(), height));
    horizontalScrollBar()->setRange(0, LastScrollValue(columnCount(), fixedCols_, room.width() - FixedWidth(), width));
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
    // The scrolled cells in view, then the fixed rows and columns over them.
    QList<int> rows, cols;
    for (int row = TopRow(); row < rowCount() && CellRect(LeftCol(), row).Top < image.height(); ++row)
        rows.append(row);
    for (int col = LeftCol(); col < columnCount() && CellRect(col, TopRow()).Left < image.width(); ++col)
        cols.append(col);
    for (int row : rows)
        for (int col : cols)
            PaintCell(canvas, col, row);
    for (int row = 0; row < fixedRows_; ++row)
        for (int col : cols)
            PaintCell(canvas, col, row);
    for (int col = 0; col < fixedCols_; ++col) {
        for (int row = 0; row < fixedRows_; ++row)
            PaintCell(canvas, col, row);
        for (int row : rows)
            PaintCell(canvas, col, row);
    }
    QPainter painter(viewport());
    DrawPicture(painter, QPoint(), image, cellText_, event->rect());
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
    const bool handled = TControlEvents<TCustomGrid>::DispatchScrollArea(*this, event, [this](QEvent* e) { return QTableWidget::event(e); });
    PaintBand(*event);
    return handled;
}

bool TCustomGrid::viewportEvent(QEvent* event)
{
    return TControlEvents<TCustomGrid>::DispatchViewport(*this, event, [this](QEvent* e) { return QTableWidget::viewportEvent(e); });
}

} // namespace toolkit
