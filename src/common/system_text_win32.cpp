// System text on Windows: the ANSI code page (932 on the players' systems).
#include "common/system_text.h"

#include <windows.h>

std::size_t SystemCharLength(std::string_view text, std::size_t pos) {
    if (IsDBCSLeadByte(static_cast<BYTE>(text[pos])) && pos + 1 < text.size()) return 2;
    return 1;
}

bool DecodeSjisCharacter(std::string_view sjisChar, std::string& out) {
    wchar_t wide[4];
    const int wideLength = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjisChar.data(),
                                               static_cast<int>(sjisChar.size()), wide, 4);
    if (wideLength <= 0) return false;
    char narrow[16];
    BOOL usedDefault = FALSE;
    const int narrowLength = WideCharToMultiByte(CP_ACP, 0, wide, wideLength, narrow, sizeof narrow, nullptr,
                                                 &usedDefault);
    if (narrowLength <= 0 || usedDefault) return false;
    out.assign(narrow, static_cast<std::size_t>(narrowLength));
    return true;
}
