// The skins are light pictures: under a dark desktop palette the captions
// drawn on them must stay readable (contrast at least 4.5:1, as the usual
// accessibility guidance asks of text).
#include "gallery/galleryform.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

double Luminance(QRgb pixel)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b)
{
    const double first = Luminance(a), second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The best contrast between a caption's pixels and the face under them: the
// pixels that change when the caption is taken away are the caption's.
double CaptionContrast(QWidget& window, QWidget& control)
{
    const QRect area(control.mapTo(&window, QPoint()), control.size());
    const QString caption = control.property("Caption").toString();
    const QImage with = window.grab(area).toImage();
    control.setProperty("Caption", QString());
    QApplication::processEvents();
    const QImage without = window.grab(area).toImage();
    control.setProperty("Caption", caption);
    QApplication::processEvents();
    double best = 1;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) best = std::max(best, Contrast(with.pixel(x, y), without.pixel(x, y)));
    return best;
}

QPalette DarkDesktop()
{
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x18));
    return dark;
}

// Each captioned control of the gallery, in window order, with the contrast
// of its caption (1 where no caption shows) under the given desktop palette.
std::vector<std::pair<QString, double>> CaptionContrasts(const QPalette& desktop)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(desktop);
    std::vector<std::pair<QString, double>> contrasts;
    {
        TGalleryForm form;
        form.show();
        for (QWidget* control : form.findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&form) || control->property("Caption").toString().trimmed().isEmpty()) continue;
            const QString name = QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName();
            contrasts.emplace_back(name, CaptionContrast(form, *control));
        }
    }
    QApplication::setPalette(before);
    return contrasts;
}

// Text on a skinned face must reach 4.5:1 under a dark palette; where the light
// palette itself gives less (a disabled caption, a caption over the
// application's own picture), the dark one must not give less than that.
TEST(GalleryPalette, CaptionsStayReadableOnTheirFacesUnderADarkDesktopPalette)
{
    const auto light = CaptionContrasts(QApplication::palette());
    const auto dark = CaptionContrasts(DarkDesktop());
    ASSERT_EQ(dark.size(), light.size());
    int shown = 0;
    for (size_t i = 0; i < dark.size(); ++i) {
        ASSERT_EQ(dark[i].first, light[i].first);
        shown += light[i].second > 1;
        EXPECT_GE(dark[i].second, std::min(4.5, light[i].second) - 0.01) << qPrintable(dark[i].first);
    }
    EXPECT_GT(shown, 20);
}

} // namespace
