// The application title rule, fed with paths as either platform reports them.
#include <gtest/gtest.h>

#include "common/paths.h"
#include "ui/app_title.h"

namespace {

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

TEST(ApplicationTitleFromPath, NameWithoutExtensionLowerCasedAfterFirstByte) {
    const std::string sep(1, kPathSeparator);
    const struct {
        std::string path;
        const char* title;
    } cases[] = {
        {"C:" + sep + "Tools" + sep + "KASUMIRO.EXE", "Kasumiro"},
        {"C:" + sep + "Tools" + sep + "Kasumiro.old.exe", "Kasumiro"},
        {"C:" + sep + "Tools" + sep + "kasumiro.exe", "kasumiro"},
        {"C:" + sep + "Tools.d" + sep + "KASUMIRO", "Kasumiro"},
        {"KASUMIRO.EXE", "Kasumiro"},
        {"/opt/kasumiro/bin/kasumiro-cli", "kasumiro-cli"},
        {"/opt/KASU.MIRO/Tool", "Tool"},
        {"C:" + sep + "Tools" + sep + ".exe", ""},
        {"C:" + sep + "Tools" + sep, ""},
        {"C:" + sep + "Tools" + sep + "X.EXE", "X"},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplicationTitleFromPath(c.path, AsciiLower), c.title) << c.path;
}

TEST(ApplicationTitle, IsTheRunningTestProgramsName) {
    // The test binary is kasumiro_tests(.exe) on both platforms.
    EXPECT_EQ(ApplicationTitle(), "kasumiro_tests");
}

}  // namespace
