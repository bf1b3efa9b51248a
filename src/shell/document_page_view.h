// The page picture of a reference document inside its scroll area. The whole page is one
// picture; the scroll bars or dragging the page with the mouse move it. While a button is
// held the point grabbed stays under the pointer: a drag up by n pixels scrolls down by n.
#pragma once

#include <QImage>
#include <QPointF>
#include <QScrollArea>

namespace qora {

class DocumentPageView : public QScrollArea {
  Q_OBJECT
 public:
  explicit DocumentPageView(QWidget* parent = nullptr);

  // Shows a new page at the top.
  void setPage(QImage page);
  const QImage& page() const;
  bool dragging() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Picture;
  Picture* picture_;
  bool dragging_ = false;
  QPointF grabbed_;  // in page coordinates
};

}  // namespace qora
