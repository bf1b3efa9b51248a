#include "documents/catalogue_page.h"

#include <QStringList>
#include <algorithm>

#include "documents/catalogue_pictures.h"
#include "documents/catalogue_tables.h"
#include "documents/page_pictures.h"
#include "documents/page_sources.h"
#include "documents/page_text.h"
#include "model/app_state.h"
#include "model/language.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

// Vertical rhythm. The running y is where the bottom edge of the next text line goes, so
// a block of n lines moves it by n steps.
constexpr double kStep = 30;       // body line step
constexpr double kAbove = 12;      // a picture's top above the running y
constexpr double kFirstLine = 20;  // from a block's top to its first line's bottom
constexpr double kBelow = 38;      // from a block's bottom to the next line's bottom
constexpr double kHeadingY = 50;   // bottom of the heading's first line
constexpr double kRuleY = 60;
constexpr double kBrandW = 180, kBrandH = 30;

// One chapter being drawn: fonts, the running y, and the blocks the chapters are made of.
class ScreenCatalogue {
 public:
  ScreenCatalogue(Canvas& pic, PageSources& src, int screenWidth)
      : pic_(pic),
        src_(src),
        lang_(src.state().lang),
        faces_(src.faces(QStringLiteral("prd.qdt"))),
        s_(TextSizeForScreen(screenWidth)),
        wp_(pic.size().width()) {}

  double end() const { return y_ + 20; }

  // Logo, the column unit of the tables.
  void setUp() {
    SetPicBrush(pic_, kWhite, BrushStyle::Clear);
    tableFont();
    u_ = pic_.textSize(QStringLiteral("O")).width();
    PicDrawPicture(pic_, wp_ - 200, 5, wp_ - 50, 55, src_.picture(kCatalogueLogo));
  }

  void heading(const char* key, double x = 20) {
    SetPicPen(pic_, kBlue, PenStyle::Solid, 4);
    SetPicBrush(pic_, kWhite, BrushStyle::Clear);
    SetPicFontDefaultCharset(pic_, faces_.Font(12), s_ + 2, kBold, kBlack);
    y_ = DrawTextSection(pic_, lines(key), x, kStep, kHeadingY);
    PicLine(pic_, 20, kRuleY, wp_ - 50, kRuleY, kBlue);
    y_ += 10;
    bodyFont();
  }

  void bodyFont() { SetPicFontDefaultCharset(pic_, faces_.Font(13), s_, kRegular, kBlack); }
  void captionFont() { SetPicFontDefaultCharset(pic_, faces_.Font(13), s_ - 2, kRegular, kBlue); }
  void tableFont() { SetPicFontDefaultCharset(pic_, faces_.Font(11), s_, kRegular, kBlack); }

  void text(const char* key, double x = 20, double step = kStep) { text(lines(key), x, step); }
  void text(const QStringList& l, double x = 20, double step = kStep) {
    y_ = DrawTextSection(pic_, l, x, step, y_);
  }

  void picture(const QString& name, double x, double w, double h) {
    const double top = y_ - kAbove;
    PicDrawPicture(pic_, x, top, x + w, top + h, src_.picture(name));
    y_ = top + h + kBelow;
  }

  // A picture with a text block beside it, both from the same top.
  void beside(const QString& name, double w, double h, const QStringList& text, double textX,
              double step = kStep) {
    const double top = y_ - kAbove;
    PicDrawPicture(pic_, 20, top, 20 + w, top + h, src_.picture(name));
    const double end = DrawTextSection(pic_, text, textX, step, top + kFirstLine);
    y_ = std::max(top + h, end - step) + kBelow;
  }

  // The brand-name picture with a sub-heading beside it.
  void brandLine(const QStringList& text, double textX) {
    bodyFont();
    const double top = y_ - kAbove;
    DrawFittedPicture(pic_, brand(), 20, top, 20 + kBrandW, top + kBrandH);
    DrawTextSection(pic_, text, textX, kStep, top + kBrandH - 5);
    y_ = top + kBrandH + kBelow;
  }

  Picture brand() { return src_.picture(lang_.logoPictureName); }
  QStringList lines(const char* key) { return src_.section(QStringLiteral("prd.qdt"), key); }
  QStringList lines(const QString& key) { return src_.section(QStringLiteral("prd.qdt"), key); }
  QString pictureName(const QString& base, bool own = false) const {
    return CataloguePicture(base, src_.secondBrand(), own);
  }

  void specificationTable() {
    tableFont();
    const double top = y_ - kAbove;
    const double bottom = DrawSpecificationTable(
        pic_, lines("@SPECTBL1"), {15, 20 + 29 * u_, 20 + 51 * u_, 20 + 70 * u_}, top, style());
    y_ = bottom + kBelow;
  }

  void packingTable(const QStringList& rows) {
    tableFont();
    if (rows.isEmpty()) return;
    const double top = y_ - kAbove;
    y_ = DrawPackingTable(pic_, rows, 15, top, style()) + kBelow;
  }

  void note(const char* key, Colour colour = kBlack, double step = kStep) {
    SetPicFontDefaultCharset(pic_, faces_.Font(13), s_ - 2, kRegular, colour);
    text(key, 20, step);
    bodyFont();
  }

  // Four filled boxes, 25 pixels apart, each with its line of the key beside it.
  void colourKey(const QStringList& text) {
    const Colour colours[4] = {kBlue, kYellow, kFuchsia, kRed};
    const double top = y_ - kAbove;
    SetPicPen(pic_, kBlack, PenStyle::Solid, 1);
    for (int i = 0; i < 4; ++i) {
      SetPicBrush(pic_, colours[i], BrushStyle::Solid);
      PicRect(pic_, 20, top + 25 * i, 60, top + 25 * i + 20, kBlack);
    }
    SetPicBrush(pic_, kWhite, BrushStyle::Clear);
    const double end = DrawTextSection(pic_, text, 80, 25, top + 20);
    y_ = std::max(top + 4 * 25, end - 25) + kBelow;
  }

  // The map stretched over the page width, the distributors below it.
  void map(const QString& name) {
    const double b = wp_ - 200;
    const double top = y_ - kAbove;
    PicDrawPicture(pic_, 20, top, b, top + b / 2, src_.picture(name));
    y_ = top + b / 2 + 60;
  }

  double y() const { return y_; }
  void setY(double y) { y_ = y; }
  Canvas& canvas() { return pic_; }

 private:
  TableStyle style() const {
    TableStyle t;
    t.rowHeight = 26;
    t.textBottom = 23;
    t.unit = u_;
    return t;
  }

  Canvas& pic_;
  PageSources& src_;
  const LanguageTexts& lang_;   // the edition: its brand picture
  const LanguageTexts& faces_;  // the faces of the file the page is drawn from
  int s_;
  double wp_;
  double u_ = 10;
  double y_ = kHeadingY;
};

void Introduction(ScreenCatalogue& p) {
  p.heading("@INTROT");
  p.text("@INTRO");
  p.picture(p.pictureName("C1_1", true), 20, 310, 240);
}

void Applications(ScreenCatalogue& p) {
  p.heading("@APPLIT");
  p.picture(p.pictureName("C1_1", true), 20, 280, 200);
  p.text("@APPLI1");
  for (int k = 1; k <= 6; ++k) {
    const double top = p.y();
    p.captionFont();
    p.beside(p.pictureName(Numbered("C2_%1", k), true), 150, 150,
             p.lines(Numbered("@APPLI_N%1", k)), 250);
    p.setY(std::max(p.y(), top + 160));
  }
  p.bodyFont();
}

void Advantages(ScreenCatalogue& p) {
  p.heading("@ADVTGT");
  p.text("@ADVTG1");
  p.picture(p.pictureName("C3_1"), 20, 280, 200);
  p.text("@ADVTG2");
  p.picture(p.pictureName("C3_2"), 20, 130, 100);
  p.text("@ADVTG3");
}

void Specifications(ScreenCatalogue& p) {
  p.heading("@SPEC-T");
  p.brandLine(p.lines("@SPEC-H"), 210);
  p.specificationTable();
  p.note("@SPEC-N", kMaroon, 26);
}

void HotWater(ScreenCatalogue& p) {
  p.heading("@HOTT");
  p.text("@HOT");
  p.picture(p.pictureName("C5_1"), 20, 280, 200);
  p.text("@HOT1");
  p.beside(p.pictureName("C5_2", true), 280, 250, p.lines("@HOT2"), 320);
  p.text("@HOTNOTE");
}

void ChilledWater(ScreenCatalogue& p) {
  p.heading("@CHILLEDT");
  p.text("@CHILLED");
  for (int k = 1; k <= 2; ++k)
    p.beside(p.pictureName(Numbered("C6_%1", k)), 230, 140, p.lines(Numbered("@CHILLED%1", k)),
             260);
  p.beside(p.pictureName("C6_3"), 280, 300, p.lines("@CHILLED3"), 310);
  p.colourKey(p.lines("@CHILLED4"));
  p.picture(p.pictureName("C6_4"), 20, 330, 300);
  p.text("@CHILLED5", 20, 25);
}

void Worldwide(ScreenCatalogue& p) {
  DrawFittedPicture(p.canvas(), p.brand(), 50, 15, 230, 45);
  p.heading("@WWT", 210);
  p.text("@WW1");
  for (int k = 1; k <= 10; ++k) {
    const QString name = p.pictureName(Numbered("WW_B%1", k));
    const QStringList text = p.lines(Numbered("@WW-B%1", k));
    if (k == 4) {
      p.picture(name, 20, 400, 170);
      p.text(text, 20, 25);
    } else {
      p.beside(name, 200, k == 3 || k == 5 || k == 9 ? 280 : 170, text, 230, 25);
    }
  }
}

void PackingImperial(ScreenCatalogue& p) {
  p.heading("@PACKIMP");
  p.brandLine(p.lines("@PACKIMP-H1"), 210);
  p.packingTable(p.lines("@PACKIMPT1-1") + p.lines("@PACKIMPT1-2"));
  p.note("@PACKIMPT1N");
  p.brandLine(p.lines("@PACKIMP-H2"), 210);
  p.packingTable(p.lines("@PACKIMPT2"));
  p.note("@PACKIMPT2N");
  p.brandLine(p.lines("@PACKIMP-H3"), 210);
  p.packingTable(p.lines("@PACKIMPT3"));
  p.brandLine(p.lines("@PACKIMP-H4"), 210);
  p.packingTable(p.lines("@PACKIMPT4"));
  p.note("@PACKIMPT4N");
}

void PackingMetric(ScreenCatalogue& p) {
  p.heading("@PACKMTR");
  p.brandLine(p.lines("@PACKMTR-H1"), 210);
  p.packingTable(p.lines("@PACKMTRT1-1") + p.lines("@PACKMTRT1-2"));
  p.note("@PACKMTRT1N");
  p.brandLine(p.lines("@PACKMTR-H2"), 200);
  p.packingTable(p.lines("@PACKMTRT2"));
  p.brandLine(p.lines("@PACKMTR-H3"), 210);
  p.packingTable(p.lines("@PACKMTRT3"));
  p.note("@PACKMTRT3N");
}

void Distribution(ScreenCatalogue& p) {
  DrawFittedPicture(p.canvas(), p.brand(), 50, 15, 230, 45);
  p.heading("@INTERT", 210);
  p.map(QStringLiteral("C_Map.jpg"));
  p.brandLine(p.lines("@INTERH"), 210);
  for (int k = 1; k <= 6; ++k) {
    p.captionFont();
    p.text(p.lines(Numbered("@INTERH%1", k)), 100);
    p.bodyFont();
    p.text(p.lines(Numbered("@INTERD%1", k)), 100);
  }
  p.text("@INTER2", 100);
}

}  // namespace

double RenderCataloguePage(Canvas& pic, PageSources& src, int tab, int screenWidth) {
  ScreenCatalogue page(pic, src, screenWidth);
  page.setUp();
  using Chapter = void (*)(ScreenCatalogue&);
  static constexpr Chapter kChapters[kCatalogueChapters] = {
      Introduction, Applications, Advantages,      Specifications, HotWater,
      ChilledWater, Worldwide,    PackingImperial, PackingMetric,  Distribution};
  if (tab >= 0 && tab < kCatalogueChapters) kChapters[tab](page);
  return page.end();
}

}  // namespace qora
