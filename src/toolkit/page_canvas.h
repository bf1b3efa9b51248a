// Canvas on a printed page (QPrinter or QPdfWriter): units are millimetres of the logical
// page (portrait 200 × 280, landscape 280 × 200), counted from the logical page's own
// top-left corner; the logical page is centred on the sheet and converted to device dots
// with MmToDots at the device's real resolution.
#pragma once

#include <QPagedPaintDevice>
#include <memory>

#include "toolkit/canvas.h"

namespace qora {

enum class PageOrientation { Portrait, Landscape };

class PageCanvas : public Canvas {
 public:
  // Sets the device's orientation and full-page mode, then begins painting on it.
  PageCanvas(QPagedPaintDevice& device, PageOrientation orientation);
  ~PageCanvas() override;  // ends painting (the document)
  int printerDpi() const;
  // ... Canvas overrides
 private:
  struct State;
  std::unique_ptr<State> d_;
};

// BeginPortraitPage / BeginLandscapePage defaults: font "AngsanaUPC" 12 pt black regular,
// brush white solid, pen black solid 0.5 mm. PageCanvas applies them on construction.

}  // namespace qora
