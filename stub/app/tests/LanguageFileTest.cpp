#include "app/LanguageFile.h"
#include "app/Markup.h"
#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace stub;
using namespace stubtest;

TEST(LanguageFile, OverridesTextsOfItsLanguage) {
    ScratchFolder dir;
    std::filesystem::create_directories(dir / "HELP/German");
    WriteFile(LanguageFile::PathFor(dir.path, "German"),
              "[Strings]\nNoEngine=Kein Installationsprogramm|im Paket\n"
              "RunTimeDir_01=RunTimeDir(<?>)<P><P>Nicht gefunden!\n");
    EXPECT_EQ(LanguageFile::PathFor(dir.path, ""), dir / "HELP/English/Kelpset.language.ini");

    const LanguageFile german(dir.path, "German");
    EXPECT_EQ(german.Text("NoEngine", "x"), "Kein Installationsprogramm<P>im Paket");
    EXPECT_EQ(german.Text("Missing", "fallback"), "fallback");
    const std::string found = german.TextWith("RunTimeDir_01", "x", "<b>app</b>");
    EXPECT_EQ(ApplyMarkup(found).text, "RunTimeDir(<b>app</b>)\r\n\r\nNicht gefunden!");

    const LanguageFile english(dir.path, "English");
    EXPECT_EQ(english.Text("NoEngine", "fallback"), "fallback");
    EXPECT_EQ(english.TextWith("RunTimeDir_01", "RunTimeDir(<?>)", "x"), "RunTimeDir(x)");
}
