#include "tools/skinart/MasterAssembler.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "tools/skinart/MasterLayout.h"

namespace MasterAssembler {

Result<AssembledMaster> assemble(const std::vector<MasterPiece>& pieces, int width) {
  MasterLayout layout(width);
  std::vector<TRect> places(pieces.size());

  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const MasterPiece& p = pieces[i];
    if (!p.pinned) continue;
    if (p.pinned->Width() != p.pixels.width() || p.pinned->Height() != p.pixels.height())
      return Error{p.key + ": drawn size does not match its pinned rectangle"};
    if (!layout.pin(p.key, *p.pinned)) return Error{p.key + ": pinned rectangle overlaps another or leaves the bitmap"};
    places[i] = *p.pinned;
  }

  // Tallest first packs the rows of the layout tightly.
  std::vector<std::size_t> order(pieces.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return pieces[a].pixels.height() > pieces[b].pixels.height();
  });
  for (std::size_t i : order) {
    const MasterPiece& p = pieces[i];
    if (p.pinned) continue;
    places[i] = layout.place(p.key, p.pixels.width(), p.pixels.height());
    if (places[i].IsEmpty()) return Error{p.key + ": does not fit the master bitmap's width"};
  }

  AssembledMaster out;
  out.master = Bitmap(width, layout.height());
  out.master.fill(0xFF00FF);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const MasterPiece& p = pieces[i];
    const TRect& r = places[i];
    for (int y = 0; y < r.Height(); ++y)
      std::memcpy(out.master.row(r.Top + y) + 3 * r.Left, p.pixels.row(y), 3 * static_cast<std::size_t>(r.Width()));
    if (!MaskNotation::fitsColumns(r)) return Error{p.key + ": rectangle does not fit the notation's columns"};
    if (!out.entries.emplace(p.key, p.notation(r)).second) return Error{p.key + ": drawn twice"};
  }
  return out;
}

}  // namespace MasterAssembler
