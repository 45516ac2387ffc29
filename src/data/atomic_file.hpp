// Writing a file so that it is either complete or untouched: the bytes go to
// a temporary file beside the target, which then replaces it in one rename.
#pragma once

#include <string>
#include <string_view>

namespace velkar::data {

// False, with one line naming the file and the system's reason in error,
// when the file cannot be written; the old file (if any) is then unchanged
// and no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace velkar::data
