// One input panel of a chart screen, built from the panel description of its analysis
// (charts/panel_desc.h): which settings section it edits and, field by field, the kind of
// control, its settings key, its caption and its unit.
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

#include "charts/panel_desc.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace qora {

struct AppState;

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
