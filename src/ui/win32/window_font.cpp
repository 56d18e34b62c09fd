// The main window's font, checked against the characters its labels need.
#include "ui/win32/window_font.h"

#include <algorithm>

#include "common/wide_text.h"
#include "ui/main_form_layout.h"
#include "ui/win32/readable_font.h"

std::wstring WindowTextCharacters() {
    std::wstring text = PrintableAscii();
    for (const TControlDescription& control : kForm1Controls) text += ProgramText(control.Caption);
    return text;
}

TFont CreateWindowFont(std::int32_t height) {
    LOGFONTW designed{};
    designed.lfHeight = height;
    designed.lfWeight = FW_NORMAL;
    designed.lfCharSet = kShiftJisCharset;
    designed.lfOutPrecision = OUT_DEFAULT_PRECIS;
    designed.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    designed.lfQuality = DEFAULT_QUALITY;
    designed.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The face name is the program's text: read in the system's code page it
    // names no font outside Japan.
    const std::wstring face = ProgramText(kForm1FontFace);
    std::copy_n(face.c_str(), std::min<std::size_t>(face.size() + 1, LF_FACESIZE - 1), designed.lfFaceName);
    return CreateReadableFont(designed, WindowTextCharacters());
}
