// The catalogue of the program's own texts in both languages. Every caption,
// hint and message is written once, here, and picked by language when shown.
// Texts that keep their Czech form in the English interface have one form.
#pragma once

#include <string_view>

#include "shell/language.hpp"

namespace velkar::shell {

enum class TextId {
  // orientation-matrix text
  MatrixHeader,
  MatrixFi,
  MatrixLode,
  MatrixZeta,
  MatrixGamma,
  UndefinedValue,
  // plot command
  DataCountSuffix,
  // data text
  InvalidNumericInput,
  LineWord,
  // command line
  CannotOpenFile,
  CannotReadFile,

  // program and windows
  ProgramName,
  ProgramVersion,
  FontHolderCaption,
  DigitizerCaption,
  FoldAnalysis,        // the fold-analysis window and its toolbar button
  TrendMapCaption,
  // window-wide values
  ContourWord,
  OverwriteQuestion,
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
  CannotWriteFile,
  // about picture
  AboutDescription,
  AboutAuthorLine,
  HintEnglishFlag,
  HintHomePage,
  HintClosePanel,
  kCount  // the number of texts; not a text
};

std::string_view Text(TextId id, Language language);

}  // namespace velkar::shell
