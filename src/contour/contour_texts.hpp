// The texts of the density contouring in both languages: its two refusals,
// the units and separators of its legends, read-out and progress title, and
// the second-level texts of the class-interval table. Texts that the two
// interfaces share have one form.
#pragma once

#include <string_view>

#include "shell/language.hpp"

namespace velkar::contour {

enum class ContourTextId {
  MixedDataRefusal,      // the synoptic plot mode cannot be contoured
  SmoothingRefusal,      // the smoothing lies outside 1..666
  UnitPercent,           // colour-bar unit with "1% o"
  UnitMultiples,         // colour-bar unit otherwise (multiples of uniform density)
  SuffixPercent,         // " %": level legend and read-out with "1% o"
  SuffixMultiples,       // " s": the same otherwise
  CountPrefix,           // "n = " before the number of lines
  ReadOutSeparator,      // "      D: " between the cursor orientation and the density
  ProgressSuffix,        // " %" after the percentage in the title
  ProgressProgramName,   // "   Velkar" after it
  ProgramTitle,          // the title when no computation runs
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
  kCount  // the number of texts; not a text
};

std::string_view ContourText(ContourTextId id, shell::Language language);

}  // namespace velkar::contour
