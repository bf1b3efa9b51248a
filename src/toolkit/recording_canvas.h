// Canvas that records every primitive with its resolved geometry as one text line, for
// tests that compare draw lists with committed references. Text is measured as on an
// ImageCanvas (pixels) or a PageCanvas (millimetres) of the same size would measure it.
#pragma once

#include <QSizeF>
#include <memory>
#include <string>

#include "toolkit/canvas.h"

namespace qora {

class RecordingCanvas : public Canvas {
 public:
  enum class Units { Pixels, Millimetres };
  RecordingCanvas(QSizeF size, Units units = Units::Pixels);
  ~RecordingCanvas() override;
  // One line per primitive, numbers with at most 3 decimals.
  std::string log() const;
  // ... Canvas overrides
 private:
  struct State;
  std::unique_ptr<State> d_;
};

}  // namespace qora
