// The catalogue of the program's own texts in both languages. Every caption,
// hint and message is written once, here, and picked by language when shown.
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
};

std::string_view Text(TextId id, Language language);

}  // namespace velkar::shell
