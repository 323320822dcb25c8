#pragma once
// The pictures of the built-in skin for the fuzz targets that fuzz only the
// options text: the stored pack parsed once, and the same files written once
// into a temporary skin folder, so both the packed and the folder branch of
// every image notation find real bitmaps.
#include <string>

class TacSkinConvertor;

namespace BuiltInSkinFiles {

// The parsed built-in pack (its own options file is not used).
const TacSkinConvertor& Pack();
// A folder holding the built-in pack's pictures, with a trailing "/".
const std::string& Folder();

}  // namespace BuiltInSkinFiles
