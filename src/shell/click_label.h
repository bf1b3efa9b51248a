// A caption that acts when clicked with the left button (the ha selector's label, the
// R-value dialog's captions of its radio buttons).
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace qora {

class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (onClick && e->button() == Qt::LeftButton) onClick();
    QLabel::mouseReleaseEvent(e);
  }
};

}  // namespace qora
