// The input panel of an analysis as data: which settings section it edits and, field by
// field, the kind of control, its settings key, the component names of the control and of
// its caption, the caption when the language gives none, and the unit shown after it. The
// screens build their panels from this; the keys are checked against the settings table.
#pragma once

#include <vector>

namespace qora {

enum class FieldKind {
  PipeSizeList,  // names of the pipe sizes of the current pipe type and unit system
  RhList,        // relative humidities
  KChilledList,  // k values for cold lines
  KHotList,      // k values for hot lines
  TsurfList,     // surface temperatures
  KHotTyped,     // hot k list, or a value typed into the box
  TsurfTyped,    // surface-temperature list, or a value typed into the box
  Number,        // edit box with the numeric key filter
  Hours,         // track bar 1..48 hours
  TubeList,      // labels of the insulation tubes (nominal inside diameters)
  SheetList,     // labels of the nominal insulation thicknesses
  RValueList,    // labels of the R-values
};

// How the caption above a control is made.
enum class CaptionKind {
  Role,       // the language caption of the label's role
  SizeUnit,   // message 4 + " (" + thickness unit + ")"
  TsurfUnit,  // message 25 + "," + temperature unit
};

struct FieldDesc {
  FieldKind kind;
  const char* key;       // settings key in the panel's section
  const char* control;   // component name, e.g. "ChillTsufThEdit"
  const char* label;     // caption label's component name; nullptr: no caption
  const char* fallback;  // caption when the language gives none
  CaptionKind caption = CaptionKind::Role;
  int unitCode = 0;  // unit label after the control (quantity code 1..12; 0: none)
};

struct PanelDesc {
  const char* name;     // component name, e.g. "ChillkConstPanel"
  const char* section;  // settings section the fields edit
  std::vector<FieldDesc> fields;
};

}  // namespace qora
