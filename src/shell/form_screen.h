// A single-answer form screen (duct, operating equipment, storage tank), built from its
// form description: the title bar, a picture, the inputs with their units, the
// surface-coefficient help, the answer, and the return and print buttons. Every input is
// written into the settings at once and the answer recomputed; a click on the answer
// recomputes too. The screen keeps the result it showed last, which its print button
// prints.
#pragma once

#include "analyses/other/form_def.h"
#include "shell/screen.h"

namespace qora {

struct AppState;

class FormScreen : public Screen {
  Q_OBJECT
 public:
  FormScreen(AppState& state, const FormDef& def, QWidget* parent = nullptr);
  ~FormScreen() override;

  const FormDef& def() const;

  // Screen: laid out for the screen width (font sizes and the picture), set up, computed.
  void open(int screenWidth) override;
  void afterSettingsLoad() override;
  void relabelUnits(int oldSystem) override;
  void applyFactorBy() override;
  void refresh() override;

  // Captions, unit labels and lists for the current unit system and language, every input
  // re-read from the settings (list positions kept), the shape panel and picture of the
  // tank, the ha box or its "By ASTM C680" label, the help ranges. Writes nothing.
  void setUp();
  // Computes from the settings and shows the answers.
  void recompute();
  const FormResult& lastResult() const;
  // The picture file shown now.
  QString pictureFile() const;

 signals:
  void returnRequested();
  // An answer was computed and shown.
  void answered();

 private:
  struct Private;
  Private* d_;
};

// The screen of form `id`.
FormScreen* MakeFormScreen(AppState& state, FormId id, QWidget* parent);

}  // namespace qora
