#include "toolkit/dialogs.h"

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

// Answers files and messages only, as responders written before colours did.
struct FilesOnly : DialogResponder {
    TModalResult Message(const MessageRequest&) override { return TModalResult::Ok; }
    std::optional<QString> OpenFile(const OpenFileRequest&) override { return std::nullopt; }
};

struct ColorPicker : FilesOnly {
    std::optional<TColor> answer;
    ColorRequest seen;
    std::optional<TColor> ChooseColor(const ColorRequest& request) override
    {
        seen = request;
        return answer;
    }
};

struct Installed {
    DialogResponder* previous;
    explicit Installed(DialogResponder* responder) : previous(SetDialogResponder(responder)) {}
    ~Installed() { SetDialogResponder(previous); }
};

} // namespace

TEST(ColorDialog, GoesThroughTheResponderAndKeepsTheColourWhenCancelled)
{
    ColorPicker picker;
    Installed installed(&picker);
    TColorDialog dialog;
    dialog.Color = clBtnFace; // a system colour reaches the dialog as RGB
    dialog.CustomColors = {QStringLiteral("ColorA=000000ff")};
    picker.answer = RGBColor(1, 2, 3);
    EXPECT_TRUE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.Color, RGBColor(1, 2, 3));
    EXPECT_EQ(picker.seen.color, ColorToRGB(clBtnFace));
    EXPECT_EQ(picker.seen.customColors, QStringList{QStringLiteral("ColorA=000000ff")});

    picker.answer.reset();
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.Color, RGBColor(1, 2, 3));

    FilesOnly older;
    Installed other(&older);
    EXPECT_FALSE(dialog.Execute(nullptr));
}
