#include "text/language.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "text/texts.hpp"

namespace velkar::text {
namespace {

// The environment of one case, read through the injectable getter.
std::map<std::string, std::string> g_environment;
const char* FakeGetenv(const char* name) {
  const auto it = g_environment.find(name);
  return it == g_environment.end() ? nullptr : it->second.c_str();
}

TEST(Language, StartUpRule) {
  struct Case {
    std::map<std::string, std::string> env;
    Language language;
  };
  const Case cases[] = {
      {{}, Language::English},
      {{{"LANG", "cs_CZ.UTF-8"}}, Language::Czech},
      {{{"LANG", "cs"}}, Language::Czech},
      {{{"LANG", "sk_SK.UTF-8"}}, Language::English},
      {{{"LANG", "de_DE.UTF-8"}}, Language::English},
      {{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "cs_CZ.UTF-8"}}, Language::Czech},
      {{{"LANG", "cs_CZ.UTF-8"}, {"LC_ALL", "C"}}, Language::English},
      {{{"LANG", "cs_CZ.UTF-8"}, {"LANGUAGE", "en_US:cs"}}, Language::English},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "cs:en"}}, Language::Czech},
      {{{"LANG", "cs_CZ.UTF-8"}, {"LANGUAGE", ""}}, Language::Czech},
      {{{"LANG", "csb_PL.UTF-8"}}, Language::English},  // Kashubian is not Czech
  };
  for (const Case& c : cases) {
    g_environment = c.env;
    EXPECT_EQ(LanguageFromEnvironment(FakeGetenv), c.language) << testing::PrintToString(c.env);
  }
}

TEST(Language, DecimalSeparator) {
  struct Case {
    std::map<std::string, std::string> env;
    char separator;
  };
  const Case cases[] = {
      {{}, '.'},
      {{{"LANG", "C"}}, '.'},
      {{{"LANG", "en_US.UTF-8"}}, '.'},
      {{{"LANG", "cs_CZ.UTF-8"}}, ','},
      {{{"LANG", "cs_CZ.UTF-8"}, {"LC_NUMERIC", "C"}}, '.'},
      {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "cs_CZ.UTF-8"}}, ','},
  };
  for (const Case& c : cases) {
    g_environment = c.env;
    EXPECT_EQ(DecimalSeparatorFromEnvironment(FakeGetenv), c.separator) << testing::PrintToString(c.env);
  }
}

TEST(TextCatalogue, EveryTextExistsInBothLanguages) {
  for (int i = 0; i < static_cast<int>(TextId::kCount); ++i) {
    const auto id = static_cast<TextId>(i);
    EXPECT_FALSE(Text(id, Language::Czech).empty()) << "text " << i;
    EXPECT_FALSE(Text(id, Language::English).empty()) << "text " << i;
  }
  // The shared overwrite question.
  EXPECT_EQ(Text(TextId::OverwriteQuestion, Language::English), "File exists, do you want to rewrite it?");
}

TEST(Texts, BothLanguages) {
  EXPECT_EQ(Text(TextId::MatrixHeader, Language::Czech), "Vektory\t\tČísla");
  EXPECT_EQ(Text(TextId::MatrixHeader, Language::English), "Eigenvectors\tEigenvalues");
  EXPECT_EQ(Text(TextId::UndefinedValue, Language::Czech), "nedefinováno");
}

}  // namespace
}  // namespace velkar::text
