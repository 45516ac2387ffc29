#include "batch/output_file.hpp"

#include <iostream>

#include "data/atomic_file.hpp"

namespace velkar::batch {

bool WriteOutputFile(const std::string& path, std::string_view bytes) {
  const data::FileWriteResult written = data::WriteFileAtomically(path, bytes);
  if (!written.ok) {
    std::cerr << "velkar-batch: " << written.error << '\n';
    return false;
  }
  if (!written.warning.empty()) std::cerr << "velkar-batch: warning: " << written.warning << '\n';
  return true;
}

}  // namespace velkar::batch
