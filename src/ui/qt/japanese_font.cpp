// Asks fontconfig for Japanese sans-serif faces in its order of preference
// and keeps the first proportional one: its first answer is often a
// fixed-pitch Gothic, which would draw the labels wider than designed.
#include "ui/qt/japanese_font.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

struct TPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct TFontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

bool IsProportionalJapanese(FcPattern* font) {
    int spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(font, FC_SPACING, 0, &spacing);
    FcLangSet* languages = nullptr;
    if (FcPatternGetLangSet(font, FC_LANG, 0, &languages) != FcResultMatch) return false;
    return spacing == FC_PROPORTIONAL &&
           FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
}

QString PreferredFamily() {
    std::unique_ptr<FcPattern, TPatternDeleter> pattern(
        FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja")));
    if (!pattern) return {};
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, TFontSetDeleter> fonts(FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result));
    if (!fonts) return {};
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        if (IsProportionalJapanese(fonts->fonts[i]) &&
            FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch) {
            return QString::fromUtf8(reinterpret_cast<const char*>(family));
        }
    }
    return {};
}

}  // namespace

QFont JapaneseGothicFont(int pixelSize) {
    static const QString family = PreferredFamily();
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    if (!family.isEmpty()) font.setFamilies(QStringList{family});
    font.setPixelSize(pixelSize);
    return font;
}
