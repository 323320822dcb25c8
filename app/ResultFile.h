#pragma once
// The result file "res.txt" in the current directory: one line per finished
// run, the pupil's name followed by " Всё сделал(а)!", in Windows-1251 with
// CR LF. Lines are only ever appended; the file is created when it does not
// exist yet and never truncated.
#include <stdexcept>
#include <string>
#include <string_view>

// Opening, writing or closing the result file failed; what() says which and why.
class ResultFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ResultFile {
 public:
  static constexpr std::string_view kFileName = "res.txt";
  static constexpr std::string_view kSuffix = " Всё сделал(а)!";

  explicit ResultFile(std::string path = std::string(kFileName)) : path_(std::move(path)) {}

  // The bytes of the line written for `name` (UTF-8), line break included.
  static std::string Line(std::string_view name);

  // Appends the line for `name`. Throws ResultFileError when the file cannot
  // be opened, written or closed; a file that exists but cannot be opened is
  // left as it is.
  void Append(std::string_view name) const;

 private:
  int OpenForAppending() const;
  [[noreturn]] void Fail(const char* what, int error) const;

  std::string path_;
};
