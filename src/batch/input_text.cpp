#include "batch/input_text.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>

#include "data/file_text.hpp"

namespace velkar::batch {

InputText::~InputText() {
  if (mapped_) munmap(const_cast<char*>(mapped_), mapped_size_);
}

namespace {

bool ReadAll(int fd, std::string& out) {
  char block[65536];
  for (;;) {
    const ssize_t n = read(fd, block, sizeof block);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    out.append(block, static_cast<std::size_t>(n));
  }
}

}  // namespace

bool InputText::Open(const std::string& name, bool raw, std::string& error) {
  if (!ReadBytes(name, error)) return false;
  MakeText(raw);
  return true;
}

bool InputText::ReadBytes(const std::string& name, std::string& error) {
  const auto fail = [&](const char* what) {
    error = std::string(what) + " '" + name + "': " + std::strerror(errno);
    return false;
  };
  if (name == "-") return ReadAll(STDIN_FILENO, buffer_) || fail("cannot read");
  const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail("cannot open");
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    const bool ok = fail("cannot read");
    close(fd);
    return ok;
  }
  if (S_ISDIR(st.st_mode)) {
    close(fd);
    errno = EISDIR;
    return fail("cannot read");
  }
  bool ok = true;
  if (S_ISREG(st.st_mode) && st.st_size > 0) {
    void* p = mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (p != MAP_FAILED) {
      mapped_ = static_cast<const char*>(p);
      mapped_size_ = static_cast<std::size_t>(st.st_size);
    } else {
      ok = ReadAll(fd, buffer_) || fail("cannot read");
    }
  } else if (!S_ISREG(st.st_mode)) {
    ok = ReadAll(fd, buffer_) || fail("cannot read");  // pipes, devices
  }
  close(fd);
  return ok;
}

void InputText::MakeText(bool raw) {
  const std::string_view bytes = mapped_ ? std::string_view(mapped_, mapped_size_) : std::string_view(buffer_);
  if (const std::optional<std::string_view> text = raw ? std::nullopt : data::DataTextInPlace(bytes)) {
    text_ = *text;
    return;
  }
  buffer_ = raw ? data::FileTextFromBytes(bytes) : data::DataTextFromFileBytes(bytes);
  text_ = buffer_;
}

}  // namespace velkar::batch
