#include "toolkit/picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>

namespace qora {

QSize Picture::naturalSize() const {
  if (!image_.isNull()) return image_.size();
  if (svg_) return svg_->defaultSize();
  return {};
}

Picture Picture::fromImage(QImage image) {
  Picture p;
  p.image_ = std::move(image);
  return p;
}

Picture Picture::fromSvg(std::shared_ptr<QSvgRenderer> svg) {
  Picture p;
  if (svg && svg->isValid()) p.svg_ = std::move(svg);
  return p;
}

namespace {

// The path of `name` in `folder` matched without regard to case; empty when absent. The
// exact spelling is tried first, so the folder is listed only when it differs.
QString FindWithoutCase(const QString& folder, const QString& name) {
  const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
  if (QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
  for (const QString& e : entries) {
    if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
  }
  return {};
}

}  // namespace

Picture LoadPicture(const QString& fileName) {
  if (fileName.isEmpty()) return {};
  QString path = fileName;
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));  // the language files use '\'
  const QFileInfo info(path);
  const QString folder = info.path();
  QString name = info.fileName();
  const QString suffix = info.suffix().toLower();
  // Metafiles are shipped as SVG drawings of the same base name.
  const bool vector = suffix == QLatin1String("wmf") || suffix == QLatin1String("emf") ||
                      suffix == QLatin1String("svg");
  if (vector) name = info.completeBaseName() + QStringLiteral(".svg");

  const QString found = FindWithoutCase(folder, name);
  if (found.isEmpty()) return {};
  if (vector) return Picture::fromSvg(std::make_shared<QSvgRenderer>(found));

  // The decoder follows the file's content, so a JPEG named .bmp still loads.
  QImageReader reader(found);
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return {};
  return Picture::fromImage(std::move(image));
}

}  // namespace qora
