// What the chilled-water analyses share: the pipe of a panel as the engine's pipe case,
// the chiller's power and its cost, the panel fields, and the heading texts.
#pragma once

#include <QString>
#include <vector>

#include "charts/analysis_texts.h"
#include "charts/chart_wording.h"
#include "charts/panel_desc.h"
#include "engine/calc_context.h"
#include "engine/pipe_heat.h"
#include "engine/real.h"

namespace qora {

struct AppState;

namespace chilled {

class Inputs;

// The pipe of outside diameter d with insulation of conductivity k under the screen's
// local conditions.
PipeCase Pipe(const Inputs& in, Real d, Real k);

// Chiller power per length: heat gain × kW per ton of refrigeration × 0.284 tons per kW.
Real ChillerPower(Real heatGain, Real kWTR);

// Yearly energy cost per foot (inch-pound) or per metre of the chiller power, with the
// price per kWh and the operating hours per year.
Real EnergyCostPerLength(int unitSystem, Real heatGain, Real kWTR, Real price, Real hours);

// Panel fields of the chilled-water screen (quantity codes of the unit labels: 2 k,
// 4 thickness).
FieldDesc SizeField(const char* key, const char* control, const char* label);
FieldDesc SizeToField(const char* key, const char* control, const char* label);
FieldDesc KField(const char* key, const char* control, const char* label);
FieldDesc ThicknessField(const char* key, const char* control, const char* label,
                         const char* caption = "Thickness");

// Heading texts of the chilled-water charts: the shared ones plus the relative humidity,
// the surface coefficient under the chilled local-conditions caption, and list entries at
// the positions the panel stores.
struct HeadingTexts : AnalysisTexts {
  HeadingTexts(const AppState& state, int unit);
  QString rhLine(const QString& rh) const;
  QString haLine() const;
  QString kAt(KeyName key) const;   // k list entry at the stored position
  QString rhAt(KeyName key) const;  // RH list entry at the stored position
  QString pipeAt(KeyName key) const;
  // Title and footer of a chart of one pipe over thickness, length or time, and its
  // pipe, room, line, k and ha lines.
  ChartWording pipeSpec(int titleMsg, const QString& footer, KeyName sizeKey, KeyName kKey) const;
};

}  // namespace chilled
}  // namespace qora
