// Two small widgets of the form screens: a framed picture of the picture folder drawn at
// the widget's size with its proportions kept, and an answer label that recalculates when
// it is clicked.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <functional>

#include "toolkit/picture.h"

namespace qora {

class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  // Loads the file (an empty picture when it is missing) and repaints.
  void setPictureFile(const QString& path);
  const QString& pictureFile() const { return file_; }
  bool hasPicture() const { return !picture_.isEmpty(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString file_;
  Picture picture_;
};

class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qora
