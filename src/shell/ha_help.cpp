#include "shell/ha_help.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <array>

#include "engine/number_text.h"
#include "model/language.h"
#include "toolkit/canvas_state.h"

namespace qora {

namespace {

// Typical ranges of the outside surface coefficient, per unit system (A..E):
// still air A-B, moderate air B-C, moving air D-E, in Btu/hr.sqft.°F, W/m².°C, kCal/hr.m².°C.
constexpr std::array<std::array<double, 5>, 3> kHaRanges = {{
    {1.0, 1.4, 1.6, 2.0, 17.0},
    {6.0, 8.0, 9.0, 12.0, 96.0},
    {5.0, 6.8, 7.7, 10.0, 80.0},
}};

QString One(double v) {
  return QString::fromStdString(ValueToStr(0, 1, v));
}

}  // namespace

QStringList HaHelpLines(const LanguageTexts& lang, int unit) {
  if (unit < 1 || unit > 3) unit = 1;
  const auto& r = kHaRanges[unit - 1];
  return {lang.MsgText(44), "(" + lang.UnitLabel(unit, 3) + ")",
          lang.MsgText(45) + "  " + One(r[0]) + "-" + One(r[1]),
          lang.MsgText(46) + "  " + One(r[1]) + "-" + One(r[2]),
          lang.MsgText(47) + "  " + One(r[3]) + "-" + One(r[4])};
}

void FillHaHelp(QPlainTextEdit& memo, const LanguageTexts& lang, int unit) {
  memo.setPlainText(HaHelpLines(lang, unit).join(u'\n'));
}

void StyleHaHelp(QPlainTextEdit& memo) {
  memo.setReadOnly(true);
  memo.setLineWrapMode(QPlainTextEdit::NoWrap);
  memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setFamilies(FontFamilies(QString::fromLatin1(kMonoFace)));
  memo.setFont(font);
  memo.setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: #00ff00; }"));
}

}  // namespace qora
