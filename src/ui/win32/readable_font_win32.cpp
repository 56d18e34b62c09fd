// Choosing a face that draws a text: the designed one or an installed Japanese one.
#include "ui/win32/readable_font.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// The Japanese face that last drew a whole text in place of a designed one:
// asked first the next time, so that one search serves the window, its menu
// and its boxes.
std::wstring& ServingFace() {
    static std::wstring face;
    return face;
}

// The face at the designed size and weight in Shift-JIS, when it draws every
// character of text.
TFont FaceDrawingAll(const LOGFONTW& designed, const std::wstring& face, const std::wstring& text) {
    if (face.empty() || face.size() >= LF_FACESIZE) return TFont();
    LOGFONTW other = designed;
    other.lfCharSet = SHIFTJIS_CHARSET;
    std::copy(face.c_str(), face.c_str() + face.size() + 1, other.lfFaceName);
    TFont candidate(CreateFontIndirectW(&other));
    if (candidate.Get() && FontDrawsAll(candidate.Get(), text)) return candidate;
    return TFont();
}

// The installed Japanese faces asked in the system's order, each once, the
// proportional ones as they come and the fixed-pitch ones kept for after;
// vertical faces ("@" before the name) and bitmap fonts left out. The search
// stops at the first face that serves.
struct TFaceSearch {
    const LOGFONTW& Designed;
    const std::wstring& Text;
    std::vector<std::wstring> Asked;
    std::vector<std::wstring> Fixed;
    TFont Found;
    std::wstring FoundFace;

    void Ask(const std::wstring& face) {
        Found = FaceDrawingAll(Designed, face, Text);
        if (Found.Get()) FoundFace = face;
    }

    // Notes face in seen; false when it was there already.
    static bool FirstTime(std::vector<std::wstring>& seen, const std::wstring& face) {
        if (std::find(seen.begin(), seen.end(), face) != seen.end()) return false;
        seen.push_back(face);
        return true;
    }
};

// A face the search asks: TrueType, and not a vertical one ("@" before the name).
bool Searchable(const LOGFONTW* font, DWORD type) {
    return font->lfFaceName[0] != L'@' && (type & TRUETYPE_FONTTYPE) != 0;
}

int CALLBACK AskFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM data) {
    auto& search = *reinterpret_cast<TFaceSearch*>(data);
    if (!Searchable(font, type)) return 1;
    const std::wstring face = font->lfFaceName;
    const bool fixed = (font->lfPitchAndFamily & 0x3) == FIXED_PITCH;
    if (!TFaceSearch::FirstTime(fixed ? search.Fixed : search.Asked, face)) return 1;
    if (!fixed) search.Ask(face);
    return search.Found.Get() ? 0 : 1;
}

// Proportional Japanese faces that draw the program's texts where they are
// installed: Windows' own, then those Linux systems commonly give Wine.
constexpr const wchar_t* kKnownJapaneseFaces[] = {
    L"MS UI Gothic", L"MS PGothic",   L"Meiryo UI",        L"Meiryo",        L"Yu Gothic UI",
    L"IPAPGothic",   L"IPAexGothic",  L"Noto Sans CJK JP", L"Noto Sans JP",  L"Source Han Sans JP",
    L"VL PGothic",   L"TakaoPGothic", L"Ume P Gothic",     L"BIZ UDPGothic",
};

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM data) {
    if (!Searchable(font, type)) return 1;
    *reinterpret_cast<std::wstring*>(data) = font->lfFaceName;
    return 0;
}

// The known faces asked by name, each an enumeration of its own family:
// an enumeration of every face makes the system load each Japanese face
// first, which under Wine took 8-15 ms of a start of some 150 ms.
bool AskKnownFaces(HDC dc, TFaceSearch& search) {
    for (const wchar_t* known : kKnownJapaneseFaces) {
        LOGFONTW wanted{};
        wanted.lfCharSet = SHIFTJIS_CHARSET;
        std::copy(known, known + std::char_traits<wchar_t>::length(known) + 1, wanted.lfFaceName);
        std::wstring installed;
        EnumFontFamiliesExW(dc, &wanted, &NoteFace, reinterpret_cast<LPARAM>(&installed), 0);
        if (installed.empty() || !TFaceSearch::FirstTime(search.Asked, installed)) continue;
        search.Ask(installed);
        if (search.Found.Get()) return true;
    }
    return false;
}

TFont SearchJapaneseFaces(TFaceSearch& search) {
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        if (!AskKnownFaces(dc, search)) {
            LOGFONTW wanted{};
            wanted.lfCharSet = SHIFTJIS_CHARSET;
            EnumFontFamiliesExW(dc, &wanted, &AskFace, reinterpret_cast<LPARAM>(&search), 0);
        }
        DeleteDC(dc);
    }
    for (std::size_t i = 0; !search.Found.Get() && i < search.Fixed.size(); ++i) search.Ask(search.Fixed[i]);
    if (search.Found.Get()) ServingFace() = search.FoundFace;
    return std::move(search.Found);
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
    if (TFont served = FaceDrawingAll(designed, ServingFace(), text); served.Get()) return served;
    TFaceSearch search{designed, text, {}, {}, TFont(), {}};
    if (TFont found = SearchJapaneseFaces(search); found.Get()) return found;
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
