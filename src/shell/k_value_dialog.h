// The k-value dialog: k of the insulation against its mean temperature. A picture of the
// k line with the axis labels of the unit system, a point the user drags along the line
// (its temperature and k beside it), two small tables of k at fixed mean temperatures and
// a box that turns a typed mean temperature into k. It computes nothing for other screens.
#pragma once

#include <QDialog>
#include <QImage>

namespace qora {

struct AppState;

class KValueDialog : public QDialog {
  Q_OBJECT
 public:
  explicit KValueDialog(AppState& state, QWidget* parent = nullptr);
  ~KValueDialog() override;

  // Rebuilds everything for the current unit system and language (the point goes back to
  // the start of the line).
  void refresh();
  // Moves the point's centre to picture column x (clamped to the line).
  void movePointTo(int x);
  // The point's centre in picture pixels.
  QPoint pointCentre() const;
  // The picture with its axis labels, as shown.
  const QImage& picture() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void drawPicture();
  void fillTables();
  void showTypedK();

  struct Private;
  Private* d_;
};

}  // namespace qora
