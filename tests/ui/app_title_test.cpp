// The application title rule, fed with paths as either platform reports them.
#include <gtest/gtest.h>

#include "ui/app_title.h"

namespace {

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

TEST(ApplicationTitleFromPath, NameWithoutExtensionLowerCasedAfterFirstByte) {
    const struct {
        const char* path;
        char separator;
        const char* title;
    } cases[] = {
        {"C:\\Tools\\KASUMIRO.EXE", '\\', "Kasumiro"},
        {"C:\\Tools\\Kasumiro.old.exe", '\\', "Kasumiro"},
        {"C:\\Tools\\kasumiro.exe", '\\', "kasumiro"},
        {"C:\\Tools.d\\KASUMIRO", '\\', "Kasumiro"},
        {"KASUMIRO.EXE", '\\', "Kasumiro"},
        {"/opt/kasumiro/bin/kasumiro-cli", '/', "kasumiro-cli"},
        {"/opt/KASU.MIRO/Tool", '/', "Tool"},
        {"C:\\Tools\\.exe", '\\', ""},
        {"C:\\Tools\\", '\\', ""},
        {"C:\\Tools\\X.EXE", '\\', "X"},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplicationTitleFromPath(c.path, c.separator, AsciiLower), c.title) << c.path;
}

TEST(ApplicationTitle, IsTheRunningTestProgramsName) {
    // The test binary is kasumiro_tests(.exe) on both platforms.
    EXPECT_EQ(ApplicationTitle(), "kasumiro_tests");
}

}  // namespace
