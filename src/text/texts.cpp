#include "text/texts.hpp"

#include <array>

#include "text/catalogue.hpp"

namespace velkar::text {

namespace {

using Entry = CatalogueEntry<TextId>;

constexpr std::array kCatalogue = {
    Entry{TextId::MatrixHeader, "Vektory\t\tČísla", "Eigenvectors\tEigenvalues"},
    Entry{TextId::MatrixFi, "Parametr Fi :    ", "Shape factor Fi :    "},
    Entry{TextId::MatrixLode, "Lodeho parametr: ", "Lode ratio: "},
    Entry{TextId::MatrixZeta, "Míra přednostní orientace zéta:", "Strength parameter:"},
    Entry{TextId::MatrixGamma, "Tvarový parametr gama:", "Shape parameter:"},
    Entry{TextId::UndefinedValue, "nedefinováno", "undefined"},
    Entry{TextId::DataCountSuffix, " měření", " data"},
    Entry{TextId::MixedDataRefusal, "Nelze konturovat smíšená data!", "You can not contour mixed data!"},
    Entry{TextId::SmoothingRefusal, "Zhlazení musí být v rozsahu 1 - 666 !",
          "The smoothing must be between 1 and 666 !"},
    OneForm(TextId::UnitPercent, "%"),
    OneForm(TextId::UnitMultiples, "s"),
    OneForm(TextId::SuffixPercent, " %"),
    OneForm(TextId::SuffixMultiples, " s"),
    OneForm(TextId::CountPrefix, "n = "),
    OneForm(TextId::ReadOutSeparator, "      D: "),
    OneForm(TextId::ProgressSuffix, " %"),
    OneForm(TextId::ProgressProgramName, "   Velkar"),
    OneForm(TextId::SmoothingCeiling, "666"),
    OneForm(TextId::LevelsHalf, ": 1, 1.5, ... "),
    OneForm(TextId::Levels2, ": 1, 2, ... "),
    OneForm(TextId::Levels3, ": 1, 3, ... "),
    OneForm(TextId::Levels4, ": 1, 4, ... "),
    OneForm(TextId::Levels5, ": 1, 5, ... "),
    OneForm(TextId::Levels6, ": 1, 6, ... "),
    OneForm(TextId::Levels7, ": 1, 7, ... "),
    OneForm(TextId::Levels8, ": 1, 8, ... "),
    OneForm(TextId::Levels10, ": 1, 10, ... "),
    OneForm(TextId::Levels20, ": 1, 20, ... "),
    OneForm(TextId::Levels30, ": 1, 30, ... "),
    OneForm(TextId::Levels40, ": 1, 40, ... "),
    OneForm(TextId::Levels100, ": 1, 100, ... "),
    // The runtime's own message stays English in both interfaces.
    Entry{TextId::InvalidNumericInput, "Invalid numeric input", "Invalid numeric input"},
    Entry{TextId::LineWord, "řádek", "line"},
    Entry{TextId::CannotOpenFile, "Soubor nelze otevřít", "Cannot open file"},
    Entry{TextId::CannotReadFile, "Soubor nelze přečíst", "Cannot read file"},
    Entry{TextId::CannotWriteFile, "Soubor nelze uložit", "Cannot save file"},
    Entry{TextId::OutOfMemory, "Na tento příkaz není dost paměti.", "There is not enough memory for this command."},
    Entry{TextId::ContourWord, "kontury", "contours"},
    Entry{TextId::OverwriteQuestion, "Soubor téhož jména již existuje, chcete jej přepsat?",
          "File exists, do you want to rewrite it?"},
};

}  // namespace

std::string_view Text(TextId id, Language language) { return LookUp(kCatalogue, id, language); }

}  // namespace velkar::text
