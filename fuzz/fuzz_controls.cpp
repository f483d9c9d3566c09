// Reads arbitrary text as a stored layout with every control family of every
// library registered, as the previewer does; paints what loads in each style
// and checks that what reads writes, and that the written text reads back to
// the same text.
#include "gallery/galleryform.h"
#include "gallery/preview.h"
#include "toolkit/form.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"

#include <QApplication>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void QuietAboutMissingWindowSystem(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) qt_message_output(type, context, message);
}

// Only the top left of a window is painted: a layout may ask for any size.
void PaintInEachStyle(QWidget& window)
{
    QImage picture(640, 480, QImage::Format_ARGB32_Premultiplied);
    for (TsuiUIStyle style : GalleryStyles) {
        ApplyPreviewStyle(window, style);
        window.render(&picture);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietAboutMissingWindowSystem);
    static QApplication app(*argc, *argv);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    RegisterGalleryClasses();
    // The previewer's stand-in for a window class it does not have, under
    // the utility's name, so that what it reads also writes.
    toolkit::RegisterClass<toolkit::TForm>(QStringLiteral("TForm1"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<QObject> root;
    try {
        root.reset(toolkit::PreviewLayout(text));
    } catch (const toolkit::ELayoutError& e) {
        if (e.Line() < 1 || e.Column() < 1) std::abort(); // every reading error has a position
        return 0;
    }
    const QString written = toolkit::WriteLayout(root.get());
    if (root->isWidgetType()) PaintInEachStyle(*static_cast<QWidget*>(root.get()));
    std::unique_ptr<QObject> again(toolkit::PreviewLayout(written));
    const QString rewritten = toolkit::WriteLayout(again.get());
    if (rewritten != written) {
        std::fprintf(stderr, "written:\n%s\nread and written again:\n%s\n", qPrintable(written), qPrintable(rewritten));
        std::abort();
    }
    return 0;
}
