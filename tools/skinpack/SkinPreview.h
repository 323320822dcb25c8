#pragma once
// A sheet that shows a whole skin as the engine paints it: one row per
// section with the section painted in states 0, 1 and 2 over a checker (so
// transparency and cut corners show), the caption of button-like sections
// in their font colours and contour, and a block with the images of
// GLOBALINFO (title buttons, check marks, grip), the glyph masks of the
// sections (scroll arrows, slider grips) and the corner images.
//
// The layout is computed on construction; Render paints it. The rows and
// image cells are public so that callers can find a section on the sheet.
//
// The sheet stays bounded whatever the skin holds: labels are cut to a few
// dozen characters, a cell to kMaxCell, and rows or frames that would go
// past kMaxSheetWidth x kMaxSheetHeight are left out (and counted).
#include <string>
#include <vector>

#include "paint/TsSkinContent.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

class DeviceContext;

class SkinPreview {
 public:
  static constexpr int kStates = 3;  // normal, hot, pressed
  static constexpr int kCheckerSize = 8;
  static constexpr int kFramePad = 4;  // checker shown around an image frame
  static constexpr TColor kCheckerLight = 0xCCCCCC;
  static constexpr TColor kCheckerDark = 0x999999;
  static constexpr TColor kPaper = clWhite;  // behind labels and headings
  static constexpr std::size_t kMaxLabelBytes = 48;
  static constexpr int kMaxLabelWidth = 360;
  static constexpr int kMaxCell = 1024;
  static constexpr int kMaxSheetWidth = 4096;
  static constexpr int kMaxSheetHeight = 16384;

  struct SectionRow {
    int SkinIndex = -1;
    std::string Name;  // as the skin holds it; the label shows ShortLabel(Name)
    TRect Label;
    TRect Cells[kStates];  // sheet rectangles of states 0, 1, 2
  };
  struct ImageRow {
    int MaskIndex = -1;
    std::string Name;  // "SECTION PROPERTY"
    TRect Label;
    std::vector<TRect> Frames;  // one per state frame: the image inset by kFramePad over a checker
  };

  // The skin is borrowed and must outlive the preview.
  explicit SkinPreview(const TsSkinContent& skin);

  const std::vector<SectionRow>& Sections() const { return sections_; }
  const std::vector<ImageRow>& Images() const { return images_; }
  TSize SheetSize() const { return sheet_; }
  // Section rows, image rows and image frames that did not fit on the sheet.
  std::size_t LeftOut() const { return leftOut_; }

  // `name` cut to kMaxLabelBytes (at a character boundary) with an ellipsis.
  static std::string ShortLabel(const std::string& name);

  Bitmap Render() const;

 private:
  void LayOutSections(DeviceContext& measure);
  void LayOutImages(DeviceContext& measure);
  void PaintSection(Bitmap& sheet, DeviceContext& dc, const SectionRow& row) const;
  void PaintImage(Bitmap& sheet, DeviceContext& dc, const ImageRow& row) const;

  const TsSkinContent& skin_;
  std::vector<SectionRow> sections_;
  std::vector<ImageRow> images_;
  TRect stateHeadings_[kStates];
  TRect imageHeading_;
  int labelWidth_ = 0;
  TSize sheet_;
  std::size_t leftOut_ = 0;
};
