// The bar at the bottom of every application screen: unit-system button, return to the
// menu, the parameters, k-value, insulation-size and insulation-cost dialogs, and the
// desktop calculator.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

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
  explicit MainBar(AppState& state, QWidget* parent = nullptr);

  void setUnitCaption(const QString& caption);
  void applyLanguage();
  // Starts the calculator without waiting; says in the bar when none is installed.
  // Returns whether one was started.
  bool startCalculator(const QStringList& searchPaths = {});
  QString message() const;

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
  QWidget* corner_ = nullptr;
};

}  // namespace qora
