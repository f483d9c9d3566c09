// Stored layouts as untrusted input: what the previewer refuses, with its
// position and without asking anybody, what it clamps, and the gallery's
// command line around it.
#include "gallery/galleryform.h"
#include "gallery/preview.h"
#include "skin/controls/suigrid.h"
#include "skin/controls/suiradiogroup.h"
#include "skin/themes/suiskins.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

namespace {

using toolkit::ELayoutError;

// Reading must not stop for a dialog: any would be recorded here.
struct NoDialogs : toolkit::DialogResponder {
    toolkit::DialogResponder* previous = toolkit::SetDialogResponder(this);
    QStringList texts;
    ~NoDialogs() override { toolkit::SetDialogResponder(previous); }
    toolkit::TModalResult Message(const toolkit::MessageRequest& request) override
    {
        texts << request.text;
        return toolkit::TModalResult::Ok;
    }
    std::optional<QString> OpenFile(const toolkit::OpenFileRequest&) override { return {}; }
};

struct LayoutFile {
    QTemporaryDir dir;
    QString path;
    explicit LayoutFile(const QByteArray& text, const QString& name = QStringLiteral("layout.txt"))
        : path(dir.filePath(name))
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
};

QByteArray StoredLayoutBytes(const QString& resource)
{
    QFile file(resource);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
    return file.readAll();
}

// A skinned window holding `body`, indented by four.
QByteArray OnFrame(const QByteArray& body)
{
    return "object Form1: TPreviewed\n  object frm: TsuiForm\n" + body + "  end\nend\n";
}

struct Refused {
    const char* what;
    QByteArray text;
    int line;
    int column;
    const char* message;
};

TEST(Preview, HostileLayoutsAreLayoutErrorsAtTheirPosition)
{
    const Refused cases[] = {
        {"a sheet joining a page control inside itself",
         OnFrame("    object pgc: TsuiPageControl\n      object tab: TsuiTabSheet\n        PageControl = inner\n"
                 "        object inner: TsuiPageControl\n        end\n      end\n    end\n"),
         5, 23, "cannot join a page control inside itself"},
        {"a second client section",
         OnFrame("    TitleBarSections = <\n      item\n        Align = suiClient\n      end\n      item\n"
                 "        Align = suiClient\n      end>\n"),
         8, 17, "only one section's Align"},
        {"a second control box",
         OnFrame("    TitleBarButtons = <\n      item\n        ButtonType = suiControlBox\n      end\n      item\n"
                 "        ButtonType = suiControlBox\n      end>\n"),
         8, 22, "only one button's ButtonType"},
        {"the frame as its own panel", OnFrame("    FormPanel = frm\n"), 3, 17, "FormPanel"},
        {"a second frame", OnFrame("  end\n  object frm2: TsuiForm\n"), 4, 3, "only one TsuiForm"},
        {"a grid of 10^9 rows", OnFrame("    object grd: TsuiStringGrid\n      RowCount = 1000000000\n    end\n"), 4, 7,
         "at most 1000000 cells"},
        {"a caption beyond the string limit",
         OnFrame("    Caption = '" + QByteArray(toolkit::MaxLayoutStringLength + 1, 'x') + "'\n"), 3, 15,
         "string longer than"},
        {"a list beyond the item limit",
         OnFrame("    object mem: TsuiMemo\n      Lines = (" + QByteArray("0 ").repeated(toolkit::MaxLayoutListLength + 1) +
                 ")\n    end\n"),
         4, 16 + 2 * int(toolkit::MaxLayoutListLength), "more than"},
        {"two components of one name",
         OnFrame("    object btn: TsuiButton\n    end\n    object btn: TsuiButton\n    end\n"), 5, 5,
         "duplicate name 'btn'"},
        {"a child named like the root", OnFrame("    object Form1: TsuiButton\n    end\n"), 3, 5,
         "duplicate name 'Form1'"},
    };
    for (const Refused& refused : cases) {
        NoDialogs dialogs;
        LayoutFile file(refused.text);
        try {
            ReadPreview(file.path);
            ADD_FAILURE() << refused.what << " was read";
        } catch (const ELayoutError& error) {
            EXPECT_EQ(error.Line(), refused.line) << refused.what << ": " << error.what();
            EXPECT_EQ(error.Column(), refused.column) << refused.what << ": " << error.what();
            EXPECT_NE(std::string(error.what()).find(refused.message), std::string::npos)
                << refused.what << ": " << error.what();
        }
        EXPECT_EQ(dialogs.texts, QStringList()) << refused.what;
    }
}

// Sizes that would overflow where they are used are clamped as they are
// read; the controls then paint (which the sanitizer build checks).
TEST(Preview, ExtremeSizesAreClampedAndPaint)
{
    LayoutFile file(OnFrame("    object grd: TsuiStringGrid\n      DefaultColWidth = 2147483647\n"
                            "      DefaultRowHeight = 2147483647\n    end\n"
                            "    object grp: TsuiRadioGroup\n      Columns = 2147483647\n"
                            "      Items = ('a' 'b' 'c')\n    end\n"));
    std::unique_ptr<QWidget> window = ReadPreview(file.path);
    auto* grid = window->findChild<TsuiStringGrid*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->DefaultColWidth(), TsuiStringGrid::MaxCellExtent);
    EXPECT_EQ(grid->DefaultRowHeight(), TsuiStringGrid::MaxCellExtent);
    EXPECT_EQ(window->findChild<TsuiRadioGroup*>()->Columns(), INT_MAX);
    EXPECT_FALSE(WindowPicture(*window).isNull());
}

// Stored before or after its picture, an auto-sized image button's size is
// its picture's once read, so the written order does not change it.
TEST(Preview, ImageButtonSizeFollowsItsPictureWhateverTheOrder)
{
    LayoutFile file(OnFrame("    object img: TsuiImageButton\n      PicNormal.ResourceName = 'GALLERY_PLAY_NORMAL'\n"
                            "      Width = 220\n      Height = 17\n    end\n"));
    std::unique_ptr<QWidget> window = ReadPreview(file.path);
    auto* button = window->findChild<QWidget*>(QStringLiteral("img"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->size(), QSize(36, 36));
    toolkit::RegisterClass<toolkit::TForm>(QStringLiteral("TPreviewed")); // to write the stand-in root
    const QString written = toolkit::WriteLayout(window.get());
    std::unique_ptr<QObject> again(toolkit::PreviewLayout(written));
    EXPECT_EQ(toolkit::WriteLayout(again.get()), written);
}

// The utility's window is previewed though this program has neither its
// class nor its handlers; what loads writes back to a fixed point.
TEST(Preview, TheUtilitysLayoutLoadsWithoutItsProgram)
{
    LayoutFile file(StoredLayoutBytes(QStringLiteral(":/layouts/form1.txt")));
    std::unique_ptr<QWidget> window = ReadPreview(file.path);
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("cmdUpdate")), nullptr);
}

// A control whose layout leaves its font's name and size out starts from its
// parent's, so the writer leaves them out only where they equal that.
TEST(Preview, RoundTripDoesNotDependOnTheApplicationFont)
{
    const QFont assumed = QApplication::font();
    QFont other(QStringLiteral("DejaVu Serif"));
    other.setPixelSize(15);
    QApplication::setFont(other);
    RegisterGalleryClasses();
    toolkit::RegisterClass<toolkit::TForm>(QStringLiteral("TForm1"));
    std::unique_ptr<QObject> form(toolkit::PreviewLayout(QString::fromUtf8(StoredLayoutBytes(QStringLiteral(":/layouts/form1.txt")))));
    const QString written = toolkit::WriteLayout(form.get());
    std::unique_ptr<QObject> again(toolkit::PreviewLayout(written));
    EXPECT_EQ(toolkit::WriteLayout(again.get()).toStdString(), written.toStdString());
    QApplication::setFont(assumed);
}

class GalleryProgram : public ::testing::Test {
protected:
    QProcess gallery;
    int Run(const QStringList& arguments)
    {
        gallery.start(QStringLiteral(GALLERY_EXE), arguments);
        EXPECT_TRUE(gallery.waitForFinished(60000));
        return gallery.exitStatus() == QProcess::NormalExit ? gallery.exitCode() : -1;
    }
};

TEST_F(GalleryProgram, BadLayoutIsReportedLikeACompilerErrorWithoutAWindow)
{
    LayoutFile file(OnFrame("    FormPanel = nothing\n"), QStringLiteral("bad.txt"));
    const QString pictures = file.dir.filePath(QStringLiteral("pictures"));
    EXPECT_EQ(Run({QStringLiteral("--layout"), file.path, QStringLiteral("--screenshot"), pictures}), 2);
    // The last line: Qt may warn about the environment before.
    const QStringList lines = QString::fromLocal8Bit(gallery.readAllStandardError()).split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.last(), QString());
    EXPECT_EQ(lines[lines.size() - 2], file.path + QStringLiteral(":3:17: unknown component 'nothing'"));
    EXPECT_TRUE(QDir(pictures).isEmpty());
}

TEST_F(GalleryProgram, LayoutIsWrittenInEachStyle)
{
    LayoutFile file(StoredLayoutBytes(QStringLiteral(":/layouts/form1.txt")), QStringLiteral("form1.txt"));
    const QString pictures = file.dir.filePath(QStringLiteral("pictures"));
    ASSERT_EQ(Run({QStringLiteral("--layout"), file.path, QStringLiteral("--screenshot"), pictures}), 0)
        << gallery.readAllStandardError().toStdString();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files),
              QStringList({QStringLiteral("form1-blueglass.png"), QStringLiteral("form1-deepblue.png"),
                           QStringLiteral("form1-macos.png"), QStringLiteral("form1-protein.png"),
                           QStringLiteral("form1-winxp.png")}));
}

// The gallery's own pictures: its window and its page of stock widgets.
TEST_F(GalleryProgram, GalleryIsWrittenInEachStyleWithItsStockPage)
{
    QTemporaryDir pictures;
    ASSERT_EQ(Run({QStringLiteral("--screenshot"), pictures.path()}), 0) << gallery.readAllStandardError().toStdString();
    QStringList expected;
    for (const char* style : {"blueglass", "deepblue", "macos", "protein", "winxp"})
        expected << QStringLiteral("gallery-%1.png").arg(QLatin1String(style))
                 << QStringLiteral("gallery-stock-%1.png").arg(QLatin1String(style));
    expected.sort();
    EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files), expected);
}

// A pack joins the styles and the window opens in it; a bad one opens nothing.
TEST_F(GalleryProgram, SkinPackJoinsTheStylesOrIsReportedByFileAndKey)
{
    QTemporaryDir root;
    QList<TsuiSkinProblem> problems;
    std::optional<TsuiSkinPack> pack = ReadSkinPack(BuiltInSkinFolder(TsuiUIStyle::WinXP), problems);
    ASSERT_TRUE(pack);
    pack->Name = QStringLiteral("slate");
    const QString folder = root.filePath(QStringLiteral("slate"));
    QString error;
    ASSERT_TRUE(WriteSkinPack(*pack, folder, error));
    const QString pictures = root.filePath(QStringLiteral("pictures"));
    ASSERT_EQ(Run({QStringLiteral("--skin"), folder, QStringLiteral("--screenshot"), pictures}), 0)
        << gallery.readAllStandardError().toStdString();
    EXPECT_TRUE(QDir(pictures).entryList(QDir::Files).contains(QStringLiteral("gallery-slate.png")));
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files).size(), 12);

    QFile::remove(QDir(folder).filePath(QStringLiteral("TAB_LINE.png")));
    const QString more = root.filePath(QStringLiteral("more"));
    EXPECT_EQ(Run({QStringLiteral("--skin"), folder, QStringLiteral("--screenshot"), more}), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(gallery.readAllStandardError())
                    .contains(QDir(folder).filePath(QStringLiteral("TAB_LINE.png")) + QStringLiteral(": TabLine: missing")));
    EXPECT_FALSE(QDir(more).exists());
}

TEST_F(GalleryProgram, HelpVersionAndQtsOwnOptions)
{
    EXPECT_EQ(Run({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(gallery.readAllStandardOutput().contains("--layout <file>"));
    EXPECT_EQ(Run({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")}), 0);
    EXPECT_TRUE(gallery.readAllStandardOutput().startsWith("gallery "));
    EXPECT_EQ(Run({QStringLiteral("--no-such-option")}), 2);
}

} // namespace
