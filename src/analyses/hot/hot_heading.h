// The texts of the hot-water charts' headings, reference lines and legends: language
// texts, unit labels of the chart's unit system and the inputs as the user typed them.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/real.h"

namespace qora {

struct AppState;

namespace hot {

struct HotTexts {
  const AppState& state;
  int unit;

  QString msg(int i) const;
  QString unitLabel(int code) const;
  QString setting(const char* key) const;  // hot section text as typed
  // Entry of a list at the combo position stored under `key`; empty when none.
  QString listEntry(const std::array<QString, 10>& list, const char* key) const;
  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& tsurfList() const;

  QString tdbLine() const;  // room temperature
  QString topLine() const;  // line temperature
  QString kLine(const QString& k) const;
  QString haLine() const;
  QString pipeLine(const char* sizeKey) const;
  QString thicknessLine(const char* key) const;
  QString flowLine() const;
  QString priceLine() const;
  QString hoursLine() const;
  QString sizeFooter() const;                            // pipe-size axis caption
  QString axisFooter(int msgIndex, int unitCode) const;  // message + "(" + unit + ")"
  QString costUnit() const;                              // currency/length per year
  std::vector<QString> sizeNames() const;
  // Caption + temperature (no decimals in inch-pound, 1 otherwise) + unit, no blanks.
  QString temperatureLabel(int msgIndex, Real value) const;
};

}  // namespace hot
}  // namespace qora
