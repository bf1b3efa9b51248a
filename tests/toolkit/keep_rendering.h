// Renderings a person can look at: set QORA_RENDER_DIR and the tests save their images
// there.
#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

namespace qora::test {

inline void KeepRendering(const QImage& img, const char* name) {
  const QByteArray dir = qgetenv("QORA_RENDER_DIR");
  if (!dir.isEmpty()) img.save(QString::fromUtf8(dir) + "/" + name);
}

}  // namespace qora::test
