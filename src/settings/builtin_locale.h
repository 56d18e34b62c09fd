// Built-in regional data for the locales the Linux build knows: Japanese
// (with the Japanese era calendar as the alternative one) and US English.
#pragma once

#include <memory>

#include "settings/locale_info.h"

enum class TBuiltinLocaleId { JaJp, EnUs };

// calendarType 3 makes the Japanese era calendar the locale's own calendar.
std::shared_ptr<const ILocaleInfo> BuiltinLocale(TBuiltinLocaleId id, int calendarType = 1);

// The locale named by the first set and non-empty of LC_ALL, LC_TIME and
// LANG: Japanese for a name starting with "ja", US English otherwise.
TBuiltinLocaleId BuiltinLocaleFromEnvironment(const char* lcAll, const char* lcTime, const char* lang);
