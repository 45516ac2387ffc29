#include "shell/texts.hpp"

#include <array>

namespace velkar::shell {

namespace {

struct Entry {
  TextId id;
  std::string_view czech;
  std::string_view english;
};

// A text with one form for both interfaces (most of them the Czech texts
// that stay Czech in the English interface).
constexpr Entry OneForm(TextId id, std::string_view text) { return {id, text, text}; }

// Texts that two entries share word for word.
constexpr std::string_view kTrendMapCzech = "Mapa trendů";
constexpr std::string_view kLineWidthCzech = "Tl. čáry";
constexpr std::string_view kRoundDataCzech = "Zaokrouhli";

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

    OneForm(TextId::ProgramName, "Velkar"),
    OneForm(TextId::ProgramVersion, "1.6"),
    OneForm(TextId::FontHolderCaption, "MedRA"),
    Entry{TextId::DigitizerCaption, "Digitalizace dat z bitmap", "Digitalize data from bitmaps"},
    Entry{TextId::FoldAnalysis, "Vrásová analýza", "Fold analysis"},
    Entry{TextId::TrendMapCaption, kTrendMapCzech, "Spatial averaging"},
    Entry{TextId::ContourWord, "kontury", "contours"},
    Entry{TextId::OverwriteQuestion, "Soubor téhož jména již existuje, chcete jej přepsat?",
          "File exists, do you want to rewrite it?"},

    Entry{TextId::HintNewFile, "Nový soubor", "New file"},
    Entry{TextId::HintOpenFile, "Otevři soubor", "Open file"},
    Entry{TextId::HintSaveFile, "Ulož soubor", "Save file"},
    OneForm(TextId::HintUndoData, "Vrátit zpět poslední změnu vstupních dat"),
    Entry{TextId::HintPlotData, "Vynes data", "Plot data"},
    Entry{TextId::HintContouredPlot, "Konturový diagram", "Contoured plot"},
    Entry{TextId::HintRosePlot, "Růžicový diagram", "Rose plot"},
    Entry{TextId::HintDipLinesToNormals, "Převést spádnice na normály a naopak", "Dip lines to normals and vice versa"},
    Entry{TextId::HintFoldAxes, "Výpočet vrásových os", "Calculate fold axes"},
    OneForm(TextId::HintPlanesFromTwoLines, "Výpočet ploch ze dvou  přímek"),
    Entry{TextId::HintRotateEigenvectors, "Rotovat data podle matice orientace do geografických souřadnic",
          "Rotate data eigenvectors parallel to geographical axes"},
    Entry{TextId::HintManualRotation, "Ruční rotace dat", "Rotate data manually"},
    Entry{TextId::HintUndoRotation, "Vrátit rotaci", "Undo rotation"},
    Entry{TextId::HintMapSymbols, "Tvorba vektorových značek do mapy (rovnou do clipboardu)",
          "Create map symbols (directly into clipboard"},
    Entry{TextId::HintCommasToDots, "Převést čárky na tečky", "Convert commas to dots"},
    Entry{TextId::HintEraseData, "Ruční gumování dat", "Erase data manually"},
    Entry{TextId::HintCopyEmf, "Vložit diagram do schránky jako EMF", "Copy diagram to clipboard as EMF"},
    Entry{TextId::HintCopyBmp, "Vložit diagram do schránky jako BMP", "Copy diagram to clipboard as BMP"},
    Entry{TextId::HintDigitize, "Digitalizovat trendy z mapy nebo diagramy",
          "Digitalize trends on map or an equal area plot"},
    Entry{TextId::HintTrendMap, kTrendMapCzech, "Spatial averaging map"},
    Entry{TextId::HintTectonicClock, "Strukturně-geologické hodiny :-)", "Tectonic clock :-)"},
    Entry{TextId::HintAbout, "Údaje o programu", "About Velkar"},

    Entry{TextId::PlotAsCaption, "Vynes jako", "Plot data as"},
    Entry{TextId::PlotAsLines, "Lineace (1)", "Lines [1]"},
    Entry{TextId::PlotAsCircles, "Oblouky (2)", "Circles [2]"},
    Entry{TextId::PlotAsPoles, "Normály (3)", "Poles [3]"},
    Entry{TextId::PlotAsSynoptic, "Synoptický", "Synoptic"},
    Entry{TextId::ContourGroup, "Konturovat", "Contour"},
    Entry{TextId::SmoothLabel, "Zhlazení", "Smooth"},
    Entry{TextId::LegendCheck, "Legenda", "Legend"},
    Entry{TextId::ContoursCheck, "Kontury", "Contours"},
    Entry{TextId::DiscreteCheck, "Diskrétní", "Discrete"},
    Entry{TextId::OrientationCheck, "Orientace", "Orientation"},
    Entry{TextId::HintSymbolSize, "Nastavit velikost  symborů vynášených prvků", "Set symbol size"},
    Entry{TextId::HintSymbolColour, "Nastavit barvu vynášených prvků", "Set symbol color"},
    Entry{TextId::ColourSchemeGroup, "Barevné schéma konturového diagramu", "Color scheme of the contoured plot"},
    Entry{TextId::ShadowCheck, "Stín diagramu", "Plot shadow"},
    Entry{TextId::HintRedrawContours, "Překresli konturový diagram", "Redraw the contoured plot"},
    Entry{TextId::RoseGroup, "Růžicový diagram", "Rose plot"},
    Entry{TextId::ClassIntervalLabel, "Interval třídy", "Class interval"},
    Entry{TextId::RoseLineWidthLabel, kLineWidthCzech, "Line width"},
    Entry{TextId::ColourLabel, "Barva", "Color"},
    Entry{TextId::HintRedrawRose, "Vytvoř růžicový diagram", "Redraw the rose plot"},
    Entry{TextId::PlanesCheck, "plochy", "Planes"},
    Entry{TextId::RelativelyCheck, "relativně", "Relatively"},
    Entry{TextId::RotationGroup, "Rotace", "Rotation"},
    Entry{TextId::RotationAxisLabel, "Osa rotace                 ", "Rotation axis"},
    Entry{TextId::RotationAngleLabel, "Úhel rotace", "Rot. angle"},
    Entry{TextId::HintRotateData, "Rotovat data", "Rotate data"},
    Entry{TextId::RoundDataCheck, kRoundDataCzech, "Round data"},
    Entry{TextId::MatrixGroup, "Matice Orientace", "Orientation matrix"},
    Entry{TextId::GeneratorGroup, "Generátor souboru dat", "Data generator"},
    Entry{TextId::NumberOfDataLabel, "Počet měření", "Number of data"},
    Entry{TextId::ClusterOrientationLabel, "Směr přednostní orientace", "Cluster orientation"},
    Entry{TextId::HorizontalFlatteningLabel, "Zploštění horizontální", "Horizontal flattening"},
    Entry{TextId::VerticalFlatteningLabel, "Zploštění vertikální", "Vertical flattening"},
    Entry{TextId::DelimiterLabel, "Oddělovač", "Delimiter"},
    Entry{TextId::RandomlyCheck, "Náhodně  ", "Randomly"},
    Entry{TextId::HintGenerateData, "Generuj data", "Generate data"},
    Entry{TextId::HintGenerateOrthogonally, "Generuj data v ortogonální síti", "Generate data orthogonally"},
    Entry{TextId::MapSymbolsGroup, "Mapové značky - vrstevnatost", "Tectonic map symbols"},
    Entry{TextId::SymbolSizeLabel, "Velikost", "Size"},
    Entry{TextId::SymbolLineWidthLabel, kLineWidthCzech, "Line w."},
    Entry{TextId::HintChangeFont, "Nastav font", "Change font"},
    Entry{TextId::HintSymbolFontColour, "Nastav barvu značky a fontu", "Change symbol and font color"},
    Entry{TextId::HintSymbolType, "Nastavit typ značky", "Change symbol type"},
    OneForm(TextId::MaximaGroup, "Nalezená maxima"),

    OneForm(TextId::OpenFilterText, "*.txt"),
    OneForm(TextId::OpenFilterAll, "*.*"),
    OneForm(TextId::SaveDefaultName, "Nový.txt"),
    Entry{TextId::CannotWriteFile, "Soubor nelze uložit", "Cannot save file"},

    Entry{TextId::AboutDescription,
          "Vynášení a analýza orientačních dat strukturní geologie ve spodní polokouli plochojevného "
          "(Schmidtova) diagramu: body, oblouky, normály, hustotní diagramy, růžicové diagramy, matice "
          "orientace a transformace dat.",
          "Plotting and analysis of structural orientation data in the lower hemisphere of the equal-area "
          "(Schmidt) net: points, great circles, poles, density contours, rose diagrams, the orientation "
          "matrix and data transformations."},
    Entry{TextId::AboutAuthorLine, "Nástroj pro strukturní geology", "A tool for structural geologists"},
    Entry{TextId::HintEnglishFlag, "Přepnout rozhraní do angličtiny", "English interface"},
    Entry{TextId::HintHomePage, "Domovská stránka programu", "The program's home page"},
    Entry{TextId::HintClosePanel, "Zavřít", "Close"},
};

}  // namespace

std::string_view Text(TextId id, Language language) {
  for (const Entry& e : kCatalogue)
    if (e.id == id) return language == Language::Czech ? e.czech : e.english;
  return {};
}

}  // namespace velkar::shell
