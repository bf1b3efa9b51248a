// A picture loaded from the picture folder: JPEG and bitmaps decoded by Qt's image
// plugins; a metafile name (.WMF) resolves to the SVG of the same base name. Names are
// matched without regard to case. A missing or undecodable file gives an empty picture,
// which draws nothing.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace qora {

class Picture {
 public:
  Picture() = default;
  bool isEmpty() const { return image_.isNull() && !svg_; }
  const QImage& image() const { return image_; }
  QSvgRenderer* svg() const { return svg_.get(); }
  QSize naturalSize() const;

  static Picture fromImage(QImage image);
  static Picture fromSvg(std::shared_ptr<QSvgRenderer> svg);

 private:
  QImage image_;
  std::shared_ptr<QSvgRenderer> svg_;
};

// Loads fileName; the folder part is taken as given, the file name is matched without
// regard to case.
Picture LoadPicture(const QString& fileName);

}  // namespace qora
