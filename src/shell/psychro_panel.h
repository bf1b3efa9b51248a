// The psychrometric calculator at the top of the appendix: the room temperature, a dew
// point and a relative humidity typed in; the relative humidity and the dew point they
// give, recomputed on every keystroke, "N/A" where there is no answer.
#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

namespace qora {

struct AppState;

class PsychroPanel : public QFrame {
  Q_OBJECT
 public:
  explicit PsychroPanel(AppState& state, QWidget* parent = nullptr);

  // Unit labels of the active unit system, then the answers again.
  void relabelUnits();
  void recompute();

  QLineEdit& roomTemperature() const { return *tdb_; }
  QLineEdit& dewPoint() const { return *tdp_; }
  QLineEdit& relativeHumidity() const { return *rh_; }
  QString relativeHumidityAnswer() const;
  QString dewPointAnswer() const;

 private:
  AppState& state_;
  QLineEdit* tdb_;
  QLineEdit* tdp_;
  QLineEdit* rh_;
  QLabel* tdbUnit_;
  QLabel* tdpUnit_;
  QLabel* rhUnit_;
  QLabel* rhAnswer_;
  QLabel* tdpAnswer_;
};

}  // namespace qora
