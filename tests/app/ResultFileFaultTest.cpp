// The result file when the disk says no: every step (open, create, write,
// flush, close) made to fail with the errors of a read-only folder, a
// read-only file, a full disk and a failing share. Each failure is reported
// in Russian, and the file is byte for byte what it was before: a line that
// could be written only in part is cut off again, and a file the attempt
// created is removed. Two real cases need no seam: a size limit on the
// process and a tiny file system that fills up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ResultFile.h"
#include "app/ResultFileSystem.h"
#include "tests/app/FaultyResultFileSystem.h"
#include "tests/app/ResultFileReport.h"
#include "tests/app/ScopedWorkDir.h"

namespace {

using Op = FaultyResultFileSystem::Operation;

// Two lines from earlier runs, in Windows-1251.
const std::string kEarlierRuns = ResultFile::Line("Маша") + ResultFile::Line("Петя");

// The result of one attempt: what the pupil was told, and the file after it.
struct Attempt {
  bool failed = false;
  std::string text;
  ResultFileStep step = ResultFileStep::Open;
  bool existsAfter = false;
  std::string bytesAfter;
};

Attempt TryAppend(ScopedWorkDir& dir, ResultFileSystem& files, const std::string& name) {
  Attempt attempt;
  try {
    ResultFile("res.txt", files).Append(name);
  } catch (const ResultFileError& error) {
    attempt.failed = true;
    attempt.text = error.what();
    attempt.step = error.Step();
  }
  attempt.existsAfter = std::filesystem::exists(dir.path() / "res.txt");
  attempt.bytesAfter = dir.read("res.txt");
  return attempt;
}

struct Fault {
  const char* what;
  Op operation;
  int error;
  std::size_t partialBytes;
  const char* expectedText;
};

// The faults of a real disk, each with the words the pupil reads.
const Fault kFaults[] = {
    {"read-only file", Op::OpenExisting, EACCES, 0,
     "Не удалось открыть файл результатов \"res.txt\": файл только для чтения или нет прав на запись в него"},
    {"read-only disk", Op::OpenExisting, EROFS, 0,
     "Не удалось открыть файл результатов \"res.txt\": диск или папка только для чтения"},
    {"disk full before the first byte", Op::Write, ENOSPC, 0,
     "Не удалось записать в файл результатов \"res.txt\": на диске нет места"},
    {"disk full in the middle of the line", Op::Write, ENOSPC, 7,
     "Не удалось записать в файл результатов \"res.txt\": на диске нет места"},
    {"quota exceeded after one byte", Op::Write, EDQUOT, 1,
     "Не удалось записать в файл результатов \"res.txt\": на диске нет места"},
    {"share fails on flush", Op::Flush, EIO, 0,
     "Не удалось сохранить на диск файл результатов \"res.txt\": ошибка чтения или записи диска"},
    {"disk full noticed on flush", Op::Flush, ENOSPC, 0,
     "Не удалось сохранить на диск файл результатов \"res.txt\": на диске нет места"},
    {"share fails on close", Op::Close, EIO, 0,
     "Не удалось закрыть файл результатов \"res.txt\": ошибка чтения или записи диска"},
    {"length unknown", Op::Size, EIO, 0,
     "Не удалось открыть файл результатов \"res.txt\": ошибка чтения или записи диска"},
};

TEST(ResultFileFaults, AnExistingFileIsLeftByteForByteAsItWas) {
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.what);
    ScopedWorkDir dir;
    dir.write("res.txt", kEarlierRuns);
    FaultyResultFileSystem files(fault.operation, fault.error, fault.partialBytes);
    const Attempt attempt = TryAppend(dir, files, "Вася Пупкин");
    EXPECT_TRUE(attempt.failed);
    EXPECT_EQ(attempt.text, ReportInFolder(fault.expectedText, dir.path()));
    EXPECT_EQ(attempt.bytesAfter, kEarlierRuns);
  }
}

TEST(ResultFileFaults, AFileTheAttemptCreatedIsRemovedAgain) {
  for (const Fault& fault : kFaults) {
    if (fault.operation == Op::OpenExisting) continue;  // opening a missing file is not where these fail
    SCOPED_TRACE(fault.what);
    ScopedWorkDir dir;
    FaultyResultFileSystem files(fault.operation, fault.error, fault.partialBytes);
    const Attempt attempt = TryAppend(dir, files, "Вася");
    EXPECT_TRUE(attempt.failed);
    EXPECT_EQ(attempt.text, ReportInFolder(fault.expectedText, dir.path()));
    EXPECT_FALSE(attempt.existsAfter) << "left behind: " << attempt.bytesAfter.size() << " bytes";
  }
}

TEST(ResultFileFaults, AFolderThatRefusesNewFilesIsNamedAsTheCause) {
  const std::pair<int, const char*> causes[] = {
      {EACCES, "нет прав на запись в эту папку"},
      {EROFS, "диск или папка только для чтения"},
      {ENOSPC, "на диске нет места"},
  };
  for (const auto& [error, cause] : causes) {
    ScopedWorkDir dir;
    FaultyResultFileSystem files(Op::CreateNew, error);
    const Attempt attempt = TryAppend(dir, files, "Вася");
    // The folder is named with its whole path: the teacher must find it.
    EXPECT_EQ(attempt.text, "Не удалось создать файл результатов \"res.txt\" в папке \"" + dir.path().string() + "\": " +
                                cause);
    EXPECT_EQ(attempt.step, ResultFileStep::Create);
    EXPECT_FALSE(attempt.existsAfter);
  }
}

TEST(ResultFileFaults, ALongNameThatFillsTheDiskLeavesNoPieceOfItself) {
  // Longer than every earlier line together, cut by the disk at several
  // points, including one byte short of the whole line and inside a
  // two-byte line break.
  const std::string name(5000, 'x');
  const std::size_t lineSize = ResultFile::Line(name).size();
  for (std::size_t taken : {std::size_t{1}, std::size_t{4096}, lineSize - 2, lineSize - 1}) {
    SCOPED_TRACE(taken);
    ScopedWorkDir dir;
    dir.write("res.txt", kEarlierRuns);
    FaultyResultFileSystem files(Op::Write, ENOSPC, taken);
    const Attempt attempt = TryAppend(dir, files, name);
    EXPECT_TRUE(attempt.failed);
    EXPECT_EQ(attempt.bytesAfter, kEarlierRuns);
  }
}

TEST(ResultFileFaults, AnUndoThatFailsTooIsConfessed) {
  // The disk takes half the line and then refuses to cut it off again: the
  // pupil is told the file may hold a broken line rather than nothing.
  ScopedWorkDir dir;
  dir.write("res.txt", kEarlierRuns);
  FaultyResultFileSystem files(Op::Write, EIO, 5);
  files.AlsoFail(Op::Truncate);
  const Attempt attempt = TryAppend(dir, files, "Вася");
  EXPECT_EQ(attempt.text, ReportInFolder("Не удалось записать в файл результатов \"res.txt\": ошибка чтения или записи "
                                          "диска. Часть строки могла остаться в файле",
                                          dir.path()));

  // A close that fails, and the cut by name after it: the same confession.
  ScopedWorkDir other;
  other.write("res.txt", kEarlierRuns);
  FaultyResultFileSystem closing(Op::Close, EIO);
  closing.AlsoFail(Op::TruncatePath);
  EXPECT_NE(TryAppend(other, closing, "Вася").text.find("Часть строки могла остаться"), std::string::npos);
}

TEST(ResultFileFaults, AnInterruptedWriteIsRetriedAndTheLineWritten) {
  ScopedWorkDir dir;
  dir.write("res.txt", kEarlierRuns);
  // EINTR from the first write, then everything goes through.
  struct Interrupting : FaultyResultFileSystem {
    Interrupting() : FaultyResultFileSystem(Op::None, 0) {}
    ssize_t Write(int fd, const char* data, std::size_t size) override {
      if (!interrupted) {
        interrupted = true;
        errno = EINTR;
        return -1;
      }
      return FaultyResultFileSystem::Write(fd, data, size);
    }
    bool interrupted = false;
  } files;
  const Attempt attempt = TryAppend(dir, files, "Вася");
  EXPECT_FALSE(attempt.failed) << attempt.text;
  EXPECT_EQ(attempt.bytesAfter, kEarlierRuns + ResultFile::Line("Вася"));
}

TEST(ResultFileFaults, ASizeLimitOnTheProcessCutsTheLineAndTheCutIsUndone) {
  // A real short write without any seam: the file-size limit lets the
  // system take the bytes up to the limit and refuse the rest.
  ScopedWorkDir dir;
  dir.write("res.txt", kEarlierRuns);
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = kEarlierRuns.size() + 10;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const Attempt attempt = TryAppend(dir, ResultFileSystem::Real(), std::string(100, 'y'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(attempt.text,
            ReportInFolder("Не удалось записать в файл результатов \"res.txt\": файл слишком большой", dir.path()));
  EXPECT_EQ(attempt.bytesAfter, kEarlierRuns);
}

// A tiny file system of its own, where the machine lets the test mount one.
class TinyFileSystem {
 public:
  explicit TinyFileSystem(const std::filesystem::path& where) : where_(where) {
    std::filesystem::create_directory(where_);
    mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=16k") == 0;
  }
  ~TinyFileSystem() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }

 private:
  std::filesystem::path where_;
  bool mounted_ = false;
};

TEST(ResultFileFaults, ARealFullDiskKeepsTheEarlierLines) {
  ScopedWorkDir dir;
  TinyFileSystem disk(dir.path() / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "this machine does not let the test mount a small file system";
  const std::filesystem::path file = dir.path() / "disk" / "res.txt";
  { std::ofstream(file, std::ios::binary) << kEarlierRuns; }
  {
    // Fill what is left, so only a few bytes stay free.
    std::ofstream filler(dir.path() / "disk" / "filler", std::ios::binary);
    const std::string block(512, 'f');
    while (filler.write(block.data(), block.size())) filler.flush();
  }
  bool failed = false;
  std::string text;
  try {
    ResultFile(file.string()).Append(std::string(6000, 'z'));
  } catch (const ResultFileError& error) {
    failed = true;
    text = error.what();
  }
  std::ifstream in(file, std::ios::binary);
  const std::string after{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_TRUE(failed);
  EXPECT_NE(text.find("на диске нет места"), std::string::npos) << text;
  EXPECT_EQ(after, kEarlierRuns);
}

}  // namespace
