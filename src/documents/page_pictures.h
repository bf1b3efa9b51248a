// Pictures on the reference pages: stretched into their rectangle, or, for logos and
// wordmarks, fitted into it with their own proportions (a stretched wordmark looks
// plainly wrong), against the rectangle's left edge and centred in height.
#pragma once

namespace qora {

class Canvas;
class Picture;

void DrawFittedPicture(Canvas& c, const Picture& p, double x1, double y1, double x2, double y2);

}  // namespace qora
