// The splash page: the brand picture over the whole window, the start picture and label
// at the top right (a click on either starts the program), the edition title near the
// bottom and the maker's footer line.
#pragma once

#include <QWidget>

class QLabel;

namespace qora {

struct AppState;

class SplashView : public QWidget {
  Q_OBJECT
 public:
  explicit SplashView(AppState& state, QWidget* parent = nullptr);
  void applyLanguage();
  QLabel* startLabel() const { return startLabel_; }
  QWidget* startImage() const { return startImage_; }

 signals:
  void startClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeComponents();

  AppState& state_;
  QImage picture_;
  QWidget* startImage_ = nullptr;
  QLabel* startLabel_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* footer_ = nullptr;
};

}  // namespace qora
