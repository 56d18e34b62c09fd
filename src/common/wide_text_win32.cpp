// Code page conversions at the screen's edge: MultiByteToWideChar with the
// code page named, and the exact way back for paths.
#include "common/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr UINT kProgramCodePage = 932;

std::wstring Widen(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

// flags and usedDefault as WideCharToMultiByte takes them, "?" for what the
// code page lacks; "" on failure.
std::string Narrow(std::wstring_view wide, UINT codePage, DWORD flags, BOOL* usedDefault) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const char* marker = usedDefault ? "?" : nullptr;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, marker, usedDefault);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, marker, usedDefault);
    return bytes;
}

}  // namespace

std::wstring ProgramText(std::string_view cp932) { return Widen(cp932, kProgramCodePage); }

std::wstring SystemText(std::string_view ansi) { return Widen(ansi, CP_ACP); }

std::wstring ErrorBoxWideText(const Exception& error) {
    const std::string text = ErrorBoxText(error.Message());
    // The period rule only ever appends, so the system part stays where it was.
    const std::size_t start = std::min(error.SystemText().Offset, text.size());
    const std::size_t end = std::min(start + error.SystemText().Length, text.size());
    const std::string_view all = text;
    return ProgramText(all.substr(0, start)) + SystemText(all.substr(start, end - start)) +
           ProgramText(all.substr(end));
}

bool ExactSystemText(std::wstring_view wide, std::string& ansi) {
    BOOL usedDefault = FALSE;
    // A system set to UTF-8 names everything; that code page takes neither the
    // flag nor the question (and refuses the call when given them).
    const bool utf8 = GetACP() == CP_UTF8;
    ansi = Narrow(wide, CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, utf8 ? nullptr : &usedDefault);
    return !usedDefault && (!ansi.empty() || wide.empty());
}
