// The style as an application meets it: found by QStyleFactory in the build's
// plugin folder (this program does not link it) and painting stock widgets.
#include "skin/themes/suifaces.h"
#include "skin/themes/suiskins.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

class StylePlugin : public testing::Test {
protected:
    static void SetUpTestSuite() { QCoreApplication::addLibraryPath(QStringLiteral(ISP_PLUGIN_ROOT)); }
};

TEST_F(StylePlugin, OffersTheFiveKeys)
{
    const QStringList keys = QStyleFactory::keys();
    for (const char* key : {"skinned-macos", "skinned-winxp", "skinned-deepblue", "skinned-protein",
                            "skinned-blueglass"})
        EXPECT_TRUE(keys.contains(QLatin1String(key), Qt::CaseInsensitive)) << key;
}

TEST_F(StylePlugin, UnknownKeyGivesNull)
{
    EXPECT_EQ(QStyleFactory::create(QStringLiteral("skinned-custom")), nullptr);
    EXPECT_EQ(QStyleFactory::create(QStringLiteral("skinned-")), nullptr);
}

// A pack installed in the folder the environment names is a key of its own.
TEST_F(StylePlugin, InstalledPackIsAStyleOfItsOwn)
{
    QTemporaryDir skins;
    QList<TsuiSkinProblem> problems;
    std::optional<TsuiSkinPack> pack = ReadSkinPack(BuiltInSkinFolder(TsuiUIStyle::WinXP), problems);
    ASSERT_TRUE(pack);
    pack->Name = QStringLiteral("graphite");
    pack->Elements[teFormColor - 1].Number = std::int32_t(RGBColor(0x12, 0x34, 0x56));
    QString error;
    ASSERT_TRUE(WriteSkinPack(*pack, skins.filePath(QStringLiteral("graphite")), error));
    qputenv(SkinPathVariable, QFile::encodeName(skins.path()));

    std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("skinned-graphite")));
    qunsetenv(SkinPathVariable);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->objectName(), QStringLiteral("skinned-graphite"));
    EXPECT_EQ(style->standardPalette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
}

TEST_F(StylePlugin, PaintsAWindowOfStockWidgets)
{
    std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Skinned-WinXP")));
    ASSERT_NE(style, nullptr);
    EXPECT_TRUE(style->inherits("SkinnedStyle"));

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("OK"));
    auto* bar = new QScrollBar(Qt::Horizontal);
    bar->setRange(0, 30);
    bar->setPageStep(10);
    layout->addWidget(button);
    layout->addWidget(bar);
    for (QWidget* widget : {&window, (QWidget*)button, (QWidget*)bar}) widget->setStyle(style.get());
    window.resize(200, 100);
    window.show();
    const QImage shot = window.grab().toImage();

    // The scroll bar is as thick as the style's arrows and shows the theme's
    // track colour beside its thumb.
    const QImage arrow = FaceFor(TsuiUIStyle::WinXP, TsuiFace::ScrollArrowDec);
    ASSERT_FALSE(arrow.isNull());
    EXPECT_EQ(bar->height(), arrow.width());
    const QRect track = bar->geometry();
    EXPECT_EQ(QColor(shot.pixel(track.right() - arrow.width() - 2, track.center().y())),
              ColorToQColor(GetThemeColor(TsuiUIStyle::WinXP, teScrollBarColor)));
    // The button shows the style's picture: its top-left corner pixel
    // (unkeyed in this style) is the picture's.
    const QImage face = FaceFor(TsuiUIStyle::WinXP, TsuiFace::PushButton);
    EXPECT_EQ(shot.pixel(button->geometry().topLeft() + QPoint(face.width() / 2 - 1, 1)),
              face.pixel(face.width() / 2 - 1, 1));
}

} // namespace
