// The main window's font, checked against the characters its labels need.
#include "ui/win32/window_font.h"

#include <algorithm>
#include <vector>

#include "common/wide_text.h"
#include "ui/main_form_layout.h"

namespace {

HFONT CreateFaceFont(std::int32_t height, const wchar_t* face) {
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, kShiftJisCharset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// The installed faces that hold Japanese, proportional ones first, each
// once; vertical faces ("@" before the name) and bitmap fonts left out.
struct TJapaneseFaces {
    std::vector<std::wstring> Proportional;
    std::vector<std::wstring> Fixed;
};

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces) {
    if (font->lfFaceName[0] == L'@' || (type & TRUETYPE_FONTTYPE) == 0) return 1;
    auto& list = (font->lfPitchAndFamily & 0x3) == FIXED_PITCH ? reinterpret_cast<TJapaneseFaces*>(faces)->Fixed
                                                               : reinterpret_cast<TJapaneseFaces*>(faces)->Proportional;
    const std::wstring name = font->lfFaceName;
    if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
    return 1;
}

std::vector<std::wstring> JapaneseFaces() {
    TJapaneseFaces faces;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return {};
    LOGFONTW wanted{};
    wanted.lfCharSet = kShiftJisCharset;
    EnumFontFamiliesExW(dc, &wanted, &AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    DeleteDC(dc);
    faces.Proportional.insert(faces.Proportional.end(), faces.Fixed.begin(), faces.Fixed.end());
    return faces.Proportional;
}

}  // namespace

std::wstring WindowTextCharacters() {
    std::wstring text;
    for (wchar_t c = L' '; c < 0x7F; ++c) text += c;
    for (const TControlDescription& control : kForm1Controls) text += ProgramText(control.Caption);
    return text;
}

bool FontDrawsAll(HFONT font, const std::wstring& text) {
    // A device context of its own: the screen's is shared with every window.
    // The font's Unicode ranges, not its glyph indices: under Wine asking for
    // the glyph indices of a Shift-JIS font disturbs the folder chooser's
    // status line later on.
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return true;
    const HGDIOBJ previous = SelectObject(dc, font);
    std::vector<std::uint32_t> buffer((GetFontUnicodeRanges(dc, nullptr) + 3) / 4);
    auto* ranges = reinterpret_cast<GLYPHSET*>(buffer.data());
    const bool known = !buffer.empty() && GetFontUnicodeRanges(dc, ranges) != 0;
    SelectObject(dc, previous);
    DeleteDC(dc);
    if (!known) return true;
    return std::all_of(text.begin(), text.end(), [ranges](wchar_t c) {
        const WCRANGE* begin = ranges->ranges;
        return std::any_of(begin, begin + ranges->cRanges,
                           [c](const WCRANGE& range) { return c >= range.wcLow && c < range.wcLow + range.cGlyphs; });
    });
}

TFont CreateWindowFont(std::int32_t height) {
    // The face name is the program's text: read in the system's code page it
    // names no font outside Japan.
    TFont designed(CreateFaceFont(height, ProgramText(kForm1FontFace).c_str()));
    const std::wstring needed = WindowTextCharacters();
    if (!designed.Get() || FontDrawsAll(designed.Get(), needed)) return designed;
    for (const std::wstring& face : JapaneseFaces()) {
        TFont candidate(CreateFaceFont(height, face.c_str()));
        if (candidate.Get() && FontDrawsAll(candidate.Get(), needed)) return candidate;
    }
    return designed;
}
