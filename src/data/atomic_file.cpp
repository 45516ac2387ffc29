#include "data/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <iterator>

namespace velkar::data {

namespace {

// The one temporary file the signal handlers know of. A handler can reach
// nothing but process-wide state, so this is kept here, and only a
// TemporaryFile that took the record installs the handlers.
char g_recorded_path[PATH_MAX];
std::atomic<bool> g_path_recorded{false};  // g_recorded_path names a file to remove
std::atomic<bool> g_record_taken{false};   // a TemporaryFile holds the record and the handlers
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler reads the flags");

constexpr int kCleanedSignals[] = {SIGINT, SIGTERM};
struct sigaction g_old_actions[std::size(kCleanedSignals)];
bool g_installed[std::size(kCleanedSignals)];

// Async-signal-safe: removes the recorded file, then lets the signal end the
// process as it would have without us.
void RemoveRecordedFileAndReraise(int signal) {
  if (g_path_recorded.load()) unlink(g_recorded_path);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  raise(signal);
}

// Takes the record and installs the handlers for the signals that would end
// the process anyway; an ignored or handled signal is left to its owner.
// False when another thread holds the record.
bool TakeSignalRecord() {
  if (g_record_taken.exchange(true)) return false;
  for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i) {
    g_installed[i] = false;
    if (sigaction(kCleanedSignals[i], nullptr, &g_old_actions[i]) != 0) continue;
    if ((g_old_actions[i].sa_flags & SA_SIGINFO) != 0 || g_old_actions[i].sa_handler != SIG_DFL) continue;
    struct sigaction cleanup {};
    cleanup.sa_handler = RemoveRecordedFileAndReraise;
    sigemptyset(&cleanup.sa_mask);
    for (const int s : kCleanedSignals) sigaddset(&cleanup.sa_mask, s);
    g_installed[i] = sigaction(kCleanedSignals[i], &cleanup, nullptr) == 0;
  }
  return true;
}

void RecordPath(const std::string& path) {
  if (path.size() >= sizeof g_recorded_path) return;  // too long for any system call, never made
  std::memcpy(g_recorded_path, path.c_str(), path.size() + 1);
  g_path_recorded.store(true);
}

void ReleaseSignalRecord() {
  g_path_recorded.store(false);
  for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i)
    if (g_installed[i]) sigaction(kCleanedSignals[i], &g_old_actions[i], nullptr);
  g_record_taken.store(false);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// The file that path finally names through its chain of symbolic links,
// also when the last link dangles (the name it holds is then a new file):
// 0, or errno (ELOOP for a chain that does not end).
int FinalTarget(std::string path, std::string& target) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      target = path;
      return 0;
    }
    char link[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), link, sizeof link);
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) == sizeof link) return ENAMETOOLONG;
    const std::string named(link, static_cast<std::size_t>(n));
    path = named.starts_with('/') ? named : InFolder(FolderOf(path), named);
  }
  return ELOOP;
}

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

// What open(O_CREAT) with 0666 gives a new file. umask can only be read by
// setting it, so it is set back at once.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Rewrites the file itself, so that every hard link sees the new bytes:
// 0, or errno; truncated tells whether the old bytes were already gone.
int WriteInPlace(const std::string& target, std::string_view bytes, bool& truncated) {
  const int fd = open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return errno;
  truncated = true;
  int code = 0;
  if (!WriteAll(fd, bytes) || fsync(fd) != 0) code = errno;
  if (close(fd) != 0 && code == 0) code = errno;
  return code;
}

// The old file's owner and group on the new one: 0, or errno when they
// cannot be given (another user's file, written by someone else).
int KeepOwner(int fd, const struct stat& old) {
  struct stat now {};
  if (fstat(fd, &now) != 0) return errno;
  if (now.st_uid == old.st_uid && now.st_gid == old.st_gid) return 0;
  return fchown(fd, old.st_uid, old.st_gid) == 0 ? 0 : errno;
}

// Writes a temporary file beside target and renames it over target; old is
// the replaced file, or null for a new one: 0, or errno; owner_code: 0, or
// errno when the owner could not be kept.
int ReplaceByRename(const std::string& target, const struct stat* old, std::string_view bytes, int& owner_code) {
  TemporaryFile temporary(FolderOf(target));
  const int fd = temporary.Descriptor();
  if (fd < 0) return temporary.CreationError();
  // The owner first: a change of owner clears the setuid and setgid bits,
  // which are never carried over anyway.
  if (old != nullptr) owner_code = KeepOwner(fd, *old);
  const mode_t mode = old != nullptr ? old->st_mode & 0777 : NewFileMode();
  if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) return errno;
  if (const int code = temporary.Close()) return code;
  return temporary.RenameTo(target);
}

// Makes the rename itself durable: 0, or errno.
int SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int code = fsync(fd) == 0 ? 0 : errno;
  close(fd);
  return code;
}

}  // namespace

TemporaryFile::TemporaryFile(const std::string& folder) {
  known_to_handlers_ = TakeSignalRecord();
  // The signals wait while the file is made and recorded, so that none finds
  // it made but not yet known.
  sigset_t held;
  sigset_t before;
  sigemptyset(&held);
  for (const int s : kCleanedSignals) sigaddset(&held, s);
  pthread_sigmask(SIG_BLOCK, &held, &before);
  std::string name = InFolder(folder, ".velkar-XXXXXX");
  fd_ = mkostemp(name.data(), O_CLOEXEC);
  creation_error_ = fd_ < 0 ? errno : 0;
  if (fd_ >= 0) {
    path_ = name;
    if (known_to_handlers_) RecordPath(path_);
  }
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

TemporaryFile::~TemporaryFile() {
  if (fd_ >= 0) close(fd_);
  if (!path_.empty() && !renamed_) unlink(path_.c_str());
  if (known_to_handlers_) ReleaseSignalRecord();
}

int TemporaryFile::Close() {
  const int result = close(fd_);
  fd_ = -1;
  return result == 0 ? 0 : errno;
}

int TemporaryFile::RenameTo(const std::string& target) {
  if (rename(path_.c_str(), target.c_str()) != 0) return errno;
  renamed_ = true;
  return 0;
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  FileWriteResult result;
  const auto fail = [&](int code, const char* note = "") {
    result.error = "cannot write '" + path + "'" + note + ": " + std::strerror(code);
    return result;
  };
  std::string target;
  if (const int code = FinalTarget(path, target)) return fail(code);

  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && old.st_nlink > 1) {
    bool truncated = false;
    if (const int code = WriteInPlace(target, bytes, truncated))
      return fail(code, truncated ? " (written in place to keep its hard links, it may now be incomplete)" : "");
    result.ok = true;
    return result;
  }

  int owner_code = 0;
  if (const int code = ReplaceByRename(target, exists ? &old : nullptr, bytes, owner_code)) return fail(code);
  result.ok = true;
  if (owner_code != 0)
    result.warning = "'" + path + "' is written, but its owner (user " + std::to_string(old.st_uid) + ", group " +
                     std::to_string(old.st_gid) + ") could not be kept: " + std::strerror(owner_code);
  if (const int code = SyncFolder(FolderOf(target))) {
    if (!result.warning.empty()) result.warning += "; ";
    result.warning += "the folder of '" + path + "' could not be synced: " + std::strerror(code);
  }
  return result;
}

}  // namespace velkar::data
