#include "text/language.hpp"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <string>

namespace velkar::text {

namespace {

const char* SystemGetenv(const char* name) { return std::getenv(name); }

std::string_view FirstSet(EnvironmentGetter get, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = get(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

std::string_view LanguageCode(std::string_view locale_name) {
  const std::size_t end = locale_name.find_first_of("_.@");
  return locale_name.substr(0, end);
}

// Languages that write a decimal comma, for locales that are named but not
// installed on this system.
bool WritesDecimalComma(std::string_view code) {
  for (std::string_view c : {"cs", "sk", "de", "fr", "es", "it", "pl", "ru", "pt", "nl", "da", "fi", "sv", "nb",
                             "nn", "hu", "sl", "hr", "sr", "uk", "be", "bg", "ro", "tr", "el", "lt", "lv", "et"})
    if (code == c) return true;
  return false;
}

}  // namespace

bool IsCzechLocaleName(std::string_view name) { return LanguageCode(name) == "cs"; }

Language LanguageFromEnvironment(EnvironmentGetter get) {
  if (get == nullptr) get = SystemGetenv;
  std::string_view language = FirstSet(get, {"LANGUAGE"});
  if (!language.empty()) {
    language = language.substr(0, language.find(':'));
  }
  if (language.empty()) language = FirstSet(get, {"LC_ALL", "LC_MESSAGES", "LANG"});
  return IsCzechLocaleName(language) ? Language::Czech : Language::English;
}

char DecimalSeparatorFromEnvironment(EnvironmentGetter get) {
  if (get == nullptr) get = SystemGetenv;
  const std::string name(FirstSet(get, {"LC_ALL", "LC_NUMERIC", "LANG"}));
  if (name.empty() || name == "C" || name == "POSIX") return '.';
  if (locale_t loc = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(0))) {
    const std::string radix = nl_langinfo_l(RADIXCHAR, loc);
    freelocale(loc);
    return radix.size() == 1 ? radix[0] : '.';
  }
  return WritesDecimalComma(LanguageCode(name)) ? ',' : '.';
}

}  // namespace velkar::text
