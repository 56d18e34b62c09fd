// Choosing a face that draws a text: the designed one or an installed Japanese one.
#include "ui/win32/readable_font.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

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
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    EnumFontFamiliesExW(dc, &wanted, &AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    DeleteDC(dc);
    faces.Proportional.insert(faces.Proportional.end(), faces.Fixed.begin(), faces.Fixed.end());
    return faces.Proportional;
}

}  // namespace

std::wstring PrintableAscii() {
    std::wstring text;
    for (wchar_t c = L' '; c < 0x7F; ++c) text += c;
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

TFont CreateReadableFont(const LOGFONTW& designed, const std::wstring& text) {
    TFont font(CreateFontIndirectW(&designed));
    if (!font.Get() || FontDrawsAll(font.Get(), text)) return font;
    LOGFONTW other = designed;
    other.lfCharSet = SHIFTJIS_CHARSET;
    for (const std::wstring& face : JapaneseFaces()) {
        if (face.size() >= LF_FACESIZE) continue;
        std::copy(face.c_str(), face.c_str() + face.size() + 1, other.lfFaceName);
        TFont candidate(CreateFontIndirectW(&other));
        if (candidate.Get() && FontDrawsAll(candidate.Get(), text)) return candidate;
    }
    return font;
}

LOGFONTW SystemFont(TSystemFont kind) {
    // The size of the structure as Windows XP knows it (the programs declare
    // no later system), which later systems take as well.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return kind == TSystemFont::Menu ? metrics.lfMenuFont : metrics.lfMessageFont;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}
