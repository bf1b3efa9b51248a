// A single-answer form (duct, operating equipment, storage tank), described once: its id
// and command-line name, its settings section, the fields it shows and prints, its answers,
// and its compute, which validates exactly as the screen's change handler does and returns
// the values and the answer texts the screen shows (or a refusal name). The screens, the
// printouts and the command-line tool all read this description.
#pragma once

#include <QString>
#include <limits>
#include <string>
#include <vector>

#include "engine/real.h"

namespace qora {

struct AppState;

enum class FormId { Duct, Operating, Storage };

// What a field holds and how its value is read from the form's settings section.
enum class FormFieldKind {
  Number,        // an edit box: the text as typed
  SurfaceCoef,   // the ha edit box; "By ASTM C680" takes its place when ha is calculated
  RhList,        // position in the relative-humidity list
  KChilledList,  // position in the chilled-water k list of the unit system
  KTankList,     // position in the chilled- or hot-water k list, by the tank's service
};

struct FormField {
  const char* label;     // component whose caption names the field ("DuctLabel1")
  const char* fallback;  // English caption when the language gives none
  const char* control;   // the input's component name ("DuctTdbEdit")
  const char* unitName;  // the unit label's component name ("DuctTdbUntLabel")
  const char* key;       // settings key in the form's section
  FormFieldKind kind;
  int unitCode;          // quantity code of the unit label; 0: unitRole or unitText
  const char* unitRole;  // caption role of a unit label that is a caption ("StorUntLabel06")
  const char* unitText;  // a unit written as it is ("%")
  int shape;             // -1: always; 0..2: a dimension of that tank shape only
};

// Which value an answer line shows.
enum class FormAnswerKind { Thickness, HeatGain };

struct FormAnswer {
  FormAnswerKind kind;
  const char* label;       // the screen's caption component ("DuctAnsTLabel")
  const char* fallback;    // its English caption
  const char* printLabel;  // the caption the printed line starts with
  const char* valueName;   // the answer label's component name ("DuctAnsLabel")
  const char* unitName;    // its unit label's component name ("DuctAnsUntLabel")
  int unitCode;            // quantity code of the unit: 4 thickness, 11 heat per area
};

inline constexpr Real kNoValue = std::numeric_limits<Real>::quiet_NaN();

// The values of one computation, in the active unit system. A value the computation did
// not reach (or that is not finite) is kNoValue.
struct FormResult {
  FormId form = FormId::Duct;
  int unitSystem = 1;
  bool computed = false;
  std::string refusal;  // the check that failed, when not computed
  Real dewPoint = kNoValue;
  Real surfaceCoef = kNoValue;
  Real thickness = kNoValue;  // as the solver gives it, before the answer rules
  Real heatGain = kNoValue;   // operating equipment: per unit area through the thickness
  int shape = 0;              // storage: 0 box, 1 cylinder, 2 sphere
  Real area = kNoValue;       // storage: whole outer surface
  Real volume = kNoValue;     // storage: the water's volume
  QString answer;             // the thickness answer as the screen shows it
  QString heatGainText;       // operating equipment: the heat gain as shown
};

using FormComputeFn = FormResult (*)(const AppState& state);

struct FormDef {
  FormId id;
  const char* cliName;            // "duct", "operating", "storage"
  const char* section;            // settings section of its inputs
  const char* panelName;          // "DuctPanel"
  const char* title;              // caption component of the title ("DuctText")
  const char* titleFallback;      // its English caption
  const char* jobTitle;           // print-job title ("QORA2000-Duct")
  const char* astmName;           // the "By ASTM C680" label's component name
  const char* helpName;           // the surface-coefficient help box's component name
  const char* printName;          // the print button's component name
  const char* returnName;         // the return button's component name
  std::vector<FormField> fields;  // in printed order
  std::vector<FormAnswer> answers;
  FormComputeFn compute;
};

// The three forms in menu order of their screens: duct, storage, operating.
const std::vector<FormDef>& FormDefs();
const FormDef& FormOf(FormId id);
// By command-line name; nullptr when unknown.
const FormDef* FindForm(const std::string& cliName);

}  // namespace qora
