// The panel and dialog texts a graph printout prints, read from the settings as the user
// left them (typed texts as typed), for one of the sixteen line-screen analyses.
#pragma once

#include <QString>

#include "charts/chart_data.h"
#include "engine/real.h"

namespace qora {

struct AppState;

namespace printout {

bool IsHotAnalysis(AnalysisId id);

struct PanelTexts {
  QString tdb, top, ha;  // local-conditions dialog
  QString haCaption;     // caption of the dialog's ha label
  QString pipe;          // selected size name
  QString k, rh, tsurf;  // selected list texts (fixed parameter of the panel)
  QString thickness;     // insulation thickness (by length, by time)
  QString flow;          // by length
  QString currency;      // parameters dialog
  QString hoursPerDay, daysPerYear;
  Real tdbValue = 0, topValue = 0, tsurfValue = 0;
};

PanelTexts ReadPanelTexts(AnalysisId id, const AppState& state, int unit);

// Table texts by 1-based row; empty outside the table.
QString PipeSizeName(const AppState& state, int unit, int row);
QString RhText(const AppState& state, int row);
QString KText(const AppState& state, bool hot, int unit, int row);
QString TsurfText(const AppState& state, int unit, int row);

}  // namespace printout
}  // namespace qora
