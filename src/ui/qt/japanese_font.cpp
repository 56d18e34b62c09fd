// The window's Japanese font, chosen through fontconfig.
// Takes fontconfig's preferred families for Japanese sans-serif, in its
// order, and keeps the first installed one that is proportional and covers
// Japanese: the first answer is often a fixed-pitch Gothic, which would draw
// the labels wider than designed. Sorting every installed font would find the
// same face, at several times the start-up cost.
#include "ui/qt/japanese_font.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <set>
#include <string>

namespace {

struct TPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct TFontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct TObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

// The families of the installed proportional fonts that cover Japanese.
std::set<std::string> ProportionalJapaneseFamilies() {
    std::set<std::string> families;
    TPattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja")));
    std::unique_ptr<FcObjectSet, TObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, FC_SPACING, nullptr));
    if (!pattern || !objects) return families;
    std::unique_ptr<FcFontSet, TFontSetDeleter> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(fonts->fonts[i], FC_SPACING, 0, &spacing);
        FcChar8* family = nullptr;
        if (spacing == FC_PROPORTIONAL && FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
            families.insert(reinterpret_cast<const char*>(family));
    }
    return families;
}

QString PreferredFamily() {
    const std::set<std::string> installed = ProportionalJapaneseFamilies();
    TPattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja")));
    if (!pattern || installed.empty()) return {};
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern.get(), FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        const std::string name = reinterpret_cast<const char*>(family);
        if (installed.count(name) != 0) return QString::fromStdString(name);
    }
    return QString::fromStdString(*installed.begin());
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
