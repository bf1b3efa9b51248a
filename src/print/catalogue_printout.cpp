#include "print/catalogue_printout.h"

#include <QStringList>
#include <algorithm>

#include "documents/catalogue_pictures.h"
#include "documents/catalogue_tables.h"
#include "documents/page_pictures.h"
#include "documents/page_sources.h"
#include "documents/page_text.h"
#include "model/app_state.h"
#include "print/print_job.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

// Millimetres of the portrait page. The running y is where the bottom edge of the next
// text line goes.
constexpr double kLeft = 25, kRight = 185;
constexpr double kStep = 5;
constexpr double kHeadingY = 30, kRuleY = 32;
constexpr double kPictureGap = 10;  // from the last text line's bottom to a picture
constexpr double kBelow = 7;        // from a block's bottom to the next line's bottom
constexpr double kFirstLine = 4;    // from a block's top to its first line's bottom
constexpr double kBrandW = 36, kBrandH = 6;

class PrintedCatalogue {
 public:
  PrintedCatalogue(Canvas& page, PageSources& src)
      : page_(page),
        src_(src),
        lang_(src.state().lang),
        faces_(src.faces(QStringLiteral("pdp.qdt"))) {}

  void setUp(int tab) {
    SetPrnBrush(page_, kWhite, BrushStyle::Clear);
    tableFont();
    u_ = page_.textSize(QStringLiteral("O")).width();
    DrawFittedPicture(page_, src_.picture(kCatalogueLogo), 150, 20, 185, 30);
    SetPrnFontDefaultCharset(page_, faces_.Font(16), 10, kRegular, kBlack);
    PrnText(page_, HAlign::Right, VAlign::Bottom, QStringLiteral("PAGE %1").arg(tab + 1), 185, 265);
  }

  void heading(const char* key) {
    SetPrnPen(page_, kBlue, PenStyle::Solid, 0.5);
    SetPrnBrush(page_, kWhite, BrushStyle::Clear);
    SetPrnFontDefaultCharset(page_, faces_.Font(15), 14, kRegular, kBlack);
    y_ = DrawPrintedSection(page_, lines(key), kLeft, kStep, kHeadingY);
    PrnLine(page_, kLeft, kRuleY, kRight, kRuleY);
    y_ += kStep;
    bodyFont();
  }

  void bodyFont(Colour colour = kBlack) {
    SetPrnFontDefaultCharset(page_, faces_.Font(16), 10, kRegular, colour);
  }
  void noteFont(Colour colour) {
    SetPrnFontDefaultCharset(page_, faces_.Font(16), 8, kRegular, colour);
  }
  void tableFont() { SetPrnFontDefaultCharset(page_, faces_.Font(14), 10, kRegular, kBlack); }

  void text(const char* key, double x = kLeft, double step = kStep) { text(lines(key), x, step); }
  void text(const QStringList& l, double x = kLeft, double step = kStep) {
    y_ = DrawPrintedSection(page_, l, x, step, y_);
  }

  // A picture 10 mm below the text above it, fitted into w × h at x.
  void picture(const QString& name, double x, double w, double h) {
    const double top = y_ - kStep + kPictureGap;
    DrawFittedPicture(page_, src_.picture(name), x, top, x + w, top + h);
    y_ = top + h + kBelow;
  }

  // A picture fitted into w × h at x with a text block beside it, from `top`; returns the
  // bottom of the taller of the two.
  double beside(double top, const QString& name, double x, double w, double h,
                const QStringList& text, double textX) {
    DrawFittedPicture(page_, src_.picture(name), x, top, x + w, top + h);
    const double end = DrawPrintedSection(page_, text, textX, kStep, top + kFirstLine);
    return std::max(top + h, end - kStep + 1);
  }
  void besideHere(const QString& name, double w, double h, const QStringList& text, double textX) {
    y_ = beside(y_ - kStep + 3, name, kLeft, w, h, text, textX) + kBelow;
  }

  void brandLine(const char* key) {
    const double top = y_ - kStep + 3;
    DrawFittedPicture(page_, src_.picture(lang_.logoPictureName), kLeft, top, kLeft + kBrandW,
                      top + kBrandH);
    DrawPrintedSection(page_, lines(key), kLeft + kBrandW + 4, kStep, top + kBrandH - 0.8);
    y_ = top + kBrandH + kBelow;
  }

  void table(const QStringList& rows, bool specification) {
    tableFont();
    if (rows.isEmpty()) return;
    const double top = y_ - kStep + 2;
    const TableStyle s = style();
    const double bottom =
        specification
            ? DrawSpecificationTable(page_, rows, PackingColumns(page_, rows, 22, s), top, s)
            : DrawPackingTable(page_, rows, 22, top, s);
    y_ = bottom + kBelow;
    bodyFont();
  }

  void note(const char* key, Colour colour = kBlack) {
    noteFont(colour);
    text(key, kLeft, 4);
    bodyFont();
  }

  // The colour key beside a picture: a small filled box before each of its four lines.
  void colourBoxes(double top, double x) {
    const Colour colours[4] = {kBlue, kYellow, kFuchsia, kRed};
    SetPrnPen(page_, kBlack, PenStyle::Solid, 0.2);
    for (int i = 0; i < 4; ++i) {
      SetPrnBrush(page_, colours[i], BrushStyle::Solid);
      const double bottom = top + kFirstLine + i * kStep;
      PrnRect(page_, x, bottom - 3, x + 5, bottom - 0.5);
    }
    SetPrnBrush(page_, kWhite, BrushStyle::Clear);
  }

  QStringList lines(const char* key) { return lines(QString::fromLatin1(key)); }
  QStringList lines(const QString& key) { return src_.section(QStringLiteral("pdp.qdt"), key); }
  QString pictureName(const QString& base, bool own = false) const {
    return CataloguePicture(base, src_.secondBrand(), own);
  }
  Canvas& page() { return page_; }
  double y() const { return y_; }
  void setY(double y) { y_ = y; }

 private:
  TableStyle style() const {
    TableStyle t;
    t.rowHeight = 4.6;
    t.textInset = 1.2;
    t.textBottom = 4.0;
    t.frameWidth = 0.35;
    t.separator = 0.25;
    t.unit = u_;
    return t;
  }

  Canvas& page_;
  PageSources& src_;
  const LanguageTexts& lang_;   // the edition: its brand picture
  const LanguageTexts& faces_;  // the faces of the file the page is drawn from
  double u_ = 2.7;
  double y_ = kHeadingY;
};

void Introduction(PrintedCatalogue& p) {
  p.heading("@P_INTROT");
  p.text("@P_INTRO");
  p.picture(p.pictureName("C1_1", true), 70, 65, 45);
}

void Applications(PrintedCatalogue& p) {
  p.heading("@P_APPLIT");
  p.text("@P_APPLI1");
  double top = p.y() - kStep + 3;
  for (int k = 1; k <= 6; ++k) {
    p.beside(top, p.pictureName(Numbered("C2_%1", k), true), kLeft, 26, 26,
             p.lines(Numbered("@P_APPLI_N%1", k)), kLeft + 31);
    top += 29;
  }
  p.setY(top + kStep);
}

void Advantages(PrintedCatalogue& p) {
  p.heading("@P_ADVTGT");
  p.text("@P_ADVTG1");
  p.picture(p.pictureName("C3_1"), kLeft, 56, 40);
  p.text("@P_ADVTG2");
  p.picture(p.pictureName("C3_2"), kLeft, 30, 23);
  p.text("@P_ADVTG3");
}

void Specifications(PrintedCatalogue& p) {
  p.heading("@P_SPEC-T");
  p.brandLine("@P_SPEC-H");
  p.table(p.lines("@P_SPECTBL1"), true);
  p.note("@P_SPEC-N", kMaroon);
}

void HotWater(PrintedCatalogue& p) {
  p.heading("@P_HOTT");
  p.text("@P_HOT");
  p.picture(p.pictureName("C5_1"), kLeft, 56, 40);
  p.text("@P_HOT1");
  p.besideHere(p.pictureName("C5_2", true), 50, 45, p.lines("@P_HOT2"), kLeft + 55);
  p.text("@P_HOTNOTE");
}

void ChilledWater(PrintedCatalogue& p) {
  p.heading("@P_CHILLEDT");
  p.text("@P_CHILLED");
  p.besideHere(p.pictureName("C6_1"), 44, 27, p.lines("@P_CHILLED1"), kLeft + 49);
  p.besideHere(p.pictureName("C6_2"), 44, 27, p.lines("@P_CHILLED2"), kLeft + 49);
  p.besideHere(p.pictureName("C6_3"), 44, 47, p.lines("@P_CHILLED3"), kLeft + 49);
  // The colour key describes the installation detail beside it.
  const double top = p.y() - kStep + 3;
  p.colourBoxes(top, kLeft + 60);
  p.setY(p.beside(top, p.pictureName("C6_4"), kLeft, 55, 50, p.lines("@P_CHILLED4"), kLeft + 67) +
         kBelow);
  p.text("@P_CHILLED3.1");
}

void Worldwide(PrintedCatalogue& p) {
  p.heading("@P_WWT");
  p.text("@P_WW1");
  // Two columns of five, in the printed order.
  static constexpr int kOrder[10] = {1, 2, 8, 5, 7, 6, 4, 3, 9, 10};
  const double first = p.y() - kStep + 3;
  double bottom = first;
  for (int i = 0; i < 10; ++i) {
    const int k = kOrder[i];
    const double x = i % 2 == 0 ? kLeft : 107;
    const double top = first + (i / 2) * 40;
    bottom = std::max(bottom, p.beside(top, p.pictureName(Numbered("WW_B%1", k)), x, 28, 36,
                                       p.lines(Numbered("@P_WW-B%1", k)), x + 31));
  }
  p.setY(bottom + kBelow);
}

void PackingImperial(PrintedCatalogue& p) {
  p.heading("@P_PACKIMP");
  p.brandLine("@P_PACKIMP-H1");
  p.table(p.lines("@P_PACKIMPT1"), false);
  p.note("@P_PACKIMPT1N");
  p.brandLine("@P_PACKIMP-H2");
  p.table(p.lines("@P_PACKIMPT2"), false);
  p.note("@P_PACKIMPT2N");
  p.brandLine("@P_PACKIMP-H3");
  p.table(p.lines("@P_PACKIMPT3"), false);
  p.brandLine("@P_PACKIMP-H4");
  p.table(p.lines("@P_PACKIMPT4"), false);
  p.note("@P_PACKIMPT4N");
}

void PackingMetric(PrintedCatalogue& p) {
  p.heading("@P_PACKMTR");
  p.brandLine("@P_PACKMTR-H1");
  p.table(p.lines("@P_PACKMTRT1"), false);
  p.note("@P_PACKMTRT1N");
  p.brandLine("@P_PACKMTR-H2");
  p.table(p.lines("@P_PACKMTRT2"), false);
  p.note("@P_PACKMTRT2N");
  p.brandLine("@P_PACKMTR-H3");
  p.table(p.lines("@P_PACKMTRT3"), false);
  p.note("@P_PACKMTRT3N");
}

void Distribution(PrintedCatalogue& p) {
  p.heading("@P_INTERT");
  p.picture(QStringLiteral("C_MAP.jpg"), kLeft, kRight - kLeft, 80);
  p.text("@P_INTERH");
  // Two columns of three distributors.
  const double first = p.y();
  double bottom = first;
  for (int k = 1; k <= 6; ++k) {
    const double x = k % 2 == 1 ? kLeft : 107;
    const double y0 = first + ((k - 1) / 2) * 31;
    p.bodyFont(kBlue);
    const double h =
        DrawPrintedSection(p.page(), p.lines(Numbered("@P_INTERH%1", k)), x, kStep, y0);
    p.bodyFont();
    bottom = std::max(bottom,
                      DrawPrintedSection(p.page(), p.lines(Numbered("@P_INTERD%1", k)), x, 4.5, h));
  }
  p.setY(bottom + 2);
  p.text("@P_INTER2");
}

}  // namespace

void PrintCataloguePage(Canvas& page, PageSources& src, int tab) {
  PrintedCatalogue p(page, src);
  p.setUp(tab);
  using Chapter = void (*)(PrintedCatalogue&);
  static constexpr Chapter kChapters[10] = {
      Introduction, Applications, Advantages,      Specifications, HotWater,
      ChilledWater, Worldwide,    PackingImperial, PackingMetric,  Distribution};
  if (tab >= 0 && tab < 10) kChapters[tab](p);
}

bool PrintCatalogue(QWidget* parent, const AppState& state, int tab) {
  return RunPrintJob(parent, PageOrientation::Portrait, QString::fromLatin1(kProductJobTitle),
                     [&](Canvas& page) {
                       PageSources src(state);
                       PrintCataloguePage(page, src, tab);
                     });
}

bool WriteCataloguePdf(const AppState& state, int tab, const QString& file) {
  return WritePdfPage(file, PageOrientation::Portrait, QString::fromLatin1(kProductJobTitle),
                      [&](Canvas& page) {
                        PageSources src(state);
                        PrintCataloguePage(page, src, tab);
                      });
}

}  // namespace qora
