#pragma once
// Loads a skin (a pack file or an unpacked folder) with the real loaders and
// lists every problem found: unreadable packs and images, malformed numbers,
// sections the program needs but the skin lacks, masks outside their
// bitmaps, PARENTCLASS chains that loop or lead nowhere.
#include <string>
#include <vector>

class TacIniFile;
class TsSkinContent;

class SkinChecker {
 public:
  // Checks `path`; answers the problems (empty when the skin is sound).
  std::vector<std::string> Check(const std::string& path);
  // Remarks that are not problems (sections the engine can do without).
  const std::vector<std::string>& Remarks() const { return remarks_; }

 private:
  void CheckNumbers(const TacIniFile& ini);
  void CheckSections(const TacIniFile& ini);
  void CheckParents(const TacIniFile& ini);
  void CheckMasks(const TsSkinContent& content);
  void Problem(std::string text) { problems_.push_back(std::move(text)); }

  std::vector<std::string> problems_;
  std::vector<std::string> remarks_;
};
