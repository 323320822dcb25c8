#include <gtest/gtest.h>

#include "framework/TComponent.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TJPEGImage.h"
#include "framework/graphics/TPicture.h"
#include "framework/streaming/LayoutError.h"
#include "framework/streaming/LayoutReader.h"
#include "framework/streaming/TClassRegistry.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"

namespace {

// A 4 x 3 test picture: red left half, blue right half, green bottom-left pixel.
Bitmap Sample() {
  Bitmap b(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) b.setPixel(x, y, x < 2 ? clRed : clBlue);
  b.setPixel(0, 2, clLime);
  return b;
}

TEST(Font, StyleAndHeightBecomeTheDrawingRequest) {
  TFont font;
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);  // 11 pixels at 96 dpi
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetStyle(fsBold | fsUnderline);
  font.SetStyle(fsBold | fsUnderline);  // unchanged: no event
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetName("Tahoma");
  font.SetName("");  // an empty face name is ignored
  EXPECT_EQ(changes, 3);
  LogFont request = font.ToLogFont();
  EXPECT_EQ(request.lfHeight, -13);
  EXPECT_TRUE(request.bold());
  EXPECT_TRUE(request.lfUnderline);
  EXPECT_FALSE(request.lfItalic);
  EXPECT_EQ(request.lfFaceName, "Tahoma");

  TFont copy;
  copy.Assign(font);
  EXPECT_TRUE(copy == font);
  font.SetColor(clRed);
  EXPECT_FALSE(copy == font);
}

TEST(Bitmap, ReadsBmpFilesIntoTwentyFourBits) {
  TBitmap bitmap;
  std::vector<std::uint8_t> file = BmpCodec::encode(Sample());
  ASSERT_TRUE(bitmap.LoadFromBytes(file));
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.Pixels().format(), PixelFormat::Bgr24);
  EXPECT_EQ(bitmap.Pixels().pixel(3, 0), clBlue);
  EXPECT_EQ(bitmap.TransparentColor(), clLime);  // bottom-left pixel
  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);

  file[0] = 'X';
  EXPECT_FALSE(bitmap.LoadFromBytes(file));
  EXPECT_EQ(bitmap.Width(), 4);  // unchanged after a failed load

  Bitmap wide(2, 1, PixelFormat::Bgrx32);
  wide.setPixel(1, 0, clYellow);
  bitmap.SetPixels(wide);
  EXPECT_EQ(bitmap.Pixels().format(), PixelFormat::Bgr24);
  EXPECT_EQ(bitmap.Pixels().pixel(1, 0), clYellow);
}

TEST(Bitmap, DrawsOpaqueOrWithoutItsTransparentColour) {
  TBitmap source;
  source.SetPixels(Sample());
  TBitmap target(4, 3);
  target.Canvas().Brush.SetColor(clWhite);
  target.Canvas().FillRect(Rect(0, 0, 4, 3));
  EXPECT_EQ(target.Pixels().pixel(2, 2), clWhite);

  source.SetTransparent(true);
  source.SetTransparentColor(clRed);
  target.Canvas().Draw(0, 0, source);
  EXPECT_EQ(target.Pixels().pixel(1, 0), clWhite);  // red was left out
  EXPECT_EQ(target.Pixels().pixel(0, 2), clLime);
  EXPECT_EQ(target.Pixels().pixel(3, 1), clBlue);

  source.SetTransparent(false);
  target.Canvas().StretchDraw(Rect(0, 0, 2, 3), source);  // squeezed to half width
  EXPECT_EQ(target.Pixels().pixel(0, 0), clRed);
  EXPECT_EQ(target.Pixels().pixel(1, 0), clBlue);
  EXPECT_EQ(target.Pixels().pixel(3, 0), clBlue);
}

TEST(Canvas, ShapesUseTheCurrentPenAndBrush) {
  TBitmap target(10, 10);
  TCanvas& canvas = target.Canvas();
  canvas.Brush.SetColor(clWhite);
  canvas.FillRect(Rect(0, 0, 10, 10));
  canvas.Brush.SetColor(clYellow);
  canvas.Pen.SetColor(clNavy);
  canvas.Ellipse(Rect(0, 0, 10, 10));
  EXPECT_EQ(target.Pixels().pixel(5, 5), clYellow);
  EXPECT_EQ(target.Pixels().pixel(0, 0), clWhite);  // outside the ellipse
  EXPECT_EQ(target.Pixels().pixel(5, 0), clNavy);   // its outline
  canvas.Pen.SetStyle(psClear);
  canvas.Brush.SetColor(clRed);
  canvas.Rectangle(Rect(2, 2, 4, 4));
  EXPECT_EQ(target.Pixels().pixel(2, 2), clRed);
  canvas.MoveTo(0, 9);
  canvas.Pen.SetStyle(psSolid);
  canvas.Pen.SetColor(clBlack);
  canvas.LineTo(9, 9);
  EXPECT_EQ(target.Pixels().pixel(4, 9), clBlack);
  EXPECT_EQ(canvas.PenPos(), Point(9, 9));

  TCanvas detached;  // no context: every call is a no-op
  detached.FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(detached.Pixel(0, 0), CLR_INVALID);
}

TEST(Picture, KnowsBmpAndJpegByTheirFirstBytes) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  ASSERT_TRUE(picture.LoadFromBytes(BmpCodec::encode(Sample())));
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  Result<std::vector<std::uint8_t>> jpeg = JpegCodec::encode(Sample());
  ASSERT_TRUE(jpeg.ok());
  ASSERT_TRUE(picture.LoadFromBytes(jpeg.value()));
  auto* image = dynamic_cast<TJPEGImage*>(picture.Graphic());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(changes, 2);

  std::vector<std::uint8_t> junk = {'G', 'I', 'F', '8'};
  EXPECT_FALSE(picture.LoadFromBytes(junk));
  std::vector<std::uint8_t> brokenJpeg = {0xFF, 0xD8, 0xFF, 0x00};
  EXPECT_FALSE(picture.LoadFromBytes(brokenJpeg));
  EXPECT_EQ(picture.Graphic(), image);  // failed loads keep the picture

  TPicture copy;
  copy.Assign(picture);
  ASSERT_NE(copy.Graphic(), nullptr);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Height(), 3);
  // Asking for a bitmap replaces the JPEG with an empty bitmap to paint on.
  EXPECT_EQ(copy.Bitmap().Width(), 0);
}

class TPictureHolder : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  explicit TPictureHolder(TComponent* owner) : TComponent(owner) {}
  TPicture Picture;
  TFont Font;
};

const TClassInfo& TPictureHolder::StaticClassInfo() {
  static const TClassInfo info("TPictureHolder", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TPictureHolder>(c).Object("Picture", &TPictureHolder::Picture).Object("Font", &TPictureHolder::Font);
  });
  return info;
}

TEST(Picture, LayoutsLoadPicturesFromResourceFiles) {
  std::vector<std::uint8_t> bmp = BmpCodec::encode(Sample());
  std::vector<std::uint8_t> text = {'n', 'o'};
  TClassRegistry classes;
  LayoutReader reader(classes, [&](std::string_view path) -> std::optional<std::span<const std::uint8_t>> {
    if (path == "pictures/sample.bmp") return std::span<const std::uint8_t>(bmp);
    if (path == "pictures/readme.txt") return std::span<const std::uint8_t>(text);
    return std::nullopt;
  });
  TPictureHolder holder(nullptr);
  reader.Read(holder, "p.lfm",
              "object H: TPictureHolder\n"
              "  Picture.Data = {resource 'pictures/sample.bmp'}\n"
              "  Font.Style = [fsItalic]\n"
              "  Font.Color = clRed\n"
              "end\n");
  EXPECT_EQ(holder.Picture.Width(), 4);
  EXPECT_EQ(holder.Picture.Bitmap().Pixels().pixel(0, 2), clLime);
  EXPECT_EQ(holder.Font.Style(), static_cast<TFontStyles>(fsItalic));
  EXPECT_EQ(holder.Font.Color(), clRed);
  EXPECT_THROW(reader.Read(holder, "p.lfm", "object H: TPictureHolder\n Picture.Data = {resource 'pictures/readme.txt'}\nend\n"),
               LayoutError);
}

}  // namespace
