// Pictures of the picture folder rendered at the size a widget needs them.
#pragma once

#include <QImage>
#include <QString>

class QPainter;

namespace qora {

class Picture;

// Draws the picture stretched into rect (nothing for an empty picture).
void DrawPictureInto(QPainter& p, const QRectF& rect, const Picture& picture);
// The picture file `path` rendered at `size` (a null image when the file is missing);
// stretched, or with `cover` scaled to fill the size keeping its proportions and cropped
// evenly at the sides.
QImage RenderPictureFile(const QString& path, QSize size, bool cover = false);

}  // namespace qora
