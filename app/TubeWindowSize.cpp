#include "app/TubeWindowSize.h"

#include <exception>
#include <string>
#include <string_view>

#include "framework/streaming/LayoutParser.h"
#include "platform/windowing/WinStyles.h"
#include "platform/windowing/WinUser.h"
#include "resources/Resources.h"

namespace {

constexpr const char* kTubeLayout = "layouts/TForm3.lfm";

int IntegerProperty(const LayoutNode& node, std::string_view name) {
  for (const LayoutProperty& p : node.Properties)
    if (p.Name == name && p.Value.Type == LayoutValue::Kind::Integer) return static_cast<int>(p.Value.Integer);
  return 0;
}

}  // namespace

SIZE TubeWindowSize() {
  const auto bytes = FindResource(kTubeLayout);
  if (!bytes) return {};
  try {
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    const LayoutNode form = LayoutParser(kTubeLayout, text).Parse();
    const int frameX = GetSystemMetrics(SM_CXFIXEDFRAME), frameY = GetSystemMetrics(SM_CYFIXEDFRAME);
    return {IntegerProperty(form, "ClientWidth") + 2 * frameX,
            IntegerProperty(form, "ClientHeight") + 2 * frameY + GetSystemMetrics(SM_CYCAPTION)};
  } catch (const std::exception&) {
    return {};
  }
}
