#pragma once
// The result file "res.txt" in the current directory: one line per finished
// run, the pupil's name followed by " Всё сделал(а)!", in Windows-1251 with
// CR LF. Lines are only ever appended; the file is created when it does not
// exist yet and never truncated. An attempt that fails leaves the file as it
// was: a line that could only be written in part is cut off again.
#include <sys/types.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "app/ResultFileErrorText.h"

class ResultFileSystem;

// Opening, writing or closing the result file failed; what() says which and
// why, in words for the pupil.
class ResultFileError : public std::runtime_error {
 public:
  ResultFileError(const std::string& text, ResultFileStep step, int error)
      : std::runtime_error(text), step_(step), error_(error) {}
  ResultFileStep Step() const { return step_; }
  int Error() const { return error_; }

 private:
  ResultFileStep step_;
  int error_;
};

class ResultFile {
 public:
  static constexpr std::string_view kFileName = "res.txt";
  static constexpr std::string_view kSuffix = " Всё сделал(а)!";

  explicit ResultFile(std::string path = std::string(kFileName));
  ResultFile(std::string path, ResultFileSystem& files);

  // The bytes of the line written for `name` (UTF-8), line break included.
  static std::string Line(std::string_view name);

  // Appends the line for `name`. Throws ResultFileError when the file cannot
  // be opened, written, flushed or closed; the file then holds the bytes it
  // held before (a missing file stays missing).
  void Append(std::string_view name) const;

 private:
  int Open(bool& created) const;
  // Writes and flushes; on failure answers the step that failed and sets errno.
  bool WriteAll(int fd, const std::string& bytes, ResultFileStep& failed) const;
  // Puts the file back to `length` bytes (or removes it when this attempt
  // created it); answers whether that worked.
  bool UndoOpen(int fd, off_t length, bool created) const;
  bool UndoClosed(off_t length, bool created) const;
  [[noreturn]] void Fail(ResultFileStep step, int error, bool undone = true) const;
  // The absolute path of the folder holding the file, for the error report;
  // empty when the current folder is gone.
  std::string Folder() const;

  std::string path_;
  ResultFileSystem* files_;
};
