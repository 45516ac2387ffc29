#include "data/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace velkar::data {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  const auto fail = [&](int code) {
    error = "cannot write '" + path + "': " + std::strerror(code);
    return false;
  };
  std::string pattern = path + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return fail(errno);
  const std::string temporary(name.data());

  // An existing file keeps its permissions; a new one gets the usual ones.
  struct stat st {};
  mode_t mode = 0;
  if (stat(path.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  int code = 0;
  if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) code = errno;
  if (close(fd) != 0 && code == 0) code = errno;
  if (code == 0 && rename(temporary.c_str(), path.c_str()) != 0) code = errno;
  if (code != 0) {
    unlink(temporary.c_str());
    return fail(code);
  }
  return true;
}

}  // namespace velkar::data
