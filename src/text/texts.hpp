// The catalogue of the engine's own messages in both languages: report lines,
// legends, refusals and errors that the commands return. Every text is
// written once, here, and picked by language when a command runs. Texts that
// keep their Czech form in the English interface have one form.
#pragma once

#include <string_view>

#include "text/language.hpp"

namespace velkar::text {

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
  // files
  CannotOpenFile,
  CannotReadFile,
  CannotWriteFile,
  OutOfMemory,           // a command could not get the memory it needs
  // window-wide values
  ContourWord,
  OverwriteQuestion,
  kCount  // the number of texts; not a text
};

std::string_view Text(TextId id, Language language);

}  // namespace velkar::text
