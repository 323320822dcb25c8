#include "tools/skinpack/SkinPreview.h"

#include <algorithm>

#include "paint/CacheInfo.h"
#include "paint/MaskGeometry.h"
#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/SkinTextPainter.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextDrawing.h"
#include "tools/skinpack/PreviewCellRules.h"

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 8;         // between cells and rows
constexpr int kFrameGap = 4;    // between the frames of one image
constexpr int kLineHeight = 18;  // one line of label text
constexpr TColor kInk = 0x202020;
constexpr TColor kOutline = 0xE0E0E0;
constexpr const char* kStateNames[SkinPreview::kStates] = {"0 normal", "1 hot", "2 pressed"};
constexpr const char* kImageHeading = "Images: GLOBALINFO, glyphs and corner images (every state frame)";
constexpr unsigned kLabelFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

int TextWidth(DeviceContext& dc, const std::string& text) {
  TSize size;
  GetTextExtentPoint32(&dc, text, &size);
  return size.cx;
}

// Squares aligned to the sheet, so that neighbouring cells continue the
// same pattern and a pixel's colour depends on its sheet position alone.
void PaintChecker(Bitmap& sheet, const TRect& rect) {
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    std::uint8_t* p = sheet.row(y) + rect.Left * 3;
    for (int x = rect.Left; x < rect.Right; ++x, p += 3) {
      const bool light = ((x / SkinPreview::kCheckerSize) + (y / SkinPreview::kCheckerSize)) % 2 == 0;
      const TColor c = light ? SkinPreview::kCheckerLight : SkinPreview::kCheckerDark;
      p[0] = static_cast<std::uint8_t>(c >> 16);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c);
    }
  }
}

// A hairline just outside a cell, so that a section painted in the paper's
// own colour still shows where it lies.
void OutlineCell(Bitmap& sheet, const TRect& cell) {
  FillBorderStrips(sheet, Rect(cell.Left - 1, cell.Top - 1, cell.Right + 1, cell.Bottom + 1), 1, 1, 1, 1, kOutline);
}

void DrawLabel(DeviceContext& dc, const std::string& text, TRect rect) {
  SetTextColor(&dc, kInk);
  DrawText(&dc, text, rect, kLabelFormat);
}

// Only masks whose rectangle lies inside their picture are measured and
// shown: a broken rectangle must not size a cell (or the sheet) after it.
bool FitsItsPicture(const TsMaskData& mask, const Bitmap* master) {
  const Bitmap* picture = MaskPicture(mask, master);
  return picture != nullptr && !mask.R.IsEmpty() && RectInsideBitmap(mask.R, *picture);
}

// The sheet's masks shown in the image block: everything GLOBALINFO holds,
// the glyphs that controls draw over their sections (scroll arrows, slider
// grips) and every corner image of a section.
bool IsShownImage(const TsMaskData& mask, const Bitmap* master) {
  if (!FitsItsPicture(mask, master)) return false;
  const TSize frame = MaskFrameSize(mask);
  if (frame.cx <= 0 || frame.cy <= 0) return false;  // more frames than columns
  return mask.SectionName == "GLOBALINFO" || mask.PropertyName == "GLYPHMASK" ||
         mask.PropertyName.rfind("IMG", 0) == 0;
}

}  // namespace

std::string SkinPreview::ShortLabel(const std::string& name) {
  if (name.size() <= kMaxLabelBytes) return name;
  std::size_t cut = kMaxLabelBytes;
  // Never split a UTF-8 sequence: step back over continuation bytes.
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut) + "…";
}

SkinPreview::SkinPreview(const TsSkinContent& skin) : skin_(skin) {
  Bitmap scratch(1, 1);
  DeviceContext measure(scratch);
  // Names come from the options file and may be of any length: measure
  // only what the label can show, and never let one name widen the sheet
  // past a readable column.
  labelWidth_ = 0;
  for (const TsGeneralData& s : skin_.Sections)
    labelWidth_ = std::max(labelWidth_, TextWidth(measure, ShortLabel(s.SectionName)));
  for (const TsMaskData& m : skin_.Masks) {
    if (IsShownImage(m, skin_.MasterBitmap.get()))
      labelWidth_ = std::max(labelWidth_, TextWidth(measure, ShortLabel(m.SectionName + " " + m.PropertyName)));
  }
  labelWidth_ = std::min(labelWidth_, kMaxLabelWidth) + kGap;
  LayOutSections(measure);
  LayOutImages(measure);
}

void SkinPreview::LayOutSections(DeviceContext& measure) {
  std::vector<TSize> sizes;
  int columnWidth = 0;
  for (const TsGeneralData& s : skin_.Sections) {
    const int index = skin_.GetSkinIndex(s.SectionName);
    const int border = skin_.GetMaskIndex(index, s.SectionName, "BORDERSMASK");
    TSize frame;
    if (skin_.IsValidImgIndex(border)) {
      const TsMaskData& mask = skin_.Masks[static_cast<std::size_t>(border)];
      if (FitsItsPicture(mask, skin_.MasterBitmap.get())) frame = MaskFrameSize(mask);
    }
    const TSize size = PreviewCellRules::CellSize(s.SectionName, frame);
    sizes.push_back({std::min(size.cx, kMaxCell), std::min(size.cy, kMaxCell)});
    columnWidth = std::max(columnWidth, sizes.back().cx);
  }
  for (const char* name : kStateNames) columnWidth = std::max(columnWidth, TextWidth(measure, name));

  const int firstColumn = kMargin + labelWidth_;
  for (int state = 0; state < kStates; ++state) {
    const int left = firstColumn + state * (columnWidth + kGap);
    stateHeadings_[state] = Rect(left, kMargin, left + columnWidth, kMargin + kLineHeight);
  }
  int y = kMargin + kLineHeight + kGap;
  for (std::size_t i = 0; i < skin_.Sections.size(); ++i) {
    // Room is kept below for the image block's heading.
    if (y + std::max(sizes[i].cy, kLineHeight) + 2 * kGap + kLineHeight + kMargin > kMaxSheetHeight) {
      leftOut_ += skin_.Sections.size() - i;
      break;
    }
    SectionRow row;
    row.Name = skin_.Sections[i].SectionName;
    // Painting goes by name, as the controls do: a repeated name paints its first section.
    row.SkinIndex = skin_.GetSkinIndex(row.Name);
    const TSize size = sizes[i];
    row.Label = Rect(kMargin, y, kMargin + labelWidth_, y + std::max(size.cy, kLineHeight));
    for (int state = 0; state < kStates; ++state) {
      const int left = stateHeadings_[state].Left;
      row.Cells[state] = Rect(left, y, left + size.cx, y + size.cy);
    }
    y = row.Label.Bottom + kGap;
    sections_.push_back(std::move(row));
  }
  sheet_ = {firstColumn + kStates * (columnWidth + kGap) - kGap + kMargin, y};
}

void SkinPreview::LayOutImages(DeviceContext& measure) {
  int y = sheet_.cy + kGap;
  imageHeading_ = Rect(kMargin, y, kMargin + TextWidth(measure, kImageHeading), y + kLineHeight);
  sheet_.cx = std::max(sheet_.cx, imageHeading_.Right + kMargin);
  y = imageHeading_.Bottom + kGap;
  for (std::size_t i = 0; i < skin_.Masks.size(); ++i) {
    const TsMaskData& mask = skin_.Masks[i];
    if (!IsShownImage(mask, skin_.MasterBitmap.get())) continue;
    ImageRow row;
    row.MaskIndex = static_cast<int>(i);
    row.Name = mask.SectionName + " " + mask.PropertyName;
    const TSize whole = MaskFrameSize(mask);
    const TSize frame = {std::min(whole.cx, kMaxCell), std::min(whole.cy, kMaxCell)};
    const int frames = std::max<int>(1, mask.ImageCount);
    const int height = std::max(frame.cy + 2 * kFramePad, kLineHeight);
    if (y + height + kMargin > kMaxSheetHeight) {
      ++leftOut_;
      continue;
    }
    row.Label = Rect(kMargin, y, kMargin + labelWidth_, y + height);
    int x = row.Label.Right;
    for (int f = 0; f < frames; ++f) {
      if (x + frame.cx + 2 * kFramePad + kMargin > kMaxSheetWidth) {
        leftOut_ += static_cast<std::size_t>(frames - f);
        break;
      }
      row.Frames.push_back(Rect(x, y, x + frame.cx + 2 * kFramePad, y + frame.cy + 2 * kFramePad));
      x = row.Frames.back().Right + kFrameGap;
    }
    sheet_.cx = std::max(sheet_.cx, x - kFrameGap + kMargin);
    y += height + kGap;
    images_.push_back(std::move(row));
  }
  sheet_.cy = y + kMargin - kGap;
}

Bitmap SkinPreview::Render() const {
  Bitmap sheet(sheet_.cx, sheet_.cy);
  sheet.fill(kPaper);
  DeviceContext dc(sheet);
  SetBkMode(&dc, TRANSPARENT);
  for (int state = 0; state < kStates; ++state) DrawLabel(dc, kStateNames[state], stateHeadings_[state]);
  for (const SectionRow& row : sections_) PaintSection(sheet, dc, row);
  DrawLabel(dc, kImageHeading, imageHeading_);
  for (const ImageRow& row : images_) PaintImage(sheet, dc, row);
  return sheet;
}

void SkinPreview::PaintSection(Bitmap& sheet, DeviceContext& dc, const SectionRow& row) const {
  DrawLabel(dc, ShortLabel(row.Name), row.Label);
  const int texture = skin_.GetTextureIndex(row.SkinIndex, row.Name, "PATTERN");
  const int hotTexture = skin_.GetTextureIndex(row.SkinIndex, row.Name, "HOTPATTERN");
  const bool caption = PreviewCellRules::ShowsCaption(row.Name);
  for (int state = 0; state < kStates; ++state) {
    const TRect& cell = row.Cells[state];
    OutlineCell(sheet, cell);
    PaintChecker(sheet, cell);
    // Painted like a control: into a cache bitmap of its own, with the sheet
    // as the parent picture under it, then copied onto the sheet.
    Bitmap cache(cell.Width(), cell.Height());
    const TRect local = Rect(0, 0, cell.Width(), cell.Height());
    PaintItem(row.SkinIndex, row.Name, MakeCacheInfo(&sheet), hotTexture, texture, &skin_, &cache,
              Point(cell.Left, cell.Top), local, state, true);
    if (caption) {
      DeviceContext cacheDc(cache);
      WriteTextByIndex(&cacheDc, "Текст", true, &skin_, state != 0, row.SkinIndex,
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE, local);
    }
    CopyBitmapRect(sheet, Point(cell.Left, cell.Top), cache, local);
  }
}

void SkinPreview::PaintImage(Bitmap& sheet, DeviceContext& dc, const ImageRow& row) const {
  DrawLabel(dc, ShortLabel(row.Name), row.Label);
  const TsMaskData& mask = skin_.Masks[static_cast<std::size_t>(row.MaskIndex)];
  for (std::size_t f = 0; f < row.Frames.size(); ++f) {
    const TRect& cell = row.Frames[f];
    PaintChecker(sheet, cell);
    // Key-colour pixels take the sheet's own pixels: the checker shows.
    DrawMaskImage(sheet, Point(cell.Left + kFramePad, cell.Top + kFramePad), static_cast<int>(f),
                  MakeCacheInfo(&sheet), mask, 1, skin_.MasterBitmap.get());
  }
}
