// kasumiro-cli's texts on a Windows console: wide characters, each converted
// from its own code page, whatever the system's code page is.
#include "cli/console_output.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace {

// A console of this test's own as standard output, for the life of the object.
class TTestConsole {
public:
    // The test's own output goes on to where it went: the runtime keeps its
    // handles, and the standard handles are put back afterwards.
    TTestConsole() {
        for (int i = 0; i < 3; ++i) previous_[i] = GetStdHandle(kStandard[i]);
        FreeConsole();  // Wine attaches a program started from a pipe to a console without a screen
        owned_ = AllocConsole() != FALSE;
        console_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (Usable()) SetStdHandle(STD_OUTPUT_HANDLE, console_);
    }
    ~TTestConsole() {
        if (Usable()) CloseHandle(console_);
        if (owned_) FreeConsole();
        for (int i = 0; i < 3; ++i) SetStdHandle(kStandard[i], previous_[i]);
    }
    TTestConsole(const TTestConsole&) = delete;
    TTestConsole& operator=(const TTestConsole&) = delete;

    bool Usable() const { return console_ != INVALID_HANDLE_VALUE; }

    // A fresh line to write on, then what was written on it.
    void NewLine() {
        DWORD written = 0;
        WriteConsoleW(console_, L"\r\n", 2, &written, nullptr);
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(console_, &info);
        line_ = info.dwCursorPosition;
    }
    std::wstring Line() const {
        wchar_t cells[80] = {};
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console_, cells, 80, line_, &read);
        std::wstring text(cells, read);
        return text.substr(0, text.find_last_not_of(L' ') + 1);
    }

private:
    static constexpr DWORD kStandard[3] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    bool owned_ = false;
    HANDLE console_ = INVALID_HANDLE_VALUE;
    HANDLE previous_[3] = {};
    COORD line_{};
};

TEST(ConsoleOutput, AConsoleShowsProgramAndSystemTextsRight) {
    TTestConsole console;
    if (!console.Usable()) GTEST_SKIP() << "no console can be opened here";
    const struct {
        const char* Bytes;
        TTextOrigin Origin;
        std::wstring Shown;
    } cases[] = {
        {"データを書き換えました.", TTextOrigin::Program,
         L"\u30C7\u30FC\u30BF\u3092\u66F8\u304D\u63DB\u3048\u307E\u3057\u305F."},
        {"LOG3.DAT  ---", TTextOrigin::System, L"LOG3.DAT  ---"},
    };
    for (const auto& c : cases) {
        console.NewLine();
        WriteText(std::cout, c.Bytes, c.Origin);
        std::wstring shown = console.Line();
        // A full-width character may fill two cells of the console.
        std::wstring single;
        for (wchar_t ch : shown)
            if (single.empty() || ch != single.back() || ch < 0x3000) single += ch;
        EXPECT_TRUE(shown == c.Shown || single == c.Shown) << c.Bytes;
    }
}

}  // namespace
