// The data text given on the command line, read as the window's Open reads
// a file (data::DataTextFromFileBytes), or with every line kept (raw). The
// file is read into memory, not mapped: a mapped file that shrinks under the
// reader kills it with SIGBUS. Where the data text lies in the bytes read
// (data::DataTextInPlace), it is used there without a copy.
#pragma once

#include <string>
#include <string_view>

namespace velkar::batch {

class InputText {
 public:
  InputText() = default;
  // Text() may view buffer_, so a copy would view the original's bytes.
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;

  enum class Status {
    kRead,
    kUnreadable,  // cannot be opened or read: a usage-level failure
    kChanged,     // a file whose size or modification time moved while it was read
  };

  // "-" reads standard input; raw keeps the lines the entry filter drops
  // (data::FileTextFromBytes). Unless it returns kRead, error is one line
  // naming the file and the reason, and Text() is empty.
  Status Open(const std::string& name, bool raw, std::string& error);
  std::string_view Text() const { return text_; }

 private:
  Status ReadBytes(const std::string& name, std::string& error);
  // Makes text_ the text of the bytes in buffer_, as Open describes.
  void MakeText(bool raw);

  std::string_view text_;
  std::string buffer_;  // the bytes read, then the text made of them unless it lies in them
};

}  // namespace velkar::batch
