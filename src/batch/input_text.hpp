// The data text given on the command line, read as the window's Open reads
// a file (data::DataTextFromFileBytes), or with every line kept (raw). Where
// the data text lies in the file's bytes (data::DataTextInPlace), it is used
// where the file is mapped, without a copy; standard input is read whole.
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

  // "-" reads standard input; raw keeps the lines the entry filter drops
  // (data::FileTextFromBytes). On failure returns false and sets error to
  // one line naming the file and the system's reason.
  bool Open(const std::string& name, bool raw, std::string& error);
  std::string_view Text() const { return text_; }

 private:
  // The file mapped into memory, or its bytes in buffer_.
  bool ReadBytes(const std::string& name, std::string& error);
  // Makes text_ the text of the bytes read, as Open describes.
  void MakeText(bool raw);

  std::string_view text_;
  std::string buffer_;  // bytes read (not mapped), then the text made of them
  const char* mapped_ = nullptr;
  std::size_t mapped_size_ = 0;
};

}  // namespace velkar::batch
