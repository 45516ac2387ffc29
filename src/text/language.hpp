// The interface language and the user's number conventions, read from the
// environment the way a Linux desktop program does.
#pragma once

#include <string_view>

namespace velkar::text {

// The values match the window-wide UiLanguage: 1 Czech, 0 English.
enum class Language { English = 0, Czech = 1 };

// Czech when the user's message language is Czech: the first entry of
// LANGUAGE, else LC_ALL, LC_MESSAGES, LANG (the first one set and non-empty),
// has the language code "cs". Every other language, Slovak included, gives
// English. The getter is injectable for tests.
using EnvironmentGetter = const char* (*)(const char* name);
Language LanguageFromEnvironment(EnvironmentGetter getenv_fn = nullptr);

// Czech for a locale name such as "cs", "cs_CZ.UTF-8" or "cs_CZ@euro".
bool IsCzechLocaleName(std::string_view name);

// The decimal separator of the numeric locale (LC_ALL, LC_NUMERIC, LANG): a
// comma for cs_CZ, a point for C, POSIX and en_*.
char DecimalSeparatorFromEnvironment(EnvironmentGetter getenv_fn = nullptr);

}  // namespace velkar::text
