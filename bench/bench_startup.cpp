// Start-up to the first painted window, as a whole process on the offscreen
// platform: the utility's skinned window built from its stored layout,
// against a plain Qt window with the same controls unskinned, in the same
// fonts (the stored window's face, bold where it is bold), so both load the
// same faces.
//
//   bench_startup                      runs both, each start a fresh process
//   bench_startup --window=skinned     one start (what the benchmark spawns)

#include "app/form1.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string self;

// Ends the process once the window has painted for the first time.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }
};

QFont StoredFont(bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

std::unique_ptr<QWidget> PlainWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("IP Camera ISP Utility"));
    window->setGeometry(197, 155, 326, 155);
    window->setFont(StoredFont(false));
    auto* frame = new QWidget(window.get());
    frame->setGeometry(1, 0, 324, 154);
    auto* name = new QLabel(QStringLiteral("Firmware File Name:"), frame);
    name->setFont(StoredFont(true));
    name->setGeometry(22, 37, 135, 13);
    auto* path = new QLabel(frame);
    path->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    path->setGeometry(20, 60, 273, 17);
    auto* update = new QPushButton(QStringLiteral("Update Firmware"), frame);
    update->setFont(StoredFont(true));
    update->setGeometry(101, 87, 123, 23);
    (new QPushButton(QStringLiteral("..."), frame))->setGeometry(164, 32, 25, 23);
    auto* progress = new QProgressBar(frame);
    progress->setGeometry(90, 119, 145, 12);
    progress->hide(); // as the stored window's, until an update runs
    auto* status = new QStatusBar(frame);
    status->setGeometry(0, 137, 324, 17);
    for (int i = 0; i < 3; ++i)
        status->addPermanentWidget(new QLabel(frame), 1);
    return window;
}

int RunOnce(const std::string& kind)
{
    int argc = 1;
    char name[] = "bench_startup";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    toolkit::InstallFontSubstitutions();
    std::unique_ptr<QWidget> window;
    if (kind == "skinned")
        window = std::make_unique<TForm1>();
    else
        window = PlainWindow();
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    return app.exec();
}

void Spawn(benchmark::State& state, const char* kind)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string option = std::string("--window=") + kind;
    for (auto _ : state) {
        char* argv[] = {self.data(), const_cast<char*>(option.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the window process");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the window process failed");
            return;
        }
    }
}

void BM_StartupPlainQt(benchmark::State& state)
{
    Spawn(state, "plain");
}
BENCHMARK(BM_StartupPlainQt)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_StartupSkinned(benchmark::State& state)
{
    Spawn(state, "skinned");
}
BENCHMARK(BM_StartupSkinned)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    self = std::filesystem::read_symlink("/proc/self/exe").string();
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--window=", 9) == 0) return RunOnce(argv[i] + 9);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
