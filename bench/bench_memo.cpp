// Scrolling a 100,000-line memo by one page through its attached skinned
// scroll bar against a plain QPlainTextEdit scrolled through its own bar, and
// painting a visible 20 x 50 string grid against a QTableWidget of the same
// cells. Each iteration ends with the repaint landed on the window.
#include "bench/common/widgetbench.h"
#include "skin/controls/suigrid.h"
#include "skin/scrolling/suimemo.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int MemoLines = 100000;
constexpr int GridCols = 20, GridRows = 50;

QString ManyLines()
{
    QStringList lines;
    lines.reserve(MemoLines);
    for (int i = 0; i < MemoLines; ++i)
        lines << QStringLiteral("Line %1 of the memo").arg(i);
    return lines.join(QLatin1Char('\n'));
}

void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// Pages down and back up, alternately, from the middle of the text.
template <typename Scroll>
void PageSteps(benchmark::State& state, const QScrollBar& native, Scroll scroll)
{
    const int middle = native.maximum() / 2, page = native.pageStep();
    scroll(middle);
    Settle();
    if (native.value() != middle) state.SkipWithError("the memo did not scroll");
    bool down = true;
    for (auto _ : state) {
        scroll(down ? middle + page : middle);
        Settle();
        down = !down;
    }
    if (native.value() != middle && native.value() != middle + page) state.SkipWithError("the memo lost its place");
}

void BM_SkinnedMemoPage(benchmark::State& state)
{
    QWidget window;
    window.resize(320, 240);
    auto* memo = new TsuiMemo(&window, &window);
    memo->setGeometry(10, 10, 260, 200);
    memo->SetWordWrap(false);
    memo->setPlainText(ManyLines());
    auto* bar = new TsuiScrollBar(&window, &window);
    memo->SetVScrollBar(bar);
    window.show();
    Settle();
    PageSteps(state, *memo->verticalScrollBar(), [bar](int value) { bar->SetPosition(value); });
}
BENCHMARK(BM_SkinnedMemoPage)->Unit(benchmark::kMicrosecond);

void BM_PlainMemoPage(benchmark::State& state)
{
    QWidget window;
    window.resize(320, 240);
    auto* memo = new QPlainTextEdit(&window);
    memo->setGeometry(10, 10, 260, 200);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setPlainText(ManyLines());
    window.show();
    Settle();
    QScrollBar* native = memo->verticalScrollBar();
    PageSteps(state, *native, [native](int value) { native->setValue(value); });
}
BENCHMARK(BM_PlainMemoPage)->Unit(benchmark::kMicrosecond);

template <typename Grid> void FillCells(Grid& grid)
{
    for (int row = 0; row < GridRows; ++row)
        for (int col = 0; col < GridCols; ++col)
            grid.SetCells(col, row, QStringLiteral("%1,%2").arg(col).arg(row));
}

// Big enough that every cell is visible.
constexpr QSize GridSize(GridCols * 65 + 2, GridRows * 25 + 2);

void BM_SkinnedStringGridPaint(benchmark::State& state)
{
    QWidget window;
    window.resize(GridSize);
    auto* grid = new TsuiStringGrid(&window, &window);
    grid->SetUIStyle(TsuiUIStyle::MacOS);
    grid->SetColCount(GridCols);
    grid->SetRowCount(GridRows);
    grid->resize(GridSize);
    FillCells(*grid);
    window.show();
    Settle();
    if (grid->rowAt(grid->viewport()->height() - 2) != GridRows - 1) state.SkipWithError("not every row is visible");
    for (auto _ : state)
        grid->viewport()->repaint();
}
BENCHMARK(BM_SkinnedStringGridPaint)->Unit(benchmark::kMicrosecond);

void BM_PlainTableWidgetPaint(benchmark::State& state)
{
    QWidget window;
    window.resize(GridSize);
    auto* table = new QTableWidget(GridRows, GridCols, &window);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setDefaultSectionSize(65);
    table->verticalHeader()->setDefaultSectionSize(25);
    table->resize(GridSize);
    for (int row = 0; row < GridRows; ++row)
        for (int col = 0; col < GridCols; ++col)
            table->setItem(row, col, new QTableWidgetItem(QStringLiteral("%1,%2").arg(col).arg(row)));
    window.show();
    Settle();
    for (auto _ : state)
        table->viewport()->repaint();
}
BENCHMARK(BM_PlainTableWidgetPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
