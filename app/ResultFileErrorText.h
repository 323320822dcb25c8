#pragma once
// The pupil-facing text of a failure of the result file: which step failed
// and why, in Russian. The common causes (no permission, a read-only file or
// disk, a full disk, a folder of that name ...) get their own words; the
// system's own text is kept only for the rare rest.
#include <string>

enum class ResultFileStep { Open, Create, Write, Flush, Close };

class ResultFileErrorText {
 public:
  // `folder` is the absolute path of the folder the file is in, named so
  // that the teacher knows where to look (left out when unknown).
  // `undone` says whether a partly written line could be removed again;
  // when it could not, the pupil is told the file may hold a broken line.
  static std::string Describe(ResultFileStep step, const std::string& path, const std::string& folder, int error,
                              bool undone = true);

  // The cause alone ("на диске нет места"), without the step and the name.
  static std::string Cause(ResultFileStep step, int error);
};
