// The font combo box's list against QFontComboBox's, measured in the same
// run: opening the list with every family visible and drawn in its own face,
// then closing it. And building the colour box's list from the colour table.
#include "bench/common/widgetbench.h"
#include "skin/controls/suicolorbox.h"
#include "skin/controls/suifontcombobox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontComboBox>
#include <benchmark/benchmark.h>

namespace {

template <typename Box> struct Shown {
    QWidget window;
    Box* box;
    template <typename... Args> explicit Shown(Args&&... args)
    {
        box = new Box(std::forward<Args>(args)...);
        box->setParent(&window);
        box->setGeometry(10, 10, 200, box->height());
        window.resize(240, 60);
        window.show();
        QApplication::processEvents();
    }
};

// Shows the list, lets it paint (every item is visible) and closes it again.
void OpenList(QComboBox& box)
{
    box.showPopup();
    QApplication::processEvents();
    box.hidePopup();
}

void SkinnedFontListOpen(benchmark::State& state)
{
    Shown<TsuiFontComboBox> shown(nullptr);
    shown.box->SetUseFonts(true);
    shown.box->CreateList();
    shown.box->SetDropDownCount(shown.box->Items()->Count());
    for (auto _ : state)
        OpenList(*shown.box);
    state.counters["families"] = shown.box->Items()->Count();
}
BENCHMARK(SkinnedFontListOpen)->Unit(benchmark::kMicrosecond);

void PlainFontListOpen(benchmark::State& state)
{
    Shown<QFontComboBox> shown;
    shown.box->setMaxVisibleItems(shown.box->count());
    for (auto _ : state)
        OpenList(*shown.box);
    state.counters["families"] = shown.box->count();
}
BENCHMARK(PlainFontListOpen)->Unit(benchmark::kMicrosecond);

// Each style change lists the 41 colours anew (names alternate).
void ColorListBuild(benchmark::State& state)
{
    Shown<TsuiColorBox> shown(nullptr);
    const TColorBoxStyle pretty = TsuiCustomColorBox::DefaultStyle | Suicolorbox::cbPrettyNames;
    bool prettyNames = false;
    for (auto _ : state) {
        prettyNames = !prettyNames;
        shown.box->SetStyle(prettyNames ? pretty : TsuiCustomColorBox::DefaultStyle);
    }
}
BENCHMARK(ColorListBuild)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
