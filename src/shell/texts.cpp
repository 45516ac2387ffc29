#include "shell/texts.hpp"

#include <array>

namespace velkar::shell {

namespace {

struct Entry {
  TextId id;
  std::string_view czech;
  std::string_view english;
};

constexpr std::array kCatalogue = {
    Entry{TextId::MatrixHeader, "Vektory\t\tČísla", "Eigenvectors\tEigenvalues"},
    Entry{TextId::MatrixFi, "Parametr Fi :    ", "Shape factor Fi :    "},
    Entry{TextId::MatrixLode, "Lodeho parametr: ", "Lode ratio: "},
    Entry{TextId::MatrixZeta, "Míra přednostní orientace zéta:", "Strength parameter:"},
    Entry{TextId::MatrixGamma, "Tvarový parametr gama:", "Shape parameter:"},
    Entry{TextId::UndefinedValue, "nedefinováno", "undefined"},
    Entry{TextId::DataCountSuffix, " měření", " data"},
    // The runtime's own message stays English in both interfaces.
    Entry{TextId::InvalidNumericInput, "Invalid numeric input", "Invalid numeric input"},
    Entry{TextId::LineWord, "řádek", "line"},
    Entry{TextId::CannotOpenFile, "Soubor nelze otevřít", "Cannot open file"},
    Entry{TextId::CannotReadFile, "Soubor nelze přečíst", "Cannot read file"},
};

}  // namespace

std::string_view Text(TextId id, Language language) {
  for (const Entry& e : kCatalogue)
    if (e.id == id) return language == Language::Czech ? e.czech : e.english;
  return {};
}

}  // namespace velkar::shell
