// Stock widgets under the skinned style against the same widgets under
// Fusion and against a style-sheet look made of the same pictures, in one
// run: one repaint of each widget, and of the gallery's whole page of stock
// widgets.
#include "bench/common/widgetbench.h"
#include "gallery/stockpage.h"
#include "skin/style/skinnedstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

constexpr TsuiUIStyle kStyle = TsuiUIStyle::WinXP;

enum class Look { Skinned, Fusion, StyleSheet };

QStyle* SkinnedWinXP()
{
    static SkinnedStyle style(kStyle);
    return &style;
}

QStyle* Fusion()
{
    static std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
    return style.get();
}

// The style sheet naming the style's picture for the widget, saved under `dir`.
QString SheetFor(const QString& rule, TsuiFace face, const QString& dir, TsuiFaceState state = {})
{
    const QString path = QDir(dir).filePath(QStringLiteral("face%1.png").arg(int(face)));
    FaceFor(kStyle, face, state).save(path);
    return QString(rule).arg(path);
}

struct Widget {
    std::function<QWidget*()> make;
    QSize size;
    QString sheet; // %1 is the picture's path
    TsuiFace face;
};

const Widget& Catalogue(int index)
{
    static const Widget widgets[] = {
        {[] { return new QPushButton(QStringLiteral("Update Firmware")); }, {123, 27},
         QStringLiteral("QPushButton { border-image: url(%1) 8 8 8 8 stretch; border-width: 8px; }"),
         TsuiFace::PushButton},
        {[] {
             auto* box = new QCheckBox(QStringLiteral("Keep settings"));
             box->setChecked(true);
             return box;
         },
         {120, 17}, QStringLiteral("QCheckBox::indicator { image: url(%1); }"), TsuiFace::CheckBox},
        {[] { return new QRadioButton(QStringLiteral("Boot loader")); }, {120, 17},
         QStringLiteral("QRadioButton::indicator { image: url(%1); }"), TsuiFace::RadioButton},
        {[] {
             auto* bar = new QProgressBar;
             bar->setValue(40);
             bar->setTextVisible(false);
             return bar;
         },
         {145, 12}, QStringLiteral("QProgressBar::chunk { border-image: url(%1); }"), TsuiFace::ProgressBar},
        {[] {
             auto* bar = new QScrollBar(Qt::Vertical);
             bar->setRange(0, 30);
             bar->setPageStep(10);
             return bar;
         },
         {17, 185}, QStringLiteral("QScrollBar::handle:vertical { border-image: url(%1) 4 0 4 0; }"),
         TsuiFace::ScrollThumb},
        {[] {
             auto* slider = new QSlider(Qt::Horizontal);
             slider->setRange(0, 10);
             slider->setValue(3);
             return slider;
         },
         {185, 22}, QStringLiteral("QSlider::handle:horizontal { image: url(%1); }"), TsuiFace::TrackBarSlider},
        {[] {
             auto* tabs = new QTabBar;
             tabs->addTab(QStringLiteral("Firmware"));
             tabs->addTab(QStringLiteral("Settings"));
             return tabs;
         },
         {185, 22}, QStringLiteral("QTabBar::tab { border-image: url(%1) 0 6 0 6 stretch; border-width: 0 6px; }"),
         TsuiFace::Tab},
    };
    return widgets[index];
}

const char* const kNames[] = {"PushButton", "CheckBox", "RadioButton", "ProgressBar",
                              "ScrollBar",  "Slider",   "TabBar"};

void Repaint(benchmark::State& state, int index, Look look)
{
    const Widget& widget = Catalogue(index);
    QTemporaryDir dir;
    QWidget window;
    QWidget* shown = widget.make();
    shown->setParent(&window);
    if (look == Look::StyleSheet) {
        shown->setStyle(Fusion());
        shown->setStyleSheet(SheetFor(widget.sheet, widget.face, dir.path(), {.Checked = true}));
    } else {
        shown->setStyle(look == Look::Skinned ? SkinnedWinXP() : Fusion());
    }
    shown->setGeometry(QRect(QPoint(10, 10), widget.size));
    window.resize(326, 220);
    window.show();
    QApplication::processEvents();
    for (auto _ : state)
        shown->repaint();
}

// The gallery's page of stock widgets, repainted whole.
void PageRepaint(benchmark::State& state, bool skinned)
{
    TStockPage page;
    if (skinned) {
        page.ApplyStyle(kStyle);
    } else {
        page.setStyle(Fusion());
        for (QWidget* widget : page.findChildren<QWidget*>()) widget->setStyle(Fusion());
    }
    page.show();
    QApplication::processEvents();
    for (auto _ : state)
        page.repaint();
}

void RegisterAll()
{
    for (int i = 0; i < int(std::size(kNames)); ++i)
        for (const auto& [look, name] : {std::pair{Look::Skinned, "Skinned"}, std::pair{Look::Fusion, "Fusion"},
                                         std::pair{Look::StyleSheet, "StyleSheet"}})
            benchmark::RegisterBenchmark((std::string(kNames[i]) + "/" + name).c_str(),
                                         [i, look](benchmark::State& state) { Repaint(state, i, look); });
    benchmark::RegisterBenchmark("WholePage/Skinned", [](benchmark::State& state) { PageRepaint(state, true); });
    benchmark::RegisterBenchmark("WholePage/Fusion", [](benchmark::State& state) { PageRepaint(state, false); });
}

} // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    return RunWidgetBenchmarks(argc, argv);
}
