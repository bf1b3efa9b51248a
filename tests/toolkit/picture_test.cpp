// Pictures from the picture folder: decoders, names without regard to case, metafile names
// resolved to SVG drawings, and files that are missing or broken.
#include "toolkit/picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSvgRenderer>

#include "test_support.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

// A 40 × 20 picture: left half red, right half blue.
QImage TwoColourImage() {
  QImage img(40, 20, QImage::Format_RGB32);
  img.fill(Qt::red);
  for (int y = 0; y < 20; ++y) {
    for (int x = 20; x < 40; ++x) img.setPixel(x, y, qRgb(0, 0, 255));
  }
  return img;
}

const char kSvg[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="30" height="10" viewBox="0 0 30 10">)"
    R"(<rect x="0" y="0" width="30" height="10" fill="#00ff00"/></svg>)";

class PictureFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString dir = home.path() + "/QDTgraph/";
    QDir().mkpath(dir);
    ASSERT_TRUE(TwoColourImage().save(dir + "C_MAP.jpg", "JPG", 95));
    ASSERT_TRUE(TwoColourImage().save(dir + "kGrh.bmp", "BMP"));
    ASSERT_TRUE(TwoColourImage().save(dir + "logo.png", "PNG"));
    home.writeFile("QDTgraph/Watermark.svg", kSvg);
    home.writeFile("QDTgraph/broken.jpg", "not a picture at all");
    home.writeFile("QDTgraph/broken.svg", "<svg");
  }
  QString at(const char* name) const { return home.path() + "/QDTgraph/" + name; }
  test::TempHome home;
};

TEST_F(PictureFolder, DecodesJpegBitmapAndPngWhateverTheCaseOfTheName) {
  for (const char* name : {"C_Map.jpg", "C_MAP.JPG", "c_map.jpg", "KGRH.BMP", "logo.png"}) {
    const Picture p = LoadPicture(at(name));
    ASSERT_FALSE(p.isEmpty()) << name;
    EXPECT_EQ(p.naturalSize(), QSize(40, 20)) << name;
    const QColor left = p.image().pixelColor(5, 10), right = p.image().pixelColor(35, 10);
    EXPECT_GT(left.red(), 200) << name;  // JPEG is lossy: colours within a margin
    EXPECT_GT(right.blue(), 200) << name;
  }
}

TEST_F(PictureFolder, MetafileNameResolvesToTheSvgOfTheSameBaseName) {
  for (const char* name : {"Watermark.WMF", "watermark.wmf", "WATERMARK.svg"}) {
    const Picture p = LoadPicture(at(name));
    ASSERT_FALSE(p.isEmpty()) << name;
    ASSERT_NE(p.svg(), nullptr) << name;
    EXPECT_EQ(p.naturalSize(), QSize(30, 10)) << name;
  }
}

TEST_F(PictureFolder, MissingOrBrokenFilesGiveAnEmptyPictureThatDrawsNothing) {
  for (const char* name : {"absent.jpg", "broken.jpg", "broken.wmf", "absent.wmf", ""}) {
    const Picture p = LoadPicture(*name ? at(name) : QString());
    EXPECT_TRUE(p.isEmpty()) << name;
    RecordingCanvas pic(QSizeF(100, 100));
    PicDrawPicture(pic, 0, 0, 50, 50, p);
    EXPECT_EQ(pic.log(), "") << name;
  }
  QImage img(20, 20, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    ImageCanvas pic(img);
    PicDrawPicture(pic, 0, 0, 20, 20, LoadPicture(at("broken.jpg")));
  }
  EXPECT_EQ(img.pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(PictureFolder, PicturesAreStretchedIntoTheRectangle) {
  QImage img(100, 60, QImage::Format_RGB32);
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    PicDrawPicture(pic, 10, 10, 90, 30, LoadPicture(at("logo.png")));  // 80 × 20: twice as wide
    PicDrawPicture(pic, 10, 40, 40, 50, LoadPicture(at("Watermark.WMF")));
  }
  EXPECT_EQ(img.pixel(15, 20), qRgb(255, 0, 0));
  EXPECT_EQ(img.pixel(85, 20), qRgb(0, 0, 255));  // would be white if not stretched
  EXPECT_EQ(img.pixel(90, 20), qRgb(255, 255, 255));
  EXPECT_EQ(img.pixel(25, 45), qRgb(0, 255, 0));
  EXPECT_EQ(img.pixel(45, 45), qRgb(255, 255, 255));

  RecordingCanvas rec(QSizeF(100, 60));
  PicDrawPicture(rec, 10, 10, 90, 30, LoadPicture(at("logo.png")));
  PrnDrawPicture(rec, LoadPicture(at("Watermark.wmf")), 10, 40, 40, 50);
  EXPECT_EQ(rec.log(), "picture 10 10 90 30 image 40x20\npicture 10 40 40 50 svg 30x10\n");
}

}  // namespace
}  // namespace qora
