#pragma once
// skinpack preview SKIN OUT.png: loads a skin (pack file or unpacked folder)
// and writes the sheet of every section painted by the engine.
#include <string>

namespace SkinPreviewCommand {

// 0 when the sheet was written; 1 with a message on stderr when the skin
// cannot be read or the file cannot be written.
int Run(const std::string& packOrFolder, const std::string& pngPath);

}  // namespace SkinPreviewCommand
