// velkar-batch's output files: written whole or not at all, and the user
// told on standard error when the write failed or could not keep something.
#pragma once

#include <string>
#include <string_view>

namespace velkar::batch {

// True when path holds bytes; a warning (an owner that could not be kept) is
// printed and still counts as written. False after the error line.
bool WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace velkar::batch
