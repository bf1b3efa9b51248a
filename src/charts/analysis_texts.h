// The texts of an analysis chart's heading, reference lines and footers that the chilled-water
// and hot-water charts word alike: language texts, unit labels of the chart's unit system and
// the inputs of one settings section ([CHILLED-WATER] or [HOT-WATER]) as the user typed them.
// Each family derives its own texts from this and adds the lines it words differently.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/real.h"
#include "model/settings_keys.h"

namespace qora {

struct AppState;

class AnalysisTexts {
 public:
  // `section` names a settings section and must outlive the texts (kSecChilled, kSecHot).
  AnalysisTexts(const AppState& state, int unit, const char* section);

  QString msg(int i) const;
  QString unitLabel(int code) const;
  QString setting(KeyName key) const;  // a text key of the section, as typed
  int position(KeyName key) const;     // a list position of the section
  // The entry of a list at the position stored under `key`, or the value typed into a box
  // that also takes typed values (as typed); empty when neither names one.
  QString listAt(const std::array<QString, 10>& list, KeyName key) const;

  QString tdbLine() const;  // ambient (room) temperature
  QString topLine() const;  // line temperature
  QString kLine(const QString& k) const;
  // Pipe-size name of a 1-based row of the current pipe type; empty outside the 40 rows.
  QString sizeName(int row) const;
  std::vector<QString> sizeNames() const;
  QString pipeLine(int row) const;
  QString thicknessLine(KeyName key) const;
  QString priceLine() const;
  QString hoursLine() const;
  QString sizeFooter() const;                            // pipe-size axis caption
  QString axisFooter(int msgIndex, int unitCode) const;  // message + "(" + unit + ")"
  QString costUnit() const;                              // currency/length per year
  // Caption + temperature (no decimals in inch-pound, 1 otherwise) + unit, no blanks.
  QString temperatureLabel(int msgIndex, Real value) const;

  const AppState& state;
  int unit;

 protected:
  // The surface coefficient under the caption of the family's local-conditions dialog: as
  // typed, or the method's name when it is calculated (the typed value is not used then).
  QString haLineUnder(const char* captionKey) const;

 private:
  const char* section_;
};

}  // namespace qora
