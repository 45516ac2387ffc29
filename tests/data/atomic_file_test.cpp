#include "data/atomic_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace velkar::data {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, with a known umask.
class AtomicFile : public ::testing::Test {
 public:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "velkar-atomic-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    old_umask_ = umask(022);
  }
  void TearDown() override {
    umask(old_umask_);
    fs::remove_all(dir_);
  }
  std::string At(const std::string& name) const { return dir_ + "/" + name; }
  void Put(const std::string& name, const std::string& bytes, mode_t mode) const {
    std::ofstream(At(name), std::ios::binary) << bytes;
    ASSERT_EQ(chmod(At(name).c_str(), mode), 0);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(At(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // "new" written to name in an empty folder, after setup.
  FileWriteResult WriteInFreshFolder(const std::function<void(AtomicFile&)>& setup, const std::string& name) {
    TearDown();
    SetUp();
    setup(*this);
    return WriteFileAtomically(At(name), "new");
  }
  // The temporary files left in the folder.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir_))
      if (entry.path().filename().string().starts_with(".velkar-")) left.push_back(entry.path().string());
    return left;
  }

  std::string dir_;
  mode_t old_umask_ = 0;
};

TEST_F(AtomicFile, WritesKeepWhatTheOldFileWas) {
  struct Case {
    const char* what;
    std::function<void(AtomicFile&)> setup;
    std::string written;                // the name given to the write
    std::vector<std::string> reads_new;  // names that then read the new bytes
    std::string file;                   // the regular file that holds them
    mode_t mode;                        // its permission bits afterwards
    std::vector<std::string> links;     // names that are still symbolic links
  };
  const std::string long_name(255, 'n');
  const std::vector<Case> cases = {
      {"new file: 0666 less the umask", [](AtomicFile&) {}, "out.txt", {"out.txt"}, "out.txt", 0644, {}},
      {"existing file keeps its mode", [](AtomicFile& t) { t.Put("out.txt", "old", 0640); }, "out.txt",
       {"out.txt"}, "out.txt", 0640, {}},
      {"setuid, setgid and sticky are dropped", [](AtomicFile& t) { t.Put("out.txt", "old", 07751); }, "out.txt",
       {"out.txt"}, "out.txt", 0751, {}},
      {"symlink stays a link, its target is written",
       [](AtomicFile& t) {
         t.Put("real.txt", "old", 0600);
         ASSERT_EQ(symlink("real.txt", t.At("link").c_str()), 0);
       },
       "link", {"link", "real.txt"}, "real.txt", 0600, {"link"}},
      {"chain of links into a subfolder, relative and absolute",
       [](AtomicFile& t) {
         fs::create_directory(t.At("sub"));
         t.Put("sub/real.txt", "old", 0600);
         ASSERT_EQ(symlink("real.txt", t.At("sub/inner").c_str()), 0);
         ASSERT_EQ(symlink(t.At("sub/inner").c_str(), t.At("outer").c_str()), 0);
       },
       "outer", {"outer", "sub/real.txt"}, "sub/real.txt", 0600, {"outer", "sub/inner"}},
      {"dangling symlink: the named file is made",
       [](AtomicFile& t) { ASSERT_EQ(symlink("made.txt", t.At("link").c_str()), 0); }, "link",
       {"link", "made.txt"}, "made.txt", 0644, {"link"}},
      {"hard-linked file keeps its links",
       [](AtomicFile& t) {
         t.Put("a.txt", "old", 0640);
         ASSERT_EQ(link(t.At("a.txt").c_str(), t.At("b.txt").c_str()), 0);
       },
       "a.txt", {"a.txt", "b.txt"}, "a.txt", 0640, {}},
      {"255-byte name", [](AtomicFile&) {}, long_name, {long_name}, long_name, 0644, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FileWriteResult r = WriteInFreshFolder(c.setup, c.written);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.warning, "");
    for (const std::string& name : c.reads_new) EXPECT_EQ(Read(name), "new") << name;
    struct stat st {};
    ASSERT_EQ(lstat(At(c.file).c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, c.mode);
    for (const std::string& name : c.links) EXPECT_TRUE(fs::is_symlink(At(name))) << name;
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
  }
}

TEST_F(AtomicFile, FailuresKeepTheOldFileAndLeaveNothing) {
  struct Case {
    const char* what;
    std::function<void(AtomicFile&)> setup;
    std::string written;
    int reason;
  };
  const std::vector<Case> cases = {
      {"target is a folder", [](AtomicFile& t) { fs::create_directory(t.At("out")); }, "out", EISDIR},
      {"folder missing", [](AtomicFile&) {}, "no/such/out.txt", ENOENT},
      {"links in a loop",
       [](AtomicFile& t) {
         ASSERT_EQ(symlink("b", t.At("a").c_str()), 0);
         ASSERT_EQ(symlink("a", t.At("b").c_str()), 0);
       },
       "a", ELOOP},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FileWriteResult r = WriteInFreshFolder(c.setup, c.written);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "cannot write '" + At(c.written) + "': " + std::strerror(c.reason));
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
  }
}

// A write that fails half-way (here at a file size limit) leaves the old
// file as it was.
TEST_F(AtomicFile, WriteCutShortKeepsTheOldFile) {
  Put("out.txt", "old", 0644);
  rlimit before {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  rlimit small = before;
  small.rlim_cur = 16;
  const auto old_handler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileWriteResult r = WriteFileAtomically(At("out.txt"), std::string(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "cannot write '" + At("out.txt") + "': " + std::strerror(EFBIG));
  EXPECT_EQ(Read("out.txt"), "old");
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

// Another user's file in a shared folder: the write goes ahead and says
// that the owner could not be kept. Only root can set up such a pair.
TEST_F(AtomicFile, OwnerThatCannotBeKeptIsAWarning) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to write as another user";
  ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
  Put("out.txt", "old", 0666);
  const std::string path = At("out.txt");
  EXPECT_EXIT(
      {
        if (setgid(65534) != 0 || setuid(65534) != 0) std::_Exit(2);
        const FileWriteResult r = WriteFileAtomically(path, "new");
        std::fputs(r.warning.c_str(), stderr);
        std::_Exit(r.ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "'.*out.txt' is written, but its owner \\(user 0, group 0\\) could not be kept");
  EXPECT_EQ(Read("out.txt"), "new");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0666));
}

// SIGINT or SIGTERM while a temporary file exists removes it and still ends
// the process; a signal the process ignores stays ignored.
TEST_F(AtomicFile, SignalsRemoveTheTemporaryFile) {
  struct Case {
    int signal;
    bool ignored;
  };
  for (const Case c : {Case{SIGTERM, false}, Case{SIGINT, false}, Case{SIGINT, true}}) {
    SCOPED_TRACE(strsignal(c.signal) + std::string(c.ignored ? ", ignored" : ""));
    const auto in_child = [&] {
      if (c.ignored) signal(c.signal, SIG_IGN);
      {
        TemporaryFile temporary(dir_);
        if (temporary.Descriptor() < 0) std::_Exit(2);
        raise(c.signal);
      }
      // Still here: the signal was ignored, and must be so again.
      std::_Exit(signal(c.signal, SIG_DFL) == SIG_IGN ? 0 : 3);
    };
    if (c.ignored) EXPECT_EXIT(in_child(), ::testing::ExitedWithCode(0), "");
    else EXPECT_EXIT(in_child(), ::testing::KilledBySignal(c.signal), "");
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace velkar::data
