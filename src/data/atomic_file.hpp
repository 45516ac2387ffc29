// Writing a file so that it is either complete or untouched: the bytes go to
// a temporary file beside the target, which then replaces it in one rename.
#pragma once

#include <string>
#include <string_view>

namespace velkar::data {

struct FileWriteResult {
  bool ok = false;
  std::string error;    // when !ok: one line naming the file and the system's reason
  std::string warning;  // when ok: one line on what could not be kept, else empty
};

// Writes bytes to path. A symbolic link stays a link: the file it finally
// names is written, also when that file does not exist yet. The new file
// keeps the old one's permission bits without setuid, setgid and sticky (a
// new file: 0666 less the umask) and its owner and group; when the owner
// cannot be given back, the file is written all the same and the warning
// says so. A file with several hard links is written in place (truncated and
// rewritten), which keeps the links but not the all-or-nothing guarantee.
// Otherwise, on failure the old file (if any) is unchanged and no temporary
// file is left behind, also when SIGINT or SIGTERM ends the process while
// writing; SIGKILL cannot be caught and leaves the temporary ".velkar-*"
// file. The folder is synced after the rename; a folder that cannot be is
// a warning, as the new file is then already in place.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// A temporary file ".velkar-XXXXXX" (mode 0600) in a folder, removed when
// this object ends unless it was renamed into place, and removed as well by
// SIGINT or SIGTERM meanwhile when that signal would end the process anyway
// (its disposition is the default one; the signal then ends the process as
// before). One such file at a time is known to the signal handlers: a second
// one made meanwhile by another thread is removed only when it ends.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& folder);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // The open descriptor, or -1 when the file could not be made.
  int Descriptor() const { return fd_; }
  // errno of the failed creation, else 0.
  int CreationError() const { return creation_error_; }
  const std::string& Path() const { return path_; }
  // Closes the descriptor: 0, or errno.
  int Close();
  // Renames the closed file over target: 0, or errno (the file is then removed as usual).
  int RenameTo(const std::string& target);

 private:
  int fd_ = -1;
  int creation_error_ = 0;
  std::string path_;
  bool renamed_ = false;
  bool known_to_handlers_ = false;
};

}  // namespace velkar::data
