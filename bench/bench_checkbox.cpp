// The MacOS check box against what a Qt developer would reach for instead, a
// QCheckBox whose indicator a style sheet draws from the same pictures, both
// 93 x 17 on a shown window: one paint, and one toggle with its repaint. The
// MacOS box is transparent, so each of its paints draws the window behind it.
#include "bench/common/widgetbench.h"
#include "skin/buttons/suicheckbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QString Caption = QStringLiteral("suiCheckBox");

// A shown top-level window holding one control.
template <typename Control> struct Shown {
    QWidget window;
    Control* control;
    template <typename... Args> explicit Shown(Args&&... args)
    {
        control = new Control(std::forward<Args>(args)...);
        control->setParent(&window);
        control->setGeometry(20, 20, 93, 17);
        control->show();
        window.resize(200, 100);
        window.show();
        QApplication::processEvents();
    }
};

struct SkinnedBox : Shown<TsuiCheckBox> {
    SkinnedBox() : Shown<TsuiCheckBox>(nullptr)
    {
        control->SetUIStyle(TsuiUIStyle::MacOS);
        control->SetCaption(Caption);
    }
};

struct StyleSheetBox : Shown<QCheckBox> {
    StyleSheetBox() : Shown<QCheckBox>(Caption)
    {
        if (!QFile::exists(QStringLiteral(":/pictures/MACOS_CHECKBOX_CHECK")))
            std::fprintf(stderr, "MACOS_CHECKBOX_* not compiled in: the style sheet draws no pictures\n");
        control->setStyleSheet(
            QStringLiteral("QCheckBox { spacing: 3px; padding-left: 1px; }"
                           "QCheckBox::indicator { width: 15px; height: 17px; }"
                           "QCheckBox::indicator:unchecked { image: url(:/pictures/MACOS_CHECKBOX_UNCHECK); }"
                           "QCheckBox::indicator:checked { image: url(:/pictures/MACOS_CHECKBOX_CHECK); }"));
        QApplication::processEvents();
    }
};

void SkinnedCheckBoxPaint(benchmark::State& state)
{
    SkinnedBox box;
    for (auto _ : state)
        box.control->repaint();
}
BENCHMARK(SkinnedCheckBoxPaint)->Unit(benchmark::kMicrosecond);

void StyleSheetCheckBoxPaint(benchmark::State& state)
{
    StyleSheetBox box;
    for (auto _ : state)
        box.control->repaint();
}
BENCHMARK(StyleSheetCheckBoxPaint)->Unit(benchmark::kMicrosecond);

// A toggle chooses the other pictures; the repaint shows them.
void SkinnedCheckBoxToggle(benchmark::State& state)
{
    SkinnedBox box;
    for (auto _ : state) {
        box.control->SetChecked(!box.control->Checked());
        box.control->repaint();
    }
}
BENCHMARK(SkinnedCheckBoxToggle)->Unit(benchmark::kMicrosecond);

void StyleSheetCheckBoxToggle(benchmark::State& state)
{
    StyleSheetBox box;
    for (auto _ : state) {
        box.control->setChecked(!box.control->isChecked());
        box.control->repaint();
    }
}
BENCHMARK(StyleSheetCheckBoxToggle)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
