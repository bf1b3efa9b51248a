// The bar at the bottom of every application screen: unit-system button, return to the
// menu, the parameters, k-value, insulation-size and insulation-cost dialogs, and the
// desktop calculator.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace qora {

struct AppState;

// Desktop calculators, in order of preference.
const QStringList& CalculatorPrograms();
// The first calculator found on PATH (or in `searchPaths` when given); empty when none.
QString FindCalculator(const QStringList& searchPaths = {});

class MainBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 50;
  // How long a note stays in the bar.
  static constexpr int kMessageMs = 6000;
  explicit MainBar(AppState& state, QWidget* parent = nullptr);

  void setUnitCaption(const QString& caption);
  void applyLanguage();
  // Starts the calculator without waiting; says in the bar for a few seconds when none is
  // installed (the programs looked for are in the note's hint). Returns whether one was
  // started.
  bool startCalculator(const QStringList& searchPaths = {});
  QString message() const;
  // The note's label and the timer that clears it.
  QLabel& messageLabel() const { return *message_; }
  QTimer& messageTimer() const { return *messageTimer_; }

 signals:
  void unitClicked();
  void returnClicked();
  void paramsClicked();
  void kValueClicked();
  void insulSizeClicked();
  void insulCostClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPushButton* addButton(const char* name, const QString& text, const QString& hint);

  AppState& state_;
  QPushButton* unit_ = nullptr;
  QLabel* message_ = nullptr;
  QTimer* messageTimer_ = nullptr;
  QWidget* corner_ = nullptr;
};

}  // namespace qora
