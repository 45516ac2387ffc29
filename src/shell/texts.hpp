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
  // density contouring
  MixedDataRefusal,      // the synoptic plot mode cannot be contoured
  SmoothingRefusal,      // the smoothing lies outside 1..666
  UnitPercent,           // colour-bar unit with "1% o"
  UnitMultiples,         // colour-bar unit otherwise (multiples of uniform density)
  SuffixPercent,         // " %": level legend and read-out with "1% o"
  SuffixMultiples,       // " s": the same otherwise
  CountPrefix,           // "n = " before the number of lines of a diagram
  ReadOutSeparator,      // "      D: " between the cursor orientation and the density
  ProgressSuffix,        // " %" after the percentage in the title
  ProgressProgramName,   // "   Velkar" after it
  SmoothingCeiling,      // "666", written back into a smoothing field above the range
  LevelsHalf,            // ": 1, 1.5, ... " (M 1..5 with "0,5 %")
  Levels2,               // ": 1, 2, ... "
  Levels3,
  Levels4,
  Levels5,
  Levels6,
  Levels7,
  Levels8,
  Levels10,
  Levels20,
  Levels30,
  Levels40,
  Levels100,
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
