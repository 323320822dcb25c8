// The result file on its own: the Windows-1251 bytes of a line, creating the
// file only when it is missing, appending after earlier runs, and refusing
// to touch a file it cannot open.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ResultFile.h"
#include "app/Windows1251Encoder.h"
#include "tests/app/ResultFileReport.h"
#include "tests/app/ScopedWorkDir.h"

namespace {

// " Всё сделал(а)!" in Windows-1251, written out byte by byte.
const std::string kSuffix1251 = " \xC2\xF1\xB8 \xF1\xE4\xE5\xEB\xE0\xEB(\xE0)!";

TEST(Windows1251Encoder, CyrillicAsciiAndCharactersTheCodePageLacks) {
  Windows1251Encoder encoder;
  EXPECT_EQ(encoder.Encode("Иван Ёжиков"), "\xC8\xE2\xE0\xED \xA8\xE6\xE8\xEA\xEE\xE2");
  EXPECT_EQ(encoder.Encode("Ann-Marie 2"), "Ann-Marie 2");
  EXPECT_EQ(encoder.Encode("№ «»—€"), "\xB9 \xAB\xBB\x97\x88");
  // One "?" per character the code page cannot hold, whatever its length in UTF-8.
  EXPECT_EQ(encoder.Encode("李a😀б"), "?a?\xE1");
  // Broken UTF-8: a lone continuation byte and a cut-off two-byte letter.
  EXPECT_EQ(encoder.Encode("a\x80z\xD0"), "a?z?");
  EXPECT_EQ(encoder.Encode(""), "");
}

TEST(ResultFile, TheLineIsTheNameTheSuffixAndCrLf) {
  EXPECT_EQ(ResultFile::Line("Петя"), "\xCF\xE5\xF2\xFF" + kSuffix1251 + "\r\n");
  EXPECT_EQ(ResultFile::Line(""), kSuffix1251 + "\r\n") << "an empty name keeps the leading space";
  EXPECT_EQ(ResultFile::Line("  a b "), "  a b " + kSuffix1251 + "\r\n") << "no trimming";
}

TEST(ResultFile, CreatesAMissingFileAndAppendsAfterEarlierRuns) {
  ScopedWorkDir dir;
  ResultFile file;
  file.Append("Аня");
  EXPECT_EQ(dir.read("res.txt"), "\xC0\xED\xFF" + kSuffix1251 + "\r\n");
  file.Append("Bob");
  EXPECT_EQ(dir.read("res.txt"), "\xC0\xED\xFF" + kSuffix1251 + "\r\nBob" + kSuffix1251 + "\r\n");

  // A file from elsewhere without a final line break is continued, not rewritten.
  dir.write("res.txt", "old");
  file.Append("x");
  EXPECT_EQ(dir.read("res.txt"), "oldx" + kSuffix1251 + "\r\n");
}

TEST(ResultFile, AnExistingFileThatCannotBeOpenedIsReportedAndLeftAlone) {
  // A directory of that name: opening it for writing fails, and it must
  // neither be replaced nor turned into a fresh empty file.
  ScopedWorkDir dir;
  std::filesystem::create_directory(dir.path() / "res.txt");
  std::filesystem::path inside = dir.path() / "res.txt" / "keep";
  std::ofstream(inside) << "x";
  try {
    ResultFile().Append("Вася");
    ADD_FAILURE() << "no error";
  } catch (const ResultFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              ReportInFolder("Не удалось открыть файл результатов \"res.txt\": это папка, а не файл", dir.path()));
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "res.txt"));
  EXPECT_TRUE(std::filesystem::exists(inside));
}

TEST(ResultFile, AReadOnlyFileIsReportedNotRecreated) {
  ScopedWorkDir dir;
  dir.write("res.txt", "Первый\r\n");
  ASSERT_EQ(chmod((dir.path() / "res.txt").c_str(), 0444), 0);
  if (access((dir.path() / "res.txt").c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write read-only files";
  EXPECT_THROW(ResultFile().Append("Вася"), ResultFileError);
  EXPECT_EQ(dir.read("res.txt"), "Первый\r\n") << "not truncated, not recreated";
}

TEST(ResultFile, AMissingFileThatCannotBeCreatedIsReported) {
  ScopedWorkDir dir;
  try {
    ResultFile("no-such-folder/res.txt").Append("Вася");
    ADD_FAILURE() << "no error";
  } catch (const ResultFileError& error) {
    // The folder named is where the file was to be, though it does not exist.
    EXPECT_EQ(std::string(error.what()), "Не удалось создать файл результатов \"no-such-folder/res.txt\" в папке \"" +
                                             (dir.path() / "no-such-folder").string() +
                                             "\": папка, в которой он должен лежать, не найдена");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));
}

// The permissions a new file gets under a umask, in a folder of a mode.
mode_t NewFileMode(mode_t folderMode, mode_t mask) {
  ScopedWorkDir dir;
  chmod(dir.path().c_str(), folderMode);
  const mode_t saved = umask(mask);
  ResultFile().Append("Вася");
  umask(saved);
  struct stat info {};
  if (stat((dir.path() / "res.txt").c_str(), &info) != 0) return 0;
  return info.st_mode & 07777;
}

TEST(ResultFile, ANewFileInAFolderOfTheClassIsWritableByTheWholeClass) {
  // A class's shared folder (group-writable, group kept for new files):
  // the next pupil of the group must be able to append.
  EXPECT_EQ(NewFileMode(02775, 022), 0664);
  EXPECT_EQ(NewFileMode(0770, 027), 0660);
  // A pupil's own folder: the umask has its way.
  EXPECT_EQ(NewFileMode(0755, 022), 0644);
  EXPECT_EQ(NewFileMode(0755, 002), 0664);
  // A umask that hides files from the group keeps them hidden, shared folder or not.
  EXPECT_EQ(NewFileMode(02775, 077), 0600);
  // Others get no more than the umask gives them.
  EXPECT_EQ(NewFileMode(02777, 022), 0664);
  EXPECT_EQ(NewFileMode(02777, 002), 0664);

  // The file named with its folder, relative or absolute: that folder counts.
  ScopedWorkDir dir;
  std::filesystem::create_directory(dir.path() / "class");
  chmod((dir.path() / "class").c_str(), 02775);
  const mode_t saved = umask(022);
  ResultFile("class/res.txt").Append("Вася");
  ResultFile((dir.path() / "class" / "abs.txt").string()).Append("Петя");
  umask(saved);
  struct stat relative {}, absolute {};
  ASSERT_EQ(stat((dir.path() / "class" / "res.txt").c_str(), &relative), 0);
  ASSERT_EQ(stat((dir.path() / "class" / "abs.txt").c_str(), &absolute), 0);
  EXPECT_EQ(relative.st_mode & 07777, 0664u);
  EXPECT_EQ(absolute.st_mode & 07777, 0664u);
}

TEST(ResultFile, ReportsNameTheFolderAbsolutelyOrNotAtAllWhenItIsGone) {
  ScopedWorkDir dir;
  // An absolute file name: its own folder.
  std::filesystem::create_directory(dir.path() / "sub");
  std::filesystem::create_directory(dir.path() / "sub" / "res.txt");
  try {
    ResultFile((dir.path() / "sub" / "res.txt").string()).Append("Вася");
    ADD_FAILURE() << "no error";
  } catch (const ResultFileError& error) {
    EXPECT_NE(std::string(error.what()).find(" в папке \"" + (dir.path() / "sub").string() + "\": "), std::string::npos)
        << error.what();
  }
  // The current folder removed under the program: nothing to name, and the
  // cause says so.
  std::filesystem::create_directory(dir.path() / "gone");
  std::filesystem::current_path(dir.path() / "gone");
  std::filesystem::remove(dir.path() / "gone");
  try {
    ResultFile().Append("Вася");
    ADD_FAILURE() << "no error";
  } catch (const ResultFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Не удалось создать файл результатов \"res.txt\": папка, в которой он должен лежать, не найдена");
  }
}

}  // namespace
