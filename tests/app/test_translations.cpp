// The utility in another language: its window, its layout's texts and its
// messages follow the translation for the locale; without one, English stays.
#include "apptestsupport.h"
#include "toolkit/translations.h"

#include <QAccessible>

namespace {

class GermanUtilityTest : public UtilityTest {
protected:
    void SetUp() override
    {
        toolkit::InstallTranslations(QStringLiteral("ispupdate"), QLocale(QLocale::German, QLocale::Germany));
        UtilityTest::SetUp();
    }
    void TearDown() override
    {
        UtilityTest::TearDown();
        toolkit::RemoveTranslations();
    }
};

TEST_F(GermanUtilityTest, WindowLayoutAndMessagesSpeakGerman)
{
    TForm1& form = *form_;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("IP-Kamera-ISP-Programm"));
    EXPECT_EQ(form.cmdUpdate->Caption(), QStringLiteral("Aktualisieren"));
    EXPECT_EQ(form.cmdLoad->Caption(), QStringLiteral("..."));
    const QString hint = QStringLiteral("Firmware-Datei für die Aktualisierung auswählen.");
    EXPECT_EQ(form.cmdLoad->toolTip(), hint);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.cmdLoad)->text(QAccessible::Description), hint);

    StartWithBootCode(PatternBytes(8, 1));
    SelectFirmware(PatternBytes(10, 2));
    EXPECT_EQ(form.StatusBar1->Panels[1]->Text(), QStringLiteral("Firmware-Datei in Ordnung"));
    device_.initializeResult = -1;
    form.cmdUpdate->Click();
    ASSERT_FALSE(dialogs_.messages.empty());
    EXPECT_EQ(dialogs_.messages.back().text, QStringLiteral("Gerät nicht gefunden!"));
    EXPECT_EQ(dialogs_.messages.back().title, QStringLiteral("IP-Kamera"));
}

TEST(Translations, ALanguageWithoutATranslationFallsBackToEnglish)
{
    toolkit::InstallTranslations(QStringLiteral("ispupdate"), QLocale(QLocale::Swahili));
    {
        TForm1 form;
        EXPECT_EQ(form.cmdUpdate->Caption(), QStringLiteral("Update Firmware"));
    }
    toolkit::RemoveTranslations();
}

} // namespace
