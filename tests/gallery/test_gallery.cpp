// The gallery window: its stored layout, its screenshots and switching its
// style at run time.
#include "gallery/galleryform.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/frame/suiform.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

template <class T> T* Named(const QObject& form, const char* name)
{
    T* control = form.findChild<T*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

TEST(Gallery, LayoutSurvivesAWriteReadWriteRoundTrip)
{
    TGalleryForm form;
    const QString written = toolkit::WriteLayout(&form);
    std::unique_ptr<QObject> copy(toolkit::ReadLayout(written));
    ASSERT_NE(qobject_cast<TGalleryForm*>(copy.get()), nullptr);
    EXPECT_EQ(toolkit::WriteLayout(copy.get()), written);

    // What a round trip could lose on the way: the glyph's pixels, the image
    // buttons' pictures, the vertical bar's length.
    auto* open = Named<TsuiButton>(*copy, "btnOpen");
    EXPECT_EQ(open->Glyph()->Image(), Named<TsuiButton>(form, "btnOpen")->Glyph()->Image());
    EXPECT_FALSE(open->Glyph()->Empty());
    EXPECT_EQ(Named<TsuiImageButton>(*copy, "imgPlay")->PicNormal()->ResourceName(), "GALLERY_PLAY_NORMAL");
    auto* vertical = Named<TsuiProgressBar>(*copy, "barVertical");
    EXPECT_EQ(vertical->Orientation(), suiVertical);
    EXPECT_EQ(vertical->size(), Named<TsuiProgressBar>(form, "barVertical")->size());
    EXPECT_GT(vertical->height(), vertical->width());
}

TEST(Gallery, ScreenshotsShowEveryStyleAtTheWindowsSize)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    TGalleryForm form;
    const QStringList files = WriteScreenshots(form, directory.filePath("shots"));
    ASSERT_EQ(files.size(), 5);

    QSet<QByteArray> different;
    for (std::size_t i = 0; i < GalleryStyles.size(); ++i) {
        const TsuiUIStyle style = GalleryStyles[i];
        const QString name = QStringLiteral("gallery-%1.png").arg(StyleName(style).toLower());
        EXPECT_EQ(QFileInfo(files[i]).fileName(), name);
        const QImage shot(files[i]);
        ASSERT_FALSE(shot.isNull()) << files[i].toStdString();
        form.ApplyStyle(style);
        EXPECT_EQ(shot.size(), form.size()) << name.toStdString();
        // Rounded styles leave their corners see-through.
        const bool rounded = GetThemeInt(style, teFormRoundCorner) > 0;
        EXPECT_EQ(qAlpha(shot.pixel(0, 0)), rounded ? 0 : 255) << name.toStdString();
        EXPECT_EQ(qAlpha(shot.pixel(shot.width() / 2, shot.height() / 2)), 255);
        different.insert(QByteArray(reinterpret_cast<const char*>(shot.constBits()), shot.sizeInBytes()));
    }
    EXPECT_EQ(different.size(), 5);

    // Each picture shows the controls at rest: nothing hovered, pressed or focused.
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    for (const TsuiControl* control : form.findChildren<TsuiControl*>()) {
        EXPECT_FALSE(control->IsHovered()) << control->metaObject()->className();
        EXPECT_FALSE(control->IsPressed()) << control->metaObject()->className();
    }
}

TEST(Gallery, StyleButtonsRestyleTheWholeWindow)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TsuiForm& frame = *form.Frame();
    ASSERT_EQ(frame.UIStyle(), TsuiUIStyle::MacOS);

    for (const char* name : {"styleWinXP", "styleProtein"}) {
        auto* button = Named<TsuiButton>(form, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        const TsuiUIStyle style = frame.UIStyle();
        EXPECT_TRUE(QString::fromLatin1(name).endsWith(StyleName(style))) << name;
        EXPECT_EQ(frame.TitleBar()->UIStyle(), style);
        EXPECT_EQ(button->UIStyle(), style);
        EXPECT_EQ(Named<TsuiButton>(form, "btnDefault")->UIStyle(), style);
        auto* bar = Named<TsuiProgressBar>(form, "barVertical");
        EXPECT_EQ(bar->UIStyle(), style);
        EXPECT_EQ(bar->Picture()->ResourceName(), GetThemeString(style, teProgressBarVertical));
        // Image buttons have a look of their own and keep it.
        auto* play = Named<TsuiImageButton>(form, "imgPlay");
        EXPECT_EQ(play->UIStyle(), TsuiUIStyle::Custom);
        EXPECT_EQ(play->PicNormal()->ResourceName(), "GALLERY_PLAY_NORMAL");
    }
}

} // namespace
