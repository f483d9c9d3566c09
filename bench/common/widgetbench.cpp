#include "bench/common/widgetbench.h"

#include "toolkit/fonts.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <cstdio>
#include <QStyle>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

int RunWidgetBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    toolkit::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

QImage MacOSButtonPicture()
{
    const QString name = QStringLiteral(":/pictures/MACOS_BUTTON_NORMAL");
    if (QFile::exists(name)) return QImage(name).convertToFormat(QImage::Format_RGB32);
    std::fprintf(stderr, "MACOS_BUTTON_NORMAL not compiled in: using a synthetic 84 x 23 picture\n");
    QImage picture(84, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(200 + y, 200 + y, 210 + x % 40));
    return picture;
}

void SkinWithBorderImage(QPushButton& button, const QImage& picture, const QString& path)
{
    picture.save(path);
    // Slices as SpitDraw's corners: left hw, right W - hw - 1, top hh, bottom hh - 1.
    const int hw = picture.width() / 2, hh = picture.height() / 2;
    const QString slices =
        QStringLiteral("%1 %2 %3 %4").arg(hh).arg(picture.width() - hw - 1).arg(hh - 1).arg(hw);
    button.setStyleSheet(
        QStringLiteral("QPushButton { border-image: url(%1) %2 stretch stretch;"
                       " border-width: %3; }")
            .arg(path, slices,
                 QString(slices).replace(QLatin1Char(' '), QLatin1String("px ")) + QStringLiteral("px")));
}
