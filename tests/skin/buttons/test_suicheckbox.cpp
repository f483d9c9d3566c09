#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suicustombuttonex.h"
#include "skin/buttons/suiradiobutton.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/themes/suiskins.h"
#include "toolkit/align.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/resources.h"

#include <QAccessibleInterface>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

constexpr QRgb Grey = qRgb(0x80, 0x80, 0x80);

struct Window {
    QWidget form;
    Window() { form.resize(300, 200); }
    template <typename Control = TsuiCheckBox> Control* Add(TsuiUIStyle style, const QString& caption)
    {
        auto* control = new Control(&form, &form);
        control->SetUIStyle(style);
        control->SetCaption(caption);
        control->SetBounds(10, 10, 120, 17);
        return control;
    }
    void Show()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

struct Counters {
    int clicks = 0;
    int changes = 0;
    void Watch(TsuiCustomButtonEx* box)
    {
        QObject::connect(box, &TsuiCustomButtonEx::OnClick, [this] { ++clicks; });
        QObject::connect(box, &TsuiCustomButtonEx::CheckedChanged, [this] { ++changes; });
    }
};

// Whether the face shows `name` where the layout puts the state picture.
bool ShowsPicture(TsuiCustomButtonEx* box, const QString& name)
{
    const QImage picture = LoadBitmapResource(name);
    const QImage face = box->RenderToImage();
    const TRect at = box->CheckLayout().Picture;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (face.pixel(at.Left + x, at.Top + y) != picture.pixel(x, y)) return false;
    return true;
}

TEST(CheckLayout, PartsAndAutoSizeFollowThePictureAndFont)
{
    // MacOS: a 15 x 17 picture in a 93 x 21 box, font height -11.
    const TsuiCheckLayout macos = PlaceCheckParts(QSize(93, 21), QSize(15, 17), -11);
    EXPECT_EQ(macos.Picture, Rect(1, 2, 16, 19));
    EXPECT_EQ(macos.Caption, Rect(19, 4, 93, 21));
    EXPECT_EQ(macos.Focus, Rect(18, 4, 93, 21));
    // Text taller than the box: the halving truncates toward zero.
    EXPECT_EQ(PlaceCheckParts(QSize(93, 10), QSize(13, 13), -13).Caption.Top, -2);
    EXPECT_EQ(CheckAutoSize(QSize(13, 13), -20, 50), QSize(71, 26)) << "the text sets the height";
}

// Transparent follows the style (Custom leaves it); the grey state unchecks.
TEST(TsuiCheckBox, StyleRulesAndState)
{
    Window w;
    auto* box = new TsuiCheckBox(&w.form, &w.form);
    EXPECT_EQ(box->size(), QSize(93, 17));
    box->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_TRUE(box->Transparent());
    box->SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_TRUE(box->Transparent());
    EXPECT_FALSE(box->AutoSize()) << "unlike push buttons, Custom does not force AutoSize";
    box->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_FALSE(box->Transparent());

    // A loaded skin pack's check box is opaque too, whatever style it had.
    QTemporaryDir root;
    QList<TsuiSkinProblem> problems;
    std::optional<TsuiSkinPack> pack = ReadSkinPack(BuiltInSkinFolder(TsuiUIStyle::WinXP), problems);
    ASSERT_TRUE(pack);
    pack->Name = QStringLiteral("slate");
    QString error;
    ASSERT_TRUE(WriteSkinPack(*pack, root.filePath(QStringLiteral("slate")), error));
    const TsuiUIStyle slate = LoadSkinPack(root.filePath(QStringLiteral("slate")), problems);
    ASSERT_NE(slate, TsuiUIStyle::Custom);
    box->SetUIStyle(TsuiUIStyle::MacOS);
    box->SetUIStyle(slate);
    EXPECT_FALSE(box->Transparent());

    box->SetChecked(true);
    EXPECT_EQ(box->GetState(), cbChecked);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());

    auto* radio = new TsuiRadioButton(&w.form, &w.form);
    EXPECT_EQ(radio->NormalPictureName(), "DEEPBLUE_RADIOBUTTON_UNCHECK") << "not the check box's";
    radio->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(radio->GetPicWidth(), 15) << "measured by the check-box picture";
}

// Every style: the picture names follow Checked and Enabled; only WinXP has
// separate hover and pressed pictures.
TEST(TsuiCheckBox, PicturesFollowStateAndStyle)
{
    Window w;
    TsuiCheckBox* box = w.Add(TsuiUIStyle::WinXP, "XP");
    EXPECT_EQ(box->NormalPictureName(), "WINXP_CHECKBOX_NORMAL_UNCHECK");
    box->SetChecked(true);
    EXPECT_EQ(box->NormalPictureName(), "WINXP_CHECKBOX_NORMAL_CHECK");
    EXPECT_EQ(box->MouseOnPictureName(), "WINXP_CHECKBOX_MOUSEON_CHECK");
    EXPECT_EQ(box->MouseDownPictureName(), "WINXP_CHECKBOX_MOUSEDOWN_CHECK");
    w.Show();
    QTest::mouseMove(box, QPoint(5, 5));
    EXPECT_TRUE(ShowsPicture(box, "WINXP_CHECKBOX_MOUSEON_CHECK"));
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(ShowsPicture(box, "WINXP_CHECKBOX_MOUSEDOWN_CHECK"));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box->MouseOnPictureName(), "WINXP_CHECKBOX_MOUSEON_UNCHECK");

    for (TsuiUIStyle style :
         {TsuiUIStyle::MacOS, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass}) {
        box->SetUIStyle(style);
        EXPECT_EQ(box->MouseOnPictureName(), box->NormalPictureName());
        EXPECT_EQ(box->MouseDownPictureName(), box->NormalPictureName());
    }
    auto* radio = w.Add<TsuiRadioButton>(TsuiUIStyle::WinXP, "R");
    radio->setEnabled(false);
    EXPECT_EQ(radio->NormalPictureName(), "WINXP_RADIOBUTTON_DISABLE_UNCHECK");
    radio->SetChecked(true);
    EXPECT_EQ(radio->NormalPictureName(), "WINXP_RADIOBUTTON_DISABLE_CHECK");
    EXPECT_EQ(radio->MouseDownPictureName(), "WINXP_RADIOBUTTON_MOUSEDOWN_CHECK");
}

TEST(TsuiCheckBox, DisabledCheckedMacOSShowsItsPictureAndAGreyCaption)
{
    Window w;
    TsuiCheckBox* box = w.Add(TsuiUIStyle::MacOS, "Mg");
    box->SetChecked(true);
    box->setEnabled(false);
    EXPECT_EQ(box->NormalPictureName(), "MACOS_CHECKBOX_DISABLE_CHECK");
    EXPECT_TRUE(ShowsPicture(box, "MACOS_CHECKBOX_DISABLE_CHECK"));
    EXPECT_EQ(box->CheckLayout().Picture, Rect(1, 0, 16, 17));

    // The caption, from the caption rectangle's top-left, is drawn in grey.
    const QImage face = box->RenderToImage();
    const TRect caption = box->CheckLayout().Caption;
    const QFontMetrics metrics(box->Font()->toQFont());
    int grey = 0;
    for (int y = caption.Top; y < caption.Top + metrics.height(); ++y)
        for (int x = caption.Left; x < caption.Left + metrics.horizontalAdvance("Mg"); ++x)
            grey += face.pixel(x, y) == Grey;
    EXPECT_GT(grey, 10);

    box->setEnabled(true);
    EXPECT_TRUE(ShowsPicture(box, "MACOS_CHECKBOX_CHECK"));
}

// Radio pictures are keyed on their magenta corners; check boxes never are.
// Custom gives no state picture: the boxes paint their caption and nothing
// where the picture would go, whatever the state.
TEST(TsuiCheckBox, WithoutAPictureNothingIsDrawnForIt)
{
    Window w;
    TsuiCheckBox* box = w.Add(TsuiUIStyle::Custom, "Mg");
    TsuiCheckBox* radio = w.Add<TsuiRadioButton>(TsuiUIStyle::Custom, "Mg");
    radio->setEnabled(false);
    for (TsuiCheckBox* control : {box, radio}) {
        control->SetChecked(true);
        EXPECT_EQ(control->GetPicWidth(), 0);
        EXPECT_EQ(control->NormalPictureName(), QString());
        QImage face;
        EXPECT_NO_THROW(face = control->RenderToImage());
        const QRgb background = face.pixel(face.width() - 1, 0);
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < control->CheckLayout().Caption.Left; ++x)
                ASSERT_EQ(face.pixel(x, y), background) << x << "," << y;
    }
}

TEST(TsuiRadioButton, PictureCornersShowTheBackground)
{
    Window w;
    auto* radio = w.Add<TsuiRadioButton>(TsuiUIStyle::DeepBlue, "R");
    radio->SetColor(clRed);
    const QImage picture = LoadBitmapResource("DEEPBLUE_RADIOBUTTON_UNCHECK");
    ASSERT_EQ(picture.pixel(0, 0), qRgb(255, 0, 255));
    const TRect at = radio->CheckLayout().Picture;
    const QImage face = radio->RenderToImage();
    EXPECT_EQ(face.pixel(at.Left, at.Top), qRgb(255, 0, 0));
    EXPECT_EQ(face.pixel(at.Left + 6, at.Top + 6), picture.pixel(6, 6));
    EXPECT_EQ(face.pixel(0, 0), qRgb(255, 0, 0)) << "left of the picture";
}

// The pointer state machine: leaving while held shows the box released,
// coming back shows it pressed; a release outside does nothing.
TEST(TsuiCheckBox, PointerHeldLeavesReentersAndReleases)
{
    Window w;
    TsuiCheckBox* box = w.Add(TsuiUIStyle::WinXP, "Hold");
    w.Show();
    Counters count;
    count.Watch(box);

    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box->Face(), TsuiButtonFace::MouseDown);
    QTest::mouseMove(box, QPoint(120, 5)); // x = Width: outside
    EXPECT_FALSE(box->IsPressed());
    EXPECT_TRUE(ShowsPicture(box, "WINXP_CHECKBOX_NORMAL_UNCHECK"));
    QTest::mouseMove(box, QPoint(119, 5));
    EXPECT_TRUE(ShowsPicture(box, "WINXP_CHECKBOX_MOUSEDOWN_UNCHECK"));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(119, 5));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(count.clicks, 1);
    EXPECT_EQ(count.changes, 1);

    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 40));
    EXPECT_TRUE(box->Checked()) << "released outside: no toggle";
    EXPECT_EQ(count.clicks, 1);

    // The state has changed when OnClick runs.
    bool checkedInClick = true;
    QObject::connect(box, &TsuiCustomButtonEx::OnClick, [&] { checkedInClick = box->Checked(); });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(checkedInClick);
    EXPECT_EQ(count.clicks, 2);
}

TEST(TsuiCheckBox, HandlersMayDeleteTheBox)
{
    Window w;
    QPointer<TsuiCheckBox> box = w.Add(TsuiUIStyle::MacOS, "Bye");
    QPointer<TsuiCheckBox> early = w.Add(TsuiUIStyle::MacOS, "Early");
    early->move(10, 40);
    w.Show();
    QObject::connect(box, &TsuiCustomButtonEx::OnClick, [&] { delete box.data(); });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(box.isNull());

    // Deleted while its state changes, before OnClick would run.
    int clicks = 0;
    QObject::connect(early, &TsuiCustomButtonEx::OnClick, [&] { ++clicks; });
    QObject::connect(early, &TsuiCustomButtonEx::CheckedChanged, [&] { delete early.data(); });
    QTest::mouseClick(early, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(early.isNull());
    EXPECT_EQ(clicks, 0);
}

TEST(TsuiRadioButton, CheckingUnchecksItsGroupAmongSiblingsOnly)
{
    Window w;
    auto* a = w.Add<TsuiRadioButton>(TsuiUIStyle::MacOS, "A");
    auto* b = w.Add<TsuiRadioButton>(TsuiUIStyle::MacOS, "B");
    auto* other = w.Add<TsuiRadioButton>(TsuiUIStyle::MacOS, "Other group");
    auto* box = w.Add(TsuiUIStyle::MacOS, "A check box");
    other->SetGroupIndex(1);
    QWidget panel(&w.form);
    auto* elsewhere = new TsuiRadioButton(&w.form, &panel);
    for (TsuiCustomButtonEx* control : std::initializer_list<TsuiCustomButtonEx*>{a, other, box, elsewhere})
        control->SetChecked(true);

    b->SetChecked(true); // from code
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(a->NormalPictureName(), "MACOS_RADIOBUTTON_UNCHECK");

    // A click checks; clicking a checked one keeps it and still clicks.
    w.Show();
    Counters count;
    count.Watch(a);
    a->Click();
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
    a->Click();
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(count.clicks, 2);
    EXPECT_EQ(count.changes, 1);
}

TEST(TsuiCheckBox, KeyboardAndAcceleratorToggleOnce)
{
    Window w;
    auto* edit = new QLineEdit(&w.form);
    edit->move(10, 100);
    TsuiCheckBox* bold = w.Add(TsuiUIStyle::MacOS, "&Bold");
    TsuiCheckBox* other = w.Add(TsuiUIStyle::MacOS, "Other");
    other->move(10, 40);
    Counters count;
    count.Watch(bold);
    w.Show();
    bold->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));

    QTest::keyPress(bold, Qt::Key_Space);
    EXPECT_TRUE(bold->IsPressed());
    EXPECT_FALSE(bold->Checked());
    QTest::keyRelease(bold, Qt::Key_Space);
    EXPECT_TRUE(bold->Checked());
    EXPECT_EQ(count.clicks, 1);
    QTest::keyClick(bold, Qt::Key_Return);
    EXPECT_FALSE(bold->Checked());
    EXPECT_EQ(count.clicks, 2);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(bold->Checked());
    EXPECT_TRUE(bold->hasFocus());
    EXPECT_EQ(count.clicks, 3);
    EXPECT_EQ(edit->text(), QString());

    // A plain character is the accelerator when the focused control does not take it.
    other->setFocus();
    QTest::keyClick(other, Qt::Key_B);
    EXPECT_FALSE(bold->Checked());
    EXPECT_EQ(count.clicks, 4);
    EXPECT_EQ(count.changes, 4);
    EXPECT_FALSE(other->Checked());

    bold->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(count.clicks, 4);
}

TEST(TsuiCheckBox, AutoSizeFollowsCaptionFontAndResizes)
{
    Window w;
    TsuiCheckBox* box = w.Add(TsuiUIStyle::MacOS, "Auto");
    box->Font()->SetHeight(-11);
    box->FSetAutoSize(true);
    const auto textWidth = [&](const QString& text) {
        QImage probe(1, 1, QImage::Format_RGB32);
        TCanvas canvas(&probe);
        canvas.Font.Assign(*box->Font());
        return canvas.TextWidth(text);
    };
    EXPECT_EQ(box->size(), QSize(15 + textWidth("Auto") + 8, 21));
    box->SetCaption("A longer caption");
    EXPECT_EQ(box->width(), 15 + textWidth("A longer caption") + 8);
    box->Font()->SetHeight(-20);
    EXPECT_EQ(box->height(), 26);
    w.Show();
    box->SetBounds(10, 10, 300, 60);
    EXPECT_EQ(box->height(), 26) << "applied again after a resize";

    // An aligned box is sized by its parent and by AutoSize in turn; that
    // must settle instead of starting itself over.
    box->SetAlign(alTop);
    EXPECT_EQ(box->y(), 0);
    w.form.resize(320, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->height(), 26);
}

struct CountingCheckBox : TsuiCheckBox {
    using TsuiCheckBox::TsuiCheckBox;
    int paints = 0;
    void Paint(TCanvas& canvas) override
    {
        ++paints;
        TsuiCheckBox::Paint(canvas);
    }
};

TEST(TsuiCheckBox, SettingTheSameStateDoesNotRepaint)
{
    Window w;
    auto* box = new CountingCheckBox(&w.form, &w.form);
    box->SetChecked(true);
    w.Show();
    QCoreApplication::processEvents();
    box->paints = 0;
    Counters count;
    count.Watch(box);
    box->SetChecked(true);
    box->SetState(cbChecked);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->paints, 0);
    EXPECT_EQ(count.changes, 0);
    box->SetChecked(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->paints, 1);
    EXPECT_EQ(count.changes, 1);
}

TEST(TsuiCheckBox, AccessibleAsCheckBoxAndRadioButton)
{
    Window w;
    TsuiCheckBox* box = w.Add(TsuiUIStyle::MacOS, "&Wrap");
    auto* radio = w.Add<TsuiRadioButton>(TsuiUIStyle::MacOS, "One");
    w.Show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
    EXPECT_EQ(iface->text(QAccessible::Name), "Wrap");
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);
    ASSERT_TRUE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(iface->state().checked);

    QAccessibleInterface* radioIface = QAccessible::queryAccessibleInterface(radio);
    EXPECT_EQ(radioIface->role(), QAccessible::RadioButton);
    radioIface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(radioIface->state().checked);
}

TEST(TsuiCheckBox, ReadFromAStoredLayout)
{
    toolkit::RegisterClass<QWidget>("TTestForm");
    RegisterSuiButtons();
    std::unique_ptr<QObject> root(ReadLayout(QStringLiteral("object F: TTestForm\n"
                                                            "  object C: TsuiCheckBox\n"
                                                            "    Checked = True\n"
                                                            "    Caption = '&Bold'\n"
                                                            "    UIStyle = WinXP\n"
                                                            "    AutoSize = True\n"
                                                            "  end\n"
                                                            "  object R1: TsuiRadioButton\n"
                                                            "    Checked = True\n"
                                                            "    GroupIndex = 2\n"
                                                            "  end\n"
                                                            "  object R2: TsuiRadioButton\n"
                                                            "    GroupIndex = 2\n"
                                                            "    Checked = True\n"
                                                            "  end\n"
                                                            "end\n")));
    auto* box = root->findChild<TsuiCheckBox*>("C");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->NormalPictureName(), "WINXP_CHECKBOX_NORMAL_CHECK");
    EXPECT_EQ(box->height(), std::max(std::abs(box->Font()->Height()) + 2, 13) + 4);
    auto* r1 = root->findChild<TsuiRadioButton*>("R1");
    auto* r2 = root->findChild<TsuiRadioButton*>("R2");
    ASSERT_TRUE(r1 && r2);
    EXPECT_EQ(r1->GroupIndex(), 2);
    EXPECT_FALSE(r1->Checked()) << "R1 was in R2's group when R2 was checked";
    EXPECT_TRUE(r2->Checked());

    // Stored in the published order, without the push buttons' properties.
    box->SetCancel(true);
    const QString written = WriteLayout(root.get());
    EXPECT_TRUE(written.contains("    Checked = True\n    Caption = '&Bold'\n")) << written.toStdString();
    EXPECT_FALSE(written.contains("Cancel")) << written.toStdString();
    EXPECT_TRUE(written.contains("    GroupIndex = 2\n")) << written.toStdString();
}

} // namespace
