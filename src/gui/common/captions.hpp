// The catalogue of the windows' own texts in both languages: captions,
// labels and hints of the controls, the toolbar and the about picture. The
// engine's messages have their own catalogue (text/texts.hpp).
#pragma once

#include <string_view>

#include "text/language.hpp"

namespace velkar::gui {

using text::Language;

enum class CaptionId {
  ProgramName,
  ProgramVersion,
  FontHolderCaption,
  DigitizerCaption,
  FoldAnalysis,        // the fold-analysis window and its toolbar button
  TrendMapCaption,
  // toolbar hints
  HintNewFile,
  HintOpenFile,
  HintSaveFile,
  HintUndoData,
  HintPlotData,
  HintContouredPlot,
  HintRosePlot,
  HintDipLinesToNormals,
  HintFoldAxes,
  HintPlanesFromTwoLines,
  HintRotateEigenvectors,
  HintManualRotation,
  HintUndoRotation,
  HintMapSymbols,
  HintCommasToDots,
  HintEraseData,
  HintCopyEmf,
  HintCopyBmp,
  HintDigitize,
  HintTrendMap,
  HintTectonicClock,
  HintAbout,
  // captions and hints of the main window's controls
  PlotAsCaption,
  PlotAsLines,
  PlotAsCircles,
  PlotAsPoles,
  PlotAsSynoptic,
  ContourGroup,
  SmoothLabel,
  LegendCheck,
  ContoursCheck,
  DiscreteCheck,
  OrientationCheck,
  HintSymbolSize,
  HintSymbolColour,
  ColourSchemeGroup,
  ShadowCheck,
  HintRedrawContours,
  RoseGroup,
  ClassIntervalLabel,
  RoseLineWidthLabel,
  ColourLabel,
  HintRedrawRose,
  PlanesCheck,
  RelativelyCheck,
  RotationGroup,
  RotationAxisLabel,
  RotationAngleLabel,
  HintRotateData,
  RoundDataCheck,
  MatrixGroup,
  GeneratorGroup,
  NumberOfDataLabel,
  ClusterOrientationLabel,
  HorizontalFlatteningLabel,
  VerticalFlatteningLabel,
  DelimiterLabel,
  RandomlyCheck,
  HintGenerateData,
  HintGenerateOrthogonally,
  MapSymbolsGroup,
  SymbolSizeLabel,
  SymbolLineWidthLabel,
  HintChangeFont,
  HintSymbolFontColour,
  HintSymbolType,
  MaximaGroup,
  // data files
  OpenFilterText,
  OpenFilterAll,
  SaveDefaultName,
  // about picture
  AboutDescription,
  AboutAuthorLine,
  HintEnglishFlag,
  HintHomePage,
  HintClosePanel,
  
  // unsaved data, big files
  UnsavedDataQuestion,
  BigFileNotPlotted,     // after the file name: the data are plotted on request
  NotAvailableYet,       // second line of the hint of a command still to come
  // menus
  MenuFile,
  MenuEdit,
  MenuView,
  MenuTools,
  MenuHelp,
  MenuQuit,
  MenuFindMaxima,
  MenuLineToPole,        // the right button in the data panel
  MenuCodes,             // the right button on the plot mode
  MenuDirectionCosines,  // the right button on the plot button
  MenuLegendGrey,        // the right button on the legend box
  MenuOrientationGrey,   // the right button on the orientation box
  MenuOverlayColour,     // the middle button over the orientation box
  MenuOpacity,           // the middle button on the colour swatch
  MenuAngleTool,         // the middle button on the diagram
  OpacityLabel,
  kCount  // the number of texts; not a text
};

std::string_view CaptionText(CaptionId id, Language language);

}  // namespace velkar::gui
