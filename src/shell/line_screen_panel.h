// One input panel of a line screen, built from a small descriptor: which settings section
// it edits and, field by field, the kind of control, its settings key, its caption and its
// unit. The chilled-water and hot-water screens describe their sixteen panels in two
// tables (chill_panels.h, hot_panels.h) and share everything else here.
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace qora {

struct AppState;

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

// A typed value of a list-or-typed box lives in the transient key `key` + kTypedKeySuffix
// (model/settings.h) until the next panel set-up.

class LinePanel : public QFrame {
  Q_OBJECT
 public:
  LinePanel(AppState& state, const PanelDesc& desc, QWidget* parent = nullptr);

  const PanelDesc& desc() const { return desc_; }

  // Refills the lists for the current unit system and pipe type, relabels the captions
  // and units and re-reads every input from the settings. Keeps list positions; a
  // position that names no entry leaves the box without a selection. Never emits
  // edited(): the readiness flag is cleared while the lists are refilled.
  void setUp();

  // The readiness flag: edited() is emitted only while it is set.
  bool ready() const { return ready_; }
  void setReady(bool ready) { ready_ = ready; }

  // The control of a field by its settings key (nullptr when unknown).
  QWidget* control(const char* key) const;

 signals:
  // An input changed (already written to the settings) and the panel is ready.
  void edited();

 private:
  struct Field {
    const FieldDesc* desc;
    QLabel* caption = nullptr;
    QWidget* control = nullptr;
    QLabel* unit = nullptr;
  };

  void build();
  QWidget* makeControl(const FieldDesc& f);
  QStringList listFor(FieldKind kind) const;
  QString captionFor(const FieldDesc& f) const;
  void setUpField(Field& field);
  void changed();
  void comboChosen(const Field& field, int index);
  void comboTyped(const Field& field, const QString& text);
  void hoursMoved(const Field& field, int hours);
  void showHours(const Field& field, int hours);

  AppState& state_;
  const PanelDesc& desc_;
  std::vector<Field> fields_;
  bool ready_ = false;
  bool filling_ = false;  // programmatic changes during set-up write nothing
};

}  // namespace qora
