// Opening a 20-item drop-down of the skinned main menu (items measured and
// drawn by the menu in the WinXP style) against a plain QMenu of the same
// items, in the same run: show, paint (into a picture, since an offscreen
// window may not be exposed yet), hide.
#include "bench/common/widgetbench.h"
#include "skin/frame/suimainmenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <benchmark/benchmark.h>

namespace {

constexpr int kItems = 20;

QString Caption(int i)
{
    return i % 5 == 4 ? QStringLiteral("-") : QStringLiteral("Menu item &%1").arg(i);
}

void Open(QMenu* popup, benchmark::State& state)
{
    for (auto _ : state) {
        popup->popup(QPoint(10, 10));
        benchmark::DoNotOptimize(popup->grab());
        popup->hide();
    }
}

void SkinnedMenuOpen(benchmark::State& state)
{
    QWidget form;
    TsuiMainMenu menu(&form);
    menu.SetUIStyle(TsuiUIStyle::WinXP);
    auto* file = new toolkit::TMenuItem(&menu);
    file->SetCaption(QStringLiteral("&File"));
    for (int i = 0; i < kItems; ++i) {
        auto* item = new toolkit::TMenuItem(file);
        item->SetCaption(Caption(i));
        item->SetShortCut(i % 3 == 0 ? toolkit::scCtrl | ('A' + i) : 0);
        item->SetChecked(i % 4 == 1);
    }
    Open(file->Popup(), state);
}
BENCHMARK(SkinnedMenuOpen);

void PlainMenuOpen(benchmark::State& state)
{
    QMenu popup;
    for (int i = 0; i < kItems; ++i) {
        if (Caption(i) == QLatin1String("-")) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(Caption(i));
        if (i % 3 == 0) action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + i)));
        action->setCheckable(i % 4 == 1);
        action->setChecked(i % 4 == 1);
    }
    Open(&popup, state);
}
BENCHMARK(PlainMenuOpen);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
