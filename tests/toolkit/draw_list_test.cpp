// Draw lists of small scenes, compared with committed references under data/. Regenerate
// after an intended change with QORA_UPDATE_REFERENCES=1 and review the diff.
#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/draw.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::MatchesReference;

TEST(DrawList, TextAnchorShiftedForEveryAlignmentPair) {
  RecordingCanvas pic(QSizeF(400, 300));
  SetPicFont(pic, "Arial", 12, kRegular, kBlack);
  SetPicBrush(pic, kWhite, BrushStyle::Clear);
  // 3 = out of range, behaves as 0.
  for (int v = 0; v <= 3; ++v) {
    for (int h = 0; h <= 3; ++h) PicText(pic, h, v, "Wg", 100, 100);
  }
  EXPECT_TRUE(MatchesReference(pic.log(), "toolkit/data/text_alignment.txt"));
}

}  // namespace
}  // namespace qora
