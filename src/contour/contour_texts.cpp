#include "contour/contour_texts.hpp"

#include <array>

namespace velkar::contour {

namespace {

struct Entry {
  ContourTextId id;
  std::string_view czech;
  std::string_view english;
};

constexpr Entry OneForm(ContourTextId id, std::string_view text) { return {id, text, text}; }

constexpr std::array kTexts = {
    Entry{ContourTextId::MixedDataRefusal, "Nelze konturovat smíšená data!", "You can not contour mixed data!"},
    Entry{ContourTextId::SmoothingRefusal, "Zhlazení musí být v rozsahu 1 - 666 !",
          "The smoothing must be between 1 and 666 !"},
    OneForm(ContourTextId::UnitPercent, "%"),
    OneForm(ContourTextId::UnitMultiples, "s"),
    OneForm(ContourTextId::SuffixPercent, " %"),
    OneForm(ContourTextId::SuffixMultiples, " s"),
    OneForm(ContourTextId::CountPrefix, "n = "),
    OneForm(ContourTextId::ReadOutSeparator, "      D: "),
    OneForm(ContourTextId::ProgressSuffix, " %"),
    OneForm(ContourTextId::ProgressProgramName, "   Velkar"),
    OneForm(ContourTextId::ProgramTitle, "Velkar"),
    OneForm(ContourTextId::SmoothingCeiling, "666"),
    OneForm(ContourTextId::LevelsHalf, ": 1, 1.5, ... "),
    OneForm(ContourTextId::Levels2, ": 1, 2, ... "),
    OneForm(ContourTextId::Levels3, ": 1, 3, ... "),
    OneForm(ContourTextId::Levels4, ": 1, 4, ... "),
    OneForm(ContourTextId::Levels5, ": 1, 5, ... "),
    OneForm(ContourTextId::Levels6, ": 1, 6, ... "),
    OneForm(ContourTextId::Levels7, ": 1, 7, ... "),
    OneForm(ContourTextId::Levels8, ": 1, 8, ... "),
    OneForm(ContourTextId::Levels10, ": 1, 10, ... "),
    OneForm(ContourTextId::Levels20, ": 1, 20, ... "),
    OneForm(ContourTextId::Levels30, ": 1, 30, ... "),
    OneForm(ContourTextId::Levels40, ": 1, 40, ... "),
    OneForm(ContourTextId::Levels100, ": 1, 100, ... "),
};

// Entries stand in the order of the identifiers, so a text is found by index.
constexpr bool InOrder() {
  if (kTexts.size() != static_cast<std::size_t>(ContourTextId::kCount)) return false;
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
  }
  return true;
}
static_assert(InOrder(), "the contour texts must follow the order of ContourTextId");

}  // namespace

std::string_view ContourText(ContourTextId id, shell::Language language) {
  const std::size_t i = static_cast<std::size_t>(id);
  if (i >= kTexts.size()) return {};
  return language == shell::Language::Czech ? kTexts[i].czech : kTexts[i].english;
}

}  // namespace velkar::contour
