// SkinName: a frame and its controls named after a skin pack, at run time and
// in stored layouts.
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/themes/suiskins.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"

#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

// The example pack shipped in the source tree, found as an installed one.
class SkinName : public testing::Test {
protected:
    void SetUp() override
    {
        qputenv(SkinPathVariable, QFile::encodeName(QStringLiteral(SKINS_SOURCE_DIR)));
        RegisterClass<QWidget>(QStringLiteral("TTestForm"));
        RegisterSuiFrame();
        RegisterSuiButtons();
    }
    void TearDown() override { qunsetenv(SkinPathVariable); }

    static TsuiUIStyle Graphite()
    {
        QList<TsuiSkinProblem> problems;
        return FindSkin(QStringLiteral("graphite"), problems);
    }
};

// The frame passes the pack on as it passes a style; an empty name returns
// the frame and its contents to the UIStyle the frame had.
TEST_F(SkinName, FrameTakesThePackAndPassesItOn)
{
    QWidget host;
    auto* frame = new TsuiForm(&host, &host);
    frame->SetUIStyle(TsuiUIStyle::WinXP);
    frame->SetUIStyleAutoUpdateSub(true);
    auto* bar = new TsuiProgressBar(&host, frame);
    bar->SetUIStyle(TsuiUIStyle::WinXP);

    frame->SetSkinName(QStringLiteral("graphite"));
    ASSERT_NE(Graphite(), TsuiUIStyle::Custom);
    EXPECT_EQ(frame->UIStyle(), Graphite());
    EXPECT_EQ(frame->TitleBar()->UIStyle(), Graphite());
    EXPECT_EQ(bar->UIStyle(), Graphite());
    EXPECT_EQ(frame->SkinName(), QStringLiteral("graphite"));
    EXPECT_EQ(bar->SkinName(), QStringLiteral("graphite")); // passed on, so stored too

    frame->SetSkinName({});
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(frame->SkinName(), QString());

    // A style set later is the newer choice: the pack is no longer named.
    bar->SetSkinName(QStringLiteral("graphite"));
    bar->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(bar->SkinName(), QString());
    bar->SetSkinName({});
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::Protein);
}

TEST_F(SkinName, UnknownOrBrokenPackKeepsTheStyle)
{
    QWidget host;
    TsuiProgressBar bar(&host, &host);
    bar.SetSkinName(QStringLiteral("graphite"));
    bar.SetSkinName(QStringLiteral("nosuchpack"));
    EXPECT_EQ(bar.UIStyle(), Graphite());
    EXPECT_EQ(bar.SkinName(), QStringLiteral("graphite"));
    bar.SetSkinName(QStringLiteral("../graphite")); // never a path
    EXPECT_EQ(bar.SkinName(), QStringLiteral("graphite"));
}

// Stored, the pack's name stands instead of UIStyle (a loaded pack's style
// has no name), and reads back to the same layout.
TEST_F(SkinName, StoredLayoutNamesThePackAndReadsBack)
{
    const QString text = QStringLiteral(R"(object Form1: TTestForm
  object suiForm1: TsuiForm
    SkinName = 'graphite'
    UIStyleAutoUpdateSub = True
    object Bar1: TsuiProgressBar
      SkinName = 'graphite'
    end
    object Bar2: TsuiProgressBar
      UIStyle = WinXP
    end
  end
end
)");
    std::unique_ptr<QObject> root(ReadLayout(text));
    auto* frame = root->findChild<TsuiForm*>();
    auto* bar = root->findChild<TsuiProgressBar*>(QStringLiteral("Bar1"));
    ASSERT_TRUE(frame && bar);
    EXPECT_EQ(frame->UIStyle(), Graphite());
    EXPECT_EQ(bar->UIStyle(), Graphite());
    EXPECT_EQ(root->findChild<TsuiProgressBar*>(QStringLiteral("Bar2"))->UIStyle(), TsuiUIStyle::WinXP);

    const QString written = WriteLayout(root.get());
    EXPECT_EQ(written.count(QStringLiteral("UIStyle =")), 1) << written.toStdString(); // Bar2's
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(again->findChild<TsuiForm*>()->SkinName(), QStringLiteral("graphite"));
    EXPECT_EQ(again->findChild<TsuiProgressBar*>(QStringLiteral("Bar1"))->UIStyle(), Graphite());
    EXPECT_EQ(again->findChild<TsuiProgressBar*>(QStringLiteral("Bar2"))->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(WriteLayout(again.get()), written);
}

TEST_F(SkinName, UnknownPackInALayoutIsAnErrorNamingIt)
{
    try {
        ReadLayout(QStringLiteral("object Form1: TTestForm\n"
                                  "  object suiForm1: TsuiForm\n"
                                  "    SkinName = 'nosuchpack'\n"
                                  "  end\n"
                                  "end\n"));
        ADD_FAILURE() << "read";
    } catch (const ELayoutError& error) {
        const QString message = QString::fromUtf8(error.what());
        EXPECT_TRUE(message.startsWith(QStringLiteral("3:16: property 'SkinName': skin pack 'nosuchpack'")))
            << error.what();
    }
}

} // namespace
