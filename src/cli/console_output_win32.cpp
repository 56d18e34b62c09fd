// Windows: WriteConsoleW when standard output or standard error is a console
// (GetConsoleMode answers only for one), the bytes unchanged otherwise.
#include "cli/console_output.h"

#include <windows.h>

#include <iostream>
#include <string>

#include "common/wide_text.h"

namespace {

// The console behind the stream, or nullptr when it is not one.
HANDLE ConsoleOf(const std::ostream& stream) {
    DWORD which = 0;
    if (&stream == &std::cout) which = STD_OUTPUT_HANDLE;
    if (&stream == &std::cerr) which = STD_ERROR_HANDLE;
    if (which == 0) return nullptr;
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return nullptr;
    return handle;
}

// False when the console would not take it; the caller writes the bytes then.
bool WriteConsole(std::ostream& stream, HANDLE console, const std::wstring& text) {
    stream.flush();  // whatever went before through the stream comes first
    const wchar_t* at = text.c_str();
    std::size_t left = text.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteConsoleW(console, at, static_cast<DWORD>(left), &written, nullptr) || written == 0) return false;
        at += written;
        left -= written;
    }
    return true;
}

}  // namespace

void WriteText(std::ostream& stream, std::string_view text, TTextOrigin origin) {
    if (HANDLE console = ConsoleOf(stream)) {
        const std::wstring wide = origin == TTextOrigin::Program ? ProgramText(text) : SystemText(text);
        if (WriteConsole(stream, console, wide)) return;
    }
    stream << text;
}

void WriteErrorLine(std::ostream& stream, const Exception& error) {
    if (HANDLE console = ConsoleOf(stream)) {
        if (WriteConsole(stream, console, ErrorBoxWideText(error) + L"\n")) return;
    }
    stream << ErrorBoxText(error.Message()) << '\n';
}
