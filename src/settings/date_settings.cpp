// The one copy of the date settings the program formats with.
#include "settings/date_settings.h"

#include <optional>

namespace {

std::optional<TDateSettings>& Current() {
    static std::optional<TDateSettings> settings;
    return settings;
}

}  // namespace

const TDateSettings& CurrentDateSettings() {
    if (!Current()) Current() = ReadDateSettings(ThreadLocaleInfo());
    return *Current();
}

void ReloadDateSettingsForUserLocale() { Current() = ReadDateSettings(UserDefaultLocaleInfo()); }
