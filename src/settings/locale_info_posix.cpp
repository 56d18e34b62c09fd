// Regional settings on Linux: built-in data chosen by the locale environment.
#include <cstdlib>

#include "settings/builtin_locale.h"
#include "settings/locale_info.h"

std::shared_ptr<const ILocaleInfo> ThreadLocaleInfo() {
    return BuiltinLocale(
        BuiltinLocaleFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_TIME"), std::getenv("LANG")));
}

std::shared_ptr<const ILocaleInfo> UserDefaultLocaleInfo() { return ThreadLocaleInfo(); }
