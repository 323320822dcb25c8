#pragma once
// Opens fonts for CreateFontIndirect: resolves face names through
// fontconfig, keeps the FreeType library, and hands out one shared Font per
// distinct request. One per process, used on the user-interface thread.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/Font.h"
#include "platform/graphics/LogFont.h"

struct FT_LibraryRec_;

class FontLibrary {
 public:
  static FontLibrary& instance();
  ~FontLibrary();

  // The shared font for the request; null when no font file can be opened.
  std::shared_ptr<Font> create(const LogFont& request);

  // The font file chosen for a request.
  struct FaceFile {
    std::string path;
    int index = 0;
    std::string family;
    bool bold = false;
    bool italic = false;
  };
  std::optional<FaceFile> resolve(const LogFont& request) const;

 private:
  FontLibrary();
  std::shared_ptr<FT_LibraryRec_> freetype_;
  std::vector<std::pair<LogFont, std::shared_ptr<Font>>> fonts_;
};
