#include "batch/input_text.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "data/file_text.hpp"

namespace velkar::batch {

namespace {

// Reads fd to its end into out. size_hint is the expected length (a regular
// file's size): one allocation then takes the whole file and the read that
// finds the end. The reads go on past it for files that report no size
// (/proc), pipes and files that grow, doubling the buffer.
bool ReadAll(int fd, std::size_t size_hint, std::string& out) {
  std::size_t size = 0;
  out.resize(std::max<std::size_t>(size_hint + 1, 65536));
  for (;;) {
    if (size == out.size()) out.resize(2 * size);
    const ssize_t n = read(fd, out.data() + size, out.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      out.resize(size);
      return n == 0;
    }
    size += static_cast<std::size_t>(n);
  }
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace

InputText::Status InputText::Open(const std::string& name, bool raw, std::string& error) {
  const Status status = ReadBytes(name, error);
  if (status == Status::kRead) MakeText(raw);
  return status;
}

InputText::Status InputText::ReadBytes(const std::string& name, std::string& error) {
  const auto fail = [&](const char* what, int reason) {
    error = std::string(what) + " '" + name + "': " + std::strerror(reason);
    return Status::kUnreadable;
  };
  if (name == "-") return ReadAll(STDIN_FILENO, 0, buffer_) ? Status::kRead : fail("cannot read", errno);
  const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail("cannot open", errno);
  struct stat before {};
  struct stat after {};
  Status status = Status::kRead;
  if (fstat(fd, &before) != 0) {
    status = fail("cannot read", errno);
  } else if (S_ISDIR(before.st_mode)) {
    status = fail("cannot read", EISDIR);
  } else if (!ReadAll(fd, S_ISREG(before.st_mode) ? static_cast<std::size_t>(before.st_size) : 0, buffer_)) {
    status = fail("cannot read", errno);
  } else if (S_ISREG(before.st_mode) && (fstat(fd, &after) != 0 || !SameFile(before, after))) {
    // A file rewritten while it was read yields a mix of old and new lines;
    // a result computed from them would look valid.
    status = Status::kChanged;
    error = "the file '" + name + "' changed while it was read";
  }
  close(fd);
  if (status != Status::kRead) buffer_.clear();
  return status;
}

void InputText::MakeText(bool raw) {
  const std::string_view bytes = buffer_;
  if (const std::optional<std::string_view> text = raw ? std::nullopt : data::DataTextInPlace(bytes)) {
    text_ = *text;
    return;
  }
  buffer_ = raw ? data::FileTextFromBytes(bytes) : data::DataTextFromFileBytes(bytes);
  text_ = buffer_;
}

}  // namespace velkar::batch
