// Font faces named by the language files: fontconfig substitutes, Thai text, and sizes as
// a 96 dpi screen and a printer of known resolution give them.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QRawFont>

#include "keep_rendering.h"
#include "toolkit/canvas_state.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"

namespace qora {
namespace {

CanvasState Face(const char* face, bool thai = false) {
  CanvasState s;
  s.face = QString::fromUtf8(face);
  s.pointSize = 12;
  s.defaultCharset = thai;
  return s;
}

// A face that is not installed (an older language file may name one) takes the Latin
// family the set-up installs, never whatever the font system would pick; an empty face
// never reaches the font system at all.
TEST(Fonts, FacesNotInstalledTakeTheInstalledLatinFamily) {
  struct Case {
    const char* face;
    const char* family;
  };
  const Case cases[] = {{"Arial", "Liberation Sans"},   {"Times New Roman", "Liberation Sans"},
                        {"", "Liberation Sans"},        {"  ", "Liberation Sans"},
                        {"DejaVu Sans", "DejaVu Sans"}, {"Liberation Serif", "Liberation Serif"},
                        {"IPAGothic", "IPAGothic"},     {"WenQuanYi Zen Hei", "WenQuanYi Zen Hei"}};
  for (const Case& c : cases) {
    EXPECT_EQ(QFontInfo(CanvasFont(Face(c.face), 96)).family(), c.family) << c.face;
    EXPECT_FALSE(FontFamilies(QString::fromUtf8(c.face)).contains(QString())) << c.face;
  }
}

const QString kThai = QString::fromUtf8("ภาษาไทย สวัสดี");

TEST(Fonts, DefaultCharsetPicksAFaceWithThaiGlyphs) {
  const QFont font = CanvasFont(Face("AngsanaUPC", true), 96);
  const QString family = QFontInfo(font).family();
  EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai))
      << family.toStdString();
  const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Thai);
  for (QChar ch : kThai) {
    if (ch != ' ') {
      EXPECT_TRUE(raw.supportsCharacter(ch)) << static_cast<int>(ch.unicode());
    }
  }
}

TEST(Fonts, ThaiTextRendersAsInk) {
  QImage img(240, 40, QImage::Format_RGB32);
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    SetPicFontDefaultCharset(pic, "AngsanaUPC", 16, kRegular, kBlack);
    const QSizeF sz = pic.textSize(kThai);
    EXPECT_GT(sz.width(), 60);
    PicText(pic, HAlign::Left, VAlign::Top, kThai, 4, 4);
  }
  test::KeepRendering(img, "thai.png");
  int ink = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) ink += qGray(img.pixel(x, y)) < 128;
  }
  EXPECT_GT(ink, 150);
}

TEST(Fonts, ScreenPointsAreSixteenPixelsPerTwelveAndPrinterPointsFollowItsResolution) {
  EXPECT_EQ(QFontInfo(CanvasFont(Face("Arial"), 96)).pixelSize(), 16);
  EXPECT_EQ(QFontInfo(CanvasFont(Face("Arial"), 300)).pixelSize(), 50);
  EXPECT_EQ(QFontInfo(CanvasFont(Face("Arial"), 600)).pixelSize(), 100);
  QImage img(10, 10, QImage::Format_RGB32);
  ImageCanvas pic(img);
  SetPicFont(pic, "Arial", 12, kRegular, kBlack);
  // Liberation Sans lines are about 1.15 em: 18.4 pixels at 16.
  EXPECT_NEAR(pic.textSize("Wg").height(), 18.4, 1);
}

TEST(Fonts, PictureTextIsMeasuredAsTheFontMetricsMeasureIt) {
  // The picture writes plain Latin text without shaping it; its widths must still be the
  // font's, or aligned labels drift.
  QImage img(10, 10, QImage::Format_RGB32);
  ImageCanvas pic(img);
  for (unsigned style : {unsigned(kRegular), unsigned(kBold | kItalic)}) {
    SetPicFont(pic, "Arial", 12, style, kBlack);
    const QFont f = CanvasFont(
        [&] {
          CanvasState s = Face("Arial");
          s.style = style;
          return s;
        }(),
        96);
    for (const QString& text : {QStringLiteral("Heat flow 12.5 W/m"), QStringLiteral("ΔT = 25 °C"),
                                QStringLiteral("AVAVA Wy ffi"), kThai}) {
      EXPECT_NEAR(pic.textSize(text).width(), QFontMetricsF(f).horizontalAdvance(text), 0.5)
          << text.toStdString();
    }
  }
}

TEST(Fonts, UnderlinedTextIsUnderlined) {
  // Ink rows in a column under the blank between "a" and "b": only an underline puts any.
  auto inkUnderBlank = [](unsigned style) {
    QImage img(120, 30, QImage::Format_RGB32);
    {
      ImageCanvas pic(img);
      ClearPicture(pic, kWhite);
      SetPicFont(pic, "Arial", 12, style, kBlack);
      PicText(pic, HAlign::Left, VAlign::Top, "a   b", 4, 4);
    }
    int rows = 0;
    for (int y = 0; y < img.height(); ++y) rows += qGray(img.pixel(18, y)) < 128;
    return rows;
  };
  EXPECT_EQ(inkUnderBlank(kRegular), 0);
  EXPECT_GE(inkUnderBlank(kUnderline), 1);
}

}  // namespace
}  // namespace qora
