// The main window's first show state from the process's start-up information.
#include "ui/start_show.h"

#include <gtest/gtest.h>

TEST(StartShow, OnlyMaximisedAndMinimisedInactiveAreKept) {
    struct {
        bool UseShowWindow;
        std::int32_t ShowWindow;
        std::int32_t Expected;
    } const cases[] = {
        {false, 3, kSwShowNormal},  // no show state given: the flag decides, not the leftover value
        {false, 7, kSwShowNormal},     {true, 3, kSwShowMaximized},
        {true, 7, kSwShowMinNoActive}, {true, 0, kSwShowNormal},  // SW_HIDE would leave the program invisible
        {true, 1, kSwShowNormal},      {true, 2, kSwShowNormal},  // SW_SHOWMINIMIZED
        {true, 6, kSwShowNormal},                                 // SW_MINIMIZE
        {true, 10, kSwShowNormal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StartShowCommand(c.UseShowWindow, c.ShowWindow), c.Expected)
            << c.UseShowWindow << " " << c.ShowWindow;
}
