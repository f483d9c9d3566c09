#include "toolkit/component.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/types.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QStringList& Log()
{
    static QStringList log;
    return log;
}

int& LiveObjects()
{
    static int count = 0;
    return count;
}

} // namespace

class LayoutFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Height MEMBER Height)
    Q_PROPERTY(FontStyles Style READ GetStyle WRITE SetStyle)
public:
    enum FontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
    Q_DECLARE_FLAGS(FontStyles, FontStyle)
    Q_FLAG(FontStyles)

    using QObject::QObject;
    FontStyles GetStyle() const { return Style; }
    void SetStyle(FontStyles style) { Style = style; }
    QString Name = QStringLiteral("Tahoma");
    int Height = -11;
    FontStyles Style;
};

// Like the skin's style enumeration: one byte, declared in a namespace.
namespace LayoutStyles {
Q_NAMESPACE
enum class Style : quint8 { Custom, MacOS, WinXP };
Q_ENUM_NS(Style)
} // namespace LayoutStyles

class LayoutItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(Kind ButtonType MEMBER ButtonType)
    Q_PROPERTY(int Top MEMBER Top)
    Q_PROPERTY(uchar Shade MEMBER Shade)
    Q_PROPERTY(LayoutStyles::Style UIStyle MEMBER UIStyle)
    Q_PROPERTY(LayoutFont* Font READ Font)
public:
    enum Kind { suiMax, suiMin, suiClose };
    Q_ENUM(Kind)

    using QObject::QObject;
    LayoutFont* Font() { return &font_; }
    Kind ButtonType = suiMax;
    int Top = 2;
    uchar Shade = 0;
    LayoutStyles::Style UIStyle = LayoutStyles::Style::WinXP;

private:
    LayoutFont font_;
};

class LayoutItems : public QObject, public TLayoutCollection {
    Q_OBJECT
public:
    using QObject::QObject;
    void ClearItems() override { qDeleteAll(children()); }
    QObject* AddItem() override { return new LayoutItem(this); }
    QList<QObject*> Items() const override { return children(); }
};

// One property of every kind the format holds, plus an extra stored value,
// a collection and two events.
class LayoutPanel : public QWidget, public TComponent, public TStoredExtras {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Flat MEMBER Flat)
    Q_PROPERTY(Speed Mode MEMBER Mode)
    Q_PROPERTY(uint Color MEMBER Color)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
    Q_PROPERTY(QByteArray Data MEMBER Data)
    Q_PROPERTY(LayoutFont* Font READ Font)
    Q_PROPERTY(LayoutItems* Buttons READ Buttons)
    Q_PROPERTY(toolkit::TPicture* Picture READ Picture)
    Q_PROPERTY(toolkit::TBitmap* Glyph READ Glyph)
    Q_PROPERTY(int Scratch MEMBER Scratch STORED false)
    Q_PROPERTY(QWidget* Partner READ Partner WRITE SetPartner)
    Q_PROPERTY(LayoutPanel* Buddy MEMBER Buddy)
public:
    enum Speed { mdNone, mdFast, mdSlow };
    Q_ENUM(Speed)

    explicit LayoutPanel(QWidget* parent = nullptr) : QWidget(parent) { ++LiveObjects(); }
    ~LayoutPanel() override { --LiveObjects(); }

    int Left() const { return left_; }
    void SetLeft(int left)
    {
        Record(QStringLiteral("Left"));
        left_ = left;
    }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption)
    {
        Record(QStringLiteral("Caption"));
        caption_ = caption;
    }
    LayoutFont* Font() { return &font_; }
    LayoutItems* Buttons() { return &buttons_; }
    TPicture* Picture() { return &picture_; }
    TBitmap* Glyph() { return &glyph_; }
    QWidget* Partner() const { return partner_; }
    void SetPartner(QWidget* partner)
    {
        Record(QStringLiteral("Partner=") + (partner ? partner->objectName() : QStringLiteral("null")));
        partner_ = partner;
    }

    bool ReadExtraProperty(const QString& name, const TLayoutValue& value) override
    {
        if (name != QLatin1String("Pages")) return false;
        Pages = LayoutInteger(value);
        return true;
    }
    void WriteExtraProperties(TLayoutWriter& writer) const override
    {
        if (Pages) writer.Integer(QStringLiteral("Pages"), Pages);
    }
    void Loaded() override
    {
        Log() << objectName() + QStringLiteral(".Loaded");
        TComponent::Loaded();
    }

    bool Flat = false;
    Speed Mode = mdNone;
    uint Color = 0;
    QStringList Lines;
    QByteArray Data;
    int Scratch = 0;
    qint64 Pages = 0;
    LayoutPanel* Buddy = nullptr;

signals:
    void OnClick();
    void OnPick(int index);

private:
    int left_ = 0;
    QString caption_;
    LayoutFont font_;
    LayoutItems buttons_;
    TPicture picture_;
    TBitmap glyph_;
    QPointer<QWidget> partner_;

    void Record(const QString& what)
    {
        Log() << objectName() + u'.' + what + (IsLoading() ? QStringLiteral("(loading)") : QString());
    }
};

class LayoutForm : public LayoutPanel {
    Q_OBJECT
public:
    using LayoutPanel::LayoutPanel;
    Q_INVOKABLE void PanelClick() { Log() << QStringLiteral("PanelClick"); }
    Q_INVOKABLE void Picked(QObject* Sender, int index)
    {
        Log() << QStringLiteral("Picked %1 %2").arg(Sender->objectName()).arg(index);
    }
};

// Publishes the colour pair as the skinned controls do.
class LayoutColoured : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
public:
    using TCustomControl::TCustomControl;
};

// A component that is not a widget.
class LayoutObject : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};

namespace {

class LayoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterClass<LayoutPanel>(QStringLiteral("TLayoutPanel"));
        RegisterClass<LayoutForm>(QStringLiteral("TLayoutForm"));
        RegisterClass<LayoutObject>(QStringLiteral("TLayoutObject"));
        Log().clear();
    }
};

const QString Full = QStringLiteral(R"(object Form1: TLayoutForm
  Left = -5
  Caption = 'It''s ' + 'joined'#13#10'x'
  Flat = True
  Mode = mdSlow
  Color = clBtnFace
  Lines = (
    'one'
    'two')
  Data = {
    00FF10
    AB}
  Font.Height = -13
  Font.Style = [fsBold, fsUnderline]
  Buttons = <
    item
      ButtonType = suiClose
      Top = 4
      UIStyle = MacOS
      Font.Name = 'Arial'
    end
    item
    end>
  Pages = 3
  object Panel1: TLayoutPanel
    Caption = 'child'
    Left = 7
    OnClick = PanelClick
    OnPick = Picked
  end
end
)");

TEST_F(LayoutTest, ReadsEveryKindOfValueAndBindsHandlers)
{
    std::unique_ptr<QObject> root(ReadLayout(Full));
    auto* form = qobject_cast<LayoutForm*>(root.get());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->Left(), -5);
    EXPECT_EQ(form->Caption(), "It's joined\r\nx");
    EXPECT_TRUE(form->Flat);
    EXPECT_EQ(form->Mode, LayoutPanel::mdSlow);
    EXPECT_EQ(form->Color, clBtnFace);
    EXPECT_EQ(form->Lines, QStringList({"one", "two"}));
    EXPECT_EQ(form->Data, QByteArray::fromHex("00FF10AB"));
    EXPECT_EQ(form->Font()->Height, -13);
    EXPECT_EQ(form->Font()->Style, LayoutFont::fsBold | LayoutFont::fsUnderline);
    EXPECT_EQ(form->Pages, 3);
    const QList<QObject*> items = form->Buttons()->Items();
    ASSERT_EQ(items.size(), 2);
    auto* first = static_cast<LayoutItem*>(items[0]);
    EXPECT_EQ(first->ButtonType, LayoutItem::suiClose);
    EXPECT_EQ(first->Top, 4);
    EXPECT_EQ(first->Font()->Name, "Arial");
    EXPECT_EQ(first->UIStyle, LayoutStyles::Style::MacOS);
    EXPECT_EQ(static_cast<LayoutItem*>(items[1])->Top, 2);

    auto* panel = form->findChild<LayoutPanel*>(QStringLiteral("Panel1"));
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->parentWidget(), form);
    Log().clear();
    emit panel->OnClick();
    emit panel->OnPick(9);
    EXPECT_EQ(Log(), QStringList({"PanelClick", "Picked Panel1 9"}));
}

TEST_F(LayoutTest, IntegersReachTheEndsOfTheirTypes)
{
    std::unique_ptr<QObject> root(ReadLayout(QStringLiteral(
        "object A: TLayoutPanel\n  Left = 2147483647\n  Buttons = <\n    item\n      Shade = 255\n    end>\nend")));
    auto* panel = qobject_cast<LayoutPanel*>(root.get());
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->Left(), 2147483647);
    ASSERT_EQ(panel->Buttons()->Items().size(), 1);
    EXPECT_EQ(static_cast<LayoutItem*>(panel->Buttons()->Items()[0])->Shade, 255);
}

TEST_F(LayoutTest, AppliesInFileOrderWhileLoadingThenCallsLoadedOnce)
{
    std::unique_ptr<QObject> root(ReadLayout(Full));
    // Children's setters run after the parent's, Loaded only after all of
    // them, in creation order.
    EXPECT_EQ(Log(), QStringList({"Form1.Left(loading)", "Form1.Caption(loading)", "Panel1.Caption(loading)",
                                  "Panel1.Left(loading)", "Form1.Loaded", "Panel1.Loaded"}));
    EXPECT_FALSE(dynamic_cast<TComponent*>(root.get())->IsLoading());
}

TEST_F(LayoutTest, WriterOmitsDefaultsAndReachesAFixedPoint)
{
    std::unique_ptr<QObject> root(ReadLayout(Full));
    auto* form = static_cast<LayoutForm*>(root.get());
    form->Scratch = 5;     // not stored
    new LayoutPanel(form); // unnamed: not stored
    auto* inner = new LayoutPanel(form);
    inner->setObjectName(QStringLiteral("Inner"));
    MarkInternal(inner);

    const QString written = WriteLayout(root.get());
    EXPECT_EQ(written, QStringLiteral(R"(object Form1: TLayoutForm
  Left = -5
  Caption = 'It''s joined'#13#10'x'
  Flat = True
  Mode = mdSlow
  Color = clBtnFace
  Lines = (
    'one'
    'two')
  Data = {
    00FF10AB}
  Font.Height = -13
  Font.Style = [fsBold, fsUnderline]
  Buttons = <
    item
      ButtonType = suiClose
      Top = 4
      UIStyle = MacOS
      Font.Name = 'Arial'
    end
    item
    end>
  Pages = 3
  object Panel1: TLayoutPanel
    Left = 7
    Caption = 'child'
    OnClick = PanelClick
    OnPick = Picked
  end
end
)"));
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(WriteLayout(again.get()), written);
}

TEST_F(LayoutTest, WritesLongBinaryAndUnnamedColoursAcrossLines)
{
    LayoutPanel panel;
    panel.setObjectName(QStringLiteral("P"));
    panel.Data = QByteArray(40, '\x5A');
    panel.Color = 0x80000019; // a system colour without a name
    // Printable, control, astral and a lone surrogate.
    panel.SetCaption(QString(QChar(0x263A)) + QChar(7) + QString::fromUcs4(U"\U0001F600") + QChar(0xD800));
    const QString written = WriteLayout(&panel);
    const QString hex = QStringLiteral("5A");
    EXPECT_TRUE(written.contains(QStringLiteral("  Data = {\n    ") + hex.repeated(32) +
                                 QStringLiteral("\n    ") + hex.repeated(8) + u'}'));
    std::unique_ptr<QObject> read(ReadLayout(written));
    auto* copy = static_cast<LayoutPanel*>(read.get());
    EXPECT_EQ(copy->Data, panel.Data);
    EXPECT_EQ(copy->Color, 0x80000019u);
    EXPECT_EQ(copy->Caption(), panel.Caption());
}

TEST_F(LayoutTest, PicturesAreStoredByResourceNameOrAsImageData)
{
    std::unique_ptr<QObject> named(
        ReadLayout(QStringLiteral("object P: TLayoutPanel\n"
                                  "  Picture.ResourceName = 'winxp_progressbar'\nend\n")));
    TPicture* picture = static_cast<LayoutPanel*>(named.get())->Picture();
    EXPECT_EQ(QSize(picture->Width(), picture->Height()), QSize(6, 10));
    EXPECT_EQ(WriteLayout(named.get()),
              QStringLiteral("object P: TLayoutPanel\n  Picture.ResourceName = 'WINXP_PROGRESSBAR'\nend\n"));

    LayoutPanel panel;
    panel.setObjectName(QStringLiteral("P"));
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixel(2, 1, qRgb(255, 0, 255));
    TBitmap bitmap;
    bitmap.SetImage(image);
    panel.Picture()->Assign(bitmap);
    const QString written = WriteLayout(&panel);
    EXPECT_TRUE(written.contains(QStringLiteral("Picture.Data = {\n    89504E47"))) << written.toStdString();
    std::unique_ptr<QObject> copy(ReadLayout(written));
    EXPECT_EQ(static_cast<LayoutPanel*>(copy.get())->Picture()->Bitmap().Image(), image);
    EXPECT_EQ(WriteLayout(copy.get()), written);

    // Clearing a picture is stored too; an empty one is the default.
    ReadLayoutInto(copy.get(), QStringLiteral("object P: TLayoutPanel\n  Picture.Data = {}\nend"));
    EXPECT_FALSE(static_cast<LayoutPanel*>(copy.get())->Picture()->HasGraphic());
    EXPECT_FALSE(WriteLayout(copy.get()).contains(QStringLiteral("Picture")));

    // A bitmap part (a glyph) is stored as image data only.
    panel.Glyph()->SetImage(image);
    const QString withGlyph = WriteLayout(&panel);
    EXPECT_TRUE(withGlyph.contains(QStringLiteral("Glyph.Data = {\n    89504E47"))) << withGlyph.toStdString();
    std::unique_ptr<QObject> glyphCopy(ReadLayout(withGlyph));
    EXPECT_EQ(static_cast<LayoutPanel*>(glyphCopy.get())->Glyph()->Image(), image);
    EXPECT_EQ(WriteLayout(glyphCopy.get()), withGlyph);
    ReadLayoutInto(glyphCopy.get(), QStringLiteral("object P: TLayoutPanel\n  Glyph.Data = {}\nend"));
    EXPECT_TRUE(static_cast<LayoutPanel*>(glyphCopy.get())->Glyph()->Empty());
    EXPECT_EQ(WriteLayout(glyphCopy.get()), written);

    for (const auto& [text, column] : {std::pair{"Picture.ResourceName = 'NO_SUCH'", 26},
                                       {"Picture.Data = { 0102 }", 18}, {"Glyph.Data = { 0102 }", 16}}) {
        try {
            delete ReadLayout(QStringLiteral("object P: TLayoutPanel\n  %1\nend").arg(QLatin1String(text)));
            ADD_FAILURE() << text;
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Line(), 2);
            EXPECT_EQ(e.Column(), column) << e.what();
        }
    }
}

TEST_F(LayoutTest, AColourFollowingTheParentIsNotStored)
{
    RegisterClass<LayoutColoured>(QStringLiteral("TLayoutColoured"));
    std::unique_ptr<QObject> form(ReadLayout(QStringLiteral("object F: TLayoutColoured\n"
                                                           "  Color = 1193046\n"
                                                           "  object C: TLayoutColoured\n"
                                                           "    ParentColor = True\n"
                                                           "  end\n"
                                                           "end\n")));
    ASSERT_EQ(form->findChild<LayoutColoured*>("C")->Color(), 1193046u);
    const QString written = WriteLayout(form.get());
    EXPECT_EQ(written.count(QStringLiteral("Color = 1193046")), 1) << written.toStdString();
    std::unique_ptr<QObject> copy(ReadLayout(written));
    EXPECT_TRUE(copy->findChild<LayoutColoured*>("C")->ParentColor());
    EXPECT_EQ(WriteLayout(copy.get()), written);
}

TEST_F(LayoutTest, ReadsIntoAnExistingRootOfAFittingClass)
{
    LayoutForm form;
    ReadLayoutInto(
        &form, QStringLiteral("object Main: TLayoutPanel\n  Left = 3\n  object P: TLayoutPanel\n  end\nend"));
    EXPECT_EQ(form.objectName(), "Main");
    EXPECT_EQ(form.Left(), 3);
    EXPECT_TRUE(form.findChild<LayoutPanel*>(QStringLiteral("P")));

    LayoutPanel panel;
    EXPECT_THROW(ReadLayoutInto(&panel, QStringLiteral("object Main: TLayoutForm\nend")), ELayoutError);
}

// A reference may name a component declared further down, or the root; the
// setter runs while loading, before any Loaded.
const QString References = QStringLiteral(R"(object Form1: TLayoutForm
  object Early: TLayoutPanel
    Partner = Late
    Buddy = Form1
  end
  object Box: TLayoutPanel
    object Late: TLayoutPanel
      Buddy = Early
    end
  end
end
)");

TEST_F(LayoutTest, ReferencesAreResolvedAfterEveryObjectExists)
{
    std::unique_ptr<QObject> root(ReadLayout(References));
    auto* early = root->findChild<LayoutPanel*>(QStringLiteral("Early"));
    auto* late = root->findChild<LayoutPanel*>(QStringLiteral("Late"));
    ASSERT_TRUE(early && late);
    EXPECT_EQ(early->Partner(), late);
    EXPECT_EQ(early->Buddy, root.get());
    EXPECT_EQ(late->Buddy, early);
    EXPECT_EQ(Log(), QStringList({"Early.Partner=Late(loading)", "Form1.Loaded", "Early.Loaded", "Box.Loaded",
                                  "Late.Loaded"}));
}

TEST_F(LayoutTest, ReferencesAreWrittenByNameAndNullOnesLeftOut)
{
    std::unique_ptr<QObject> root(ReadLayout(References));
    auto* box = root->findChild<LayoutPanel*>(QStringLiteral("Box"));
    box->SetPartner(box); // to itself
    const QString written = WriteLayout(root.get());
    EXPECT_EQ(written, QStringLiteral(R"(object Form1: TLayoutForm
  object Early: TLayoutPanel
    Partner = Late
    Buddy = Form1
  end
  object Box: TLayoutPanel
    Partner = Box
    object Late: TLayoutPanel
      Buddy = Early
    end
  end
end
)"));
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(WriteLayout(again.get()), written);

    // Only what the layout stores can be named in it.
    auto* unnamed = new LayoutPanel(box);
    box->SetPartner(unnamed);
    EXPECT_THROW(WriteLayout(root.get()), ELayoutError);
    LayoutPanel outside;
    outside.setObjectName(QStringLiteral("Outside"));
    box->SetPartner(&outside);
    EXPECT_THROW(WriteLayout(root.get()), ELayoutError);
}

struct Malformed {
    const char* text;
    int line;
    int column;
    const char* message;
};

TEST_F(LayoutTest, BadInputIsReportedAtItsPositionAndLeavesNothingBehind)
{
    const Malformed cases[] = {
        {"", 1, 1, "expected 'object'"},
        {"object : TLayoutPanel\nend", 1, 8, "expected object name"},
        {"object A: 3\nend", 1, 11, "expected class name after ':'"},
        {"object A: TLayoutPanel\n  Left 3\nend", 2, 8, "expected '=' after property name"},
        {"object A: TLayoutPanel\n  Left = \nend", 3, 1, "expected a value"},
        {"object A: TLayoutPanel\n  Left = ;\nend", 2, 10, "expected a value"},
        {"object A: TLayoutPanel\n  Caption = 'open\nend", 2, 13, "unterminated string"},
        {"object A: TLayoutPanel\n  Caption = 'a' +\nend", 3, 1, "expected a string after '+'"},
        {"object A: TLayoutPanel\n  Caption = #99999999\nend", 2, 13, "character code out of range"},
        {"object A: TLayoutPanel\n  Left = 99999999999999999999\nend", 2, 10, "integer out of range"},
        {"object A: TLayoutPanel\n  Left = 4294967296\nend", 2, 10, "integer out of range"},
        {"object A: TLayoutPanel\n  Left = 2147483648\nend", 2, 10, "integer out of range"},
        {"object A: TLayoutPanel\n  Buttons = <\n    item\n      Shade = 256\n    end>\nend", 4, 15,
         "integer out of range"},
        // The name comes from the object line only.
        {"object A: TLayoutPanel\n  objectName = 'B'\nend", 2, 3, "unknown property 'objectName'"},
        {"object A: TLayoutPanel\n  Left = 12ab\nend", 2, 12, "malformed number"},
        {"object A: TLayoutPanel\n  Data = { 0G }\nend", 2, 13, "invalid hex digit"},
        {"object A: TLayoutPanel\n  Data = {\n 012\n }\nend", 3, 4, "odd number of hex digits"},
        {"object A: TLayoutPanel\n  Data = { 00", 2, 14, "expected '}'"},
        {"object A: TLayoutPanel\n  Font.Style = [fsBold fsItalic]\nend", 2, 24, "expected ',' or ']'"},
        {"object A: TLayoutPanel\n  Buttons = < Top = 1 >\nend", 2, 15, "expected 'item' or '>'"},
        {"object A: TLayoutPanel\n  object B: TLayoutPanel\n  end\n  Left = 1\nend", 4, 3,
         "expected 'object' or 'end'"},
        {"object A: TLayoutPanel\n  Left = 1\n", 3, 1, "expected 'end'"},
        {"object A: TLayoutPanel\nend\nend", 3, 1, "unexpected text after the end of the layout"},
        {"object A: TNothing\nend", 1, 1, "unknown class 'TNothing'"},
        {"object A: TLayoutPanel\n  Width = 3\nend", 2, 3, "unknown property 'Width' in LayoutPanel"},
        {"object A: TLayoutPanel\n  Font.Size = 3\nend", 2, 3, "unknown property 'Size' in LayoutFont"},
        {"object A: TLayoutPanel\n  Left = 'x'\nend", 2, 10, "expected an integer, found a string"},
        {"object A: TLayoutPanel\n  Flat = Maybe\nend", 2, 10, "expected True or False"},
        {"object A: TLayoutPanel\n  Mode = mdSometimes\nend", 2, 10, "unknown value 'mdSometimes' for Speed"},
        {"object A: TLayoutPanel\n  Font.Style = [fsBold, fsHuge]\nend", 2, 25, "unknown value 'fsHuge'"},
        {"object A: TLayoutPanel\n  Color = clPlaid\nend", 2, 11, "unknown colour 'clPlaid'"},
        {"object A: TLayoutPanel\n  Left = < >\nend", 2, 10, "is not a collection"},
        {"object A: TLayoutPanel\n  Pages = 'x'\nend", 2, 11, "expected an integer"},
        {"object A: TLayoutForm\n  object B: TLayoutPanel\n    OnClick = Missing\n  end\nend", 3, 15,
         "handler 'Missing' not found in LayoutForm"},
        {"object A: TLayoutForm\n  OnPick = PanelClick\n  OnPick = PanelClick\nend", 3, 12,
         "event 'OnPick' is already bound"},
        {"object A: TLayoutForm\n  OnClick = Picked\nend", 2, 13,
         "handler 'Picked' does not match event 'OnClick'"},
        {"object A: TLayoutForm\n  destroyed = PanelClick\nend", 2, 3, "unknown property 'destroyed'"},
        {"object A: TLayoutPanel\n  Buttons = <\n    item\n      Font.Nope = 1\n    end>\nend", 4, 7,
         "unknown property 'Nope' in LayoutFont"},
        {"object A: TLayoutPanel\n  Font = 1\nend", 2, 3, "property 'Font' is read-only"},
        {"object A: TLayoutPanel\n  object B: TLayoutPanel\n    Partner = Nobody\n  end\nend", 3, 15,
         "unknown component 'Nobody'"},
        {"object A: TLayoutPanel\n  Partner = 'B'\nend", 2, 13, "expected an identifier, found a string"},
        {"object A: TLayoutPanel\n  Partner = T\n  object T: TLayoutObject\n  end\nend", 2, 13,
         "'T' is a LayoutObject, which property 'Partner' cannot refer to"},
        {"object A: TLayoutPanel\n  Buddy = W\n  object W: TLayoutObject\n  end\nend", 2, 11,
         "'W' is a LayoutObject"},
        // Inside an unnamed object nothing is stored, so nothing can be named.
        {"object A: TLayoutPanel\n  Buddy = B\n  object TLayoutPanel\n    object B: TLayoutPanel\n    end\n  "
         "end\nend",
         2, 11, "unknown component 'B'"},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.text);
        const int live = LiveObjects();
        try {
            delete ReadLayout(QString::fromUtf8(c.text));
            ADD_FAILURE() << "no error";
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Line(), c.line);
            EXPECT_EQ(e.Column(), c.column);
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(c.message))) << e.what();
            EXPECT_TRUE(
                QString::fromUtf8(e.what()).startsWith(QStringLiteral("%1:%2: ").arg(c.line).arg(c.column)));
        }
        EXPECT_EQ(LiveObjects(), live);
    }
}

TEST_F(LayoutTest, HostileNestingAndSizesAreBounded)
{
    QString deep;
    for (int i = 0; i < 10000; ++i)
        deep += QStringLiteral("object A%1: TLayoutPanel\n").arg(i);
    EXPECT_THROW(ParseLayout(deep), ELayoutError);
    const QString lists = QStringLiteral("object A: TLayoutPanel\n  Lines = ") + QString(10000, u'(');
    try {
        ParseLayout(lists);
        ADD_FAILURE() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("nesting too deep")));
    }
    // The deepest nesting allowed still reads.
    QString nested;
    for (int i = 0; i < MaxLayoutDepth; ++i)
        nested += QStringLiteral("object A%1: TLayoutPanel\n").arg(i);
    for (int i = 0; i < MaxLayoutDepth; ++i)
        nested += QStringLiteral("end\n");
    std::unique_ptr<QObject> root(ReadLayout(nested));
    EXPECT_EQ(root->findChildren<LayoutPanel*>().size(), MaxLayoutDepth - 1);
}

} // namespace

#include "test_layout.moc"
