#include "gui/common/captions.hpp"

#include <array>

#include "text/catalogue.hpp"

namespace velkar::gui {

namespace {

using Entry = text::CatalogueEntry<CaptionId>;
using text::OneForm;

// Texts that two entries share word for word.
constexpr std::string_view kTrendMapCzech = "Mapa trendů";
constexpr std::string_view kLineWidthCzech = "Tl. čáry";
constexpr std::string_view kRoundDataCzech = "Zaokrouhli";

constexpr std::array kCatalogue = {
    OneForm(CaptionId::ProgramName, "Velkar"),
    OneForm(CaptionId::ProgramVersion, "1.6"),
    OneForm(CaptionId::FontHolderCaption, "MedRA"),
    Entry{CaptionId::DigitizerCaption, "Digitalizace dat z bitmap", "Digitalize data from bitmaps"},
    Entry{CaptionId::FoldAnalysis, "Vrásová analýza", "Fold analysis"},
    Entry{CaptionId::TrendMapCaption, kTrendMapCzech, "Spatial averaging"},
    Entry{CaptionId::HintNewFile, "Nový soubor", "New file"},
    Entry{CaptionId::HintOpenFile, "Otevři soubor", "Open file"},
    Entry{CaptionId::HintSaveFile, "Ulož soubor", "Save file"},
    OneForm(CaptionId::HintUndoData, "Vrátit zpět poslední změnu vstupních dat"),
    Entry{CaptionId::HintPlotData, "Vynes data", "Plot data"},
    Entry{CaptionId::HintContouredPlot, "Konturový diagram", "Contoured plot"},
    Entry{CaptionId::HintRosePlot, "Růžicový diagram", "Rose plot"},
    Entry{CaptionId::HintDipLinesToNormals, "Převést spádnice na normály a naopak", "Dip lines to normals and vice versa"},
    Entry{CaptionId::HintFoldAxes, "Výpočet vrásových os", "Calculate fold axes"},
    OneForm(CaptionId::HintPlanesFromTwoLines, "Výpočet ploch ze dvou  přímek"),
    Entry{CaptionId::HintRotateEigenvectors, "Rotovat data podle matice orientace do geografických souřadnic",
          "Rotate data eigenvectors parallel to geographical axes"},
    Entry{CaptionId::HintManualRotation, "Ruční rotace dat", "Rotate data manually"},
    Entry{CaptionId::HintUndoRotation, "Vrátit rotaci", "Undo rotation"},
    Entry{CaptionId::HintMapSymbols, "Tvorba vektorových značek do mapy (rovnou do clipboardu)",
          "Create map symbols (directly into clipboard"},
    Entry{CaptionId::HintCommasToDots, "Převést čárky na tečky", "Convert commas to dots"},
    Entry{CaptionId::HintEraseData, "Ruční gumování dat", "Erase data manually"},
    Entry{CaptionId::HintCopyEmf, "Vložit diagram do schránky jako EMF", "Copy diagram to clipboard as EMF"},
    Entry{CaptionId::HintCopyBmp, "Vložit diagram do schránky jako BMP", "Copy diagram to clipboard as BMP"},
    Entry{CaptionId::HintDigitize, "Digitalizovat trendy z mapy nebo diagramy",
          "Digitalize trends on map or an equal area plot"},
    Entry{CaptionId::HintTrendMap, kTrendMapCzech, "Spatial averaging map"},
    Entry{CaptionId::HintTectonicClock, "Strukturně-geologické hodiny :-)", "Tectonic clock :-)"},
    Entry{CaptionId::HintAbout, "Údaje o programu", "About Velkar"},

    Entry{CaptionId::PlotAsCaption, "Vynes jako", "Plot data as"},
    Entry{CaptionId::PlotAsLines, "Lineace (1)", "Lines [1]"},
    Entry{CaptionId::PlotAsCircles, "Oblouky (2)", "Circles [2]"},
    Entry{CaptionId::PlotAsPoles, "Normály (3)", "Poles [3]"},
    Entry{CaptionId::PlotAsSynoptic, "Synoptický", "Synoptic"},
    Entry{CaptionId::ContourGroup, "Konturovat", "Contour"},
    Entry{CaptionId::SmoothLabel, "Zhlazení", "Smooth"},
    Entry{CaptionId::LegendCheck, "Legenda", "Legend"},
    Entry{CaptionId::ContoursCheck, "Kontury", "Contours"},
    Entry{CaptionId::DiscreteCheck, "Diskrétní", "Discrete"},
    Entry{CaptionId::OrientationCheck, "Orientace", "Orientation"},
    Entry{CaptionId::HintSymbolSize, "Nastavit velikost  symborů vynášených prvků", "Set symbol size"},
    Entry{CaptionId::HintSymbolColour, "Nastavit barvu vynášených prvků", "Set symbol color"},
    Entry{CaptionId::ColourSchemeGroup, "Barevné schéma konturového diagramu", "Color scheme of the contoured plot"},
    Entry{CaptionId::ShadowCheck, "Stín diagramu", "Plot shadow"},
    Entry{CaptionId::HintRedrawContours, "Překresli konturový diagram", "Redraw the contoured plot"},
    Entry{CaptionId::RoseGroup, "Růžicový diagram", "Rose plot"},
    Entry{CaptionId::ClassIntervalLabel, "Interval třídy", "Class interval"},
    Entry{CaptionId::RoseLineWidthLabel, kLineWidthCzech, "Line width"},
    Entry{CaptionId::ColourLabel, "Barva", "Color"},
    Entry{CaptionId::HintRedrawRose, "Vytvoř růžicový diagram", "Redraw the rose plot"},
    Entry{CaptionId::PlanesCheck, "plochy", "Planes"},
    Entry{CaptionId::RelativelyCheck, "relativně", "Relatively"},
    Entry{CaptionId::RotationGroup, "Rotace", "Rotation"},
    Entry{CaptionId::RotationAxisLabel, "Osa rotace                 ", "Rotation axis"},
    Entry{CaptionId::RotationAngleLabel, "Úhel rotace", "Rot. angle"},
    Entry{CaptionId::HintRotateData, "Rotovat data", "Rotate data"},
    Entry{CaptionId::RoundDataCheck, kRoundDataCzech, "Round data"},
    Entry{CaptionId::MatrixGroup, "Matice Orientace", "Orientation matrix"},
    Entry{CaptionId::GeneratorGroup, "Generátor souboru dat", "Data generator"},
    Entry{CaptionId::NumberOfDataLabel, "Počet měření", "Number of data"},
    Entry{CaptionId::ClusterOrientationLabel, "Směr přednostní orientace", "Cluster orientation"},
    Entry{CaptionId::HorizontalFlatteningLabel, "Zploštění horizontální", "Horizontal flattening"},
    Entry{CaptionId::VerticalFlatteningLabel, "Zploštění vertikální", "Vertical flattening"},
    Entry{CaptionId::DelimiterLabel, "Oddělovač", "Delimiter"},
    Entry{CaptionId::RandomlyCheck, "Náhodně  ", "Randomly"},
    Entry{CaptionId::HintGenerateData, "Generuj data", "Generate data"},
    Entry{CaptionId::HintGenerateOrthogonally, "Generuj data v ortogonální síti", "Generate data orthogonally"},
    Entry{CaptionId::MapSymbolsGroup, "Mapové značky - vrstevnatost", "Tectonic map symbols"},
    Entry{CaptionId::SymbolSizeLabel, "Velikost", "Size"},
    Entry{CaptionId::SymbolLineWidthLabel, kLineWidthCzech, "Line w."},
    Entry{CaptionId::HintChangeFont, "Nastav font", "Change font"},
    Entry{CaptionId::HintSymbolFontColour, "Nastav barvu značky a fontu", "Change symbol and font color"},
    Entry{CaptionId::HintSymbolType, "Nastavit typ značky", "Change symbol type"},
    OneForm(CaptionId::MaximaGroup, "Nalezená maxima"),

    OneForm(CaptionId::OpenFilterText, "*.txt"),
    OneForm(CaptionId::OpenFilterAll, "*.*"),
    OneForm(CaptionId::SaveDefaultName, "Nový.txt"),
    Entry{CaptionId::AboutDescription,
          "Vynášení a analýza orientačních dat strukturní geologie ve spodní polokouli plochojevného "
          "(Schmidtova) diagramu: body, oblouky, normály, hustotní diagramy, růžicové diagramy, matice "
          "orientace a transformace dat.",
          "Plotting and analysis of structural orientation data in the lower hemisphere of the equal-area "
          "(Schmidt) net: points, great circles, poles, density contours, rose diagrams, the orientation "
          "matrix and data transformations."},
    Entry{CaptionId::AboutAuthorLine, "Nástroj pro strukturní geology", "A tool for structural geologists"},
    Entry{CaptionId::HintEnglishFlag, "Přepnout rozhraní do angličtiny", "English interface"},
    Entry{CaptionId::HintHomePage, "Domovská stránka programu", "The program's home page"},
    Entry{CaptionId::HintClosePanel, "Zavřít", "Close"},
    Entry{CaptionId::UnsavedDataQuestion, "Data v panelu nejsou uložena. Chcete je uložit?",
          "The data in the panel have not been saved. Do you want to save them?"},
    Entry{CaptionId::BigFileNotPlotted, "  (velký soubor: vynese jej tlačítko Vynes data)",
          "  (a large file: the Plot data button plots it)"},
    Entry{CaptionId::NotAvailableYet, "(tento příkaz zatím není k dispozici)", "(this command is not available yet)"},
    Entry{CaptionId::MenuFile, "&Soubor", "&File"},
    Entry{CaptionId::MenuEdit, "Úpr&avy", "&Edit"},
    Entry{CaptionId::MenuView, "&Zobrazení", "&View"},
    Entry{CaptionId::MenuTools, "&Nástroje", "&Tools"},
    Entry{CaptionId::MenuHelp, "Nápo&věda", "&Help"},
    Entry{CaptionId::MenuQuit, "&Konec", "&Quit"},
    Entry{CaptionId::MenuFindMaxima, "Najít maxima hustoty", "Find density maxima"},
    Entry{CaptionId::MenuLineToPole, "Řádek u kurzoru na normálu (pravé tlačítko v datech)",
          "Line at the caret to its pole (right button in the data)"},
    Entry{CaptionId::MenuCodes, "Kódy symbolů a barev (pravé tlačítko na Vynes jako)",
          "Symbol and colour codes (right button on Plot data as)"},
    Entry{CaptionId::MenuDirectionCosines, "Směrové kosiny na data (pravé tlačítko na Vynes data)",
          "Direction cosines to data (right button on Plot data)"},
    Entry{CaptionId::MenuLegendGrey, "Legenda jen v obrázku (pravé tlačítko na Legenda)",
          "Legend in the picture only (right button on Legend)"},
    Entry{CaptionId::MenuOrientationGrey, "Vlastní vektory barevně (pravé tlačítko na Orientace)",
          "Eigenvectors in colour (right button on Orientation)"},
    Entry{CaptionId::MenuOverlayColour, "Barva vlastních vektorů… (prostřední tlačítko na Orientace)",
          "Colour of the eigenvectors… (middle button on Orientation)"},
    Entry{CaptionId::MenuOpacity, "Průhlednost oblouků… (prostřední tlačítko na barvě)",
          "Opacity of great circles… (middle button on the colour)"},
    Entry{CaptionId::MenuAngleTool, "Měření úhlů levým tlačítkem (jinak prostředním)",
          "Measure angles with the left button (else the middle one)"},
    Entry{CaptionId::OpacityLabel, "Průhlednost oblouků (0 průhledné – 255 plné):",
          "Opacity of great circles (0 clear – 255 solid):"},
};

}  // namespace

std::string_view CaptionText(CaptionId id, Language language) { return text::LookUp(kCatalogue, id, language); }

}  // namespace velkar::gui
