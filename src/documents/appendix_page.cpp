#include "documents/appendix_page.h"

#include "documents/page_sources.h"
#include "documents/page_text.h"
#include "model/app_state.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

constexpr double kTextSize = 12;  // points, on every screen
constexpr double kStep = 25;
constexpr double kRuleY = 60;
constexpr double kMargin = 10;  // below the last line

}  // namespace

double RenderAppendixPage(Canvas& pic, PageSources& src, int tab) {
  const double wp = pic.size().width();
  SetPicPen(pic, kBlue, PenStyle::Solid, 4);
  SetPicBrush(pic, kWhite, BrushStyle::Clear);
  SetPicFontDefaultCharset(pic, src.faces(QStringLiteral("apd.qdt")).Font(4), kTextSize, kRegular,
                           kBlack);
  if (tab < 0 || tab >= kAppendixChapters) return 20 + kMargin;
  const QString key = QStringLiteral("@APDX%1").arg(tab + 1);
  double y = DrawRichSection(pic, src.section(QStringLiteral("apd.qdt"), key), 20, kStep, 20);
  PicLine(pic, 20, kRuleY, wp - 50, kRuleY, kBlue);
  if (tab == 5) {
    const Picture chart = src.picture(QString::fromLatin1(kConvectionChart));
    const QSize n = chart.naturalSize();
    PicDrawPicture(pic, 10, y, 10 + n.width(), y + n.height(), chart);
    y += kConvectionChartRoom;
  }
  return y + kMargin;
}

}  // namespace qora
