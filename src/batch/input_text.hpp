// The data text given on the command line: a file mapped into memory (no
// copy), or standard input read whole.
#pragma once

#include <string>
#include <string_view>

namespace velkar::batch {

class InputText {
 public:
  InputText() = default;
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;
  ~InputText();

  // "-" reads standard input. On failure returns false and sets error to
  // one line naming the file and the system's reason.
  bool Open(const std::string& name, std::string& error);
  std::string_view Text() const { return mapped_ ? std::string_view(mapped_, mapped_size_) : buffer_; }

 private:
  std::string buffer_;
  const char* mapped_ = nullptr;
  std::size_t mapped_size_ = 0;
};

}  // namespace velkar::batch
