// No two texts of a chart overlap and none leaves the picture, on the screens the program
// is laid out for, in every unit system, with the texts measured in the fonts the set-up
// installs. The charts are those of the shipped settings (converted as the unit button
// converts them), and the grid charts once more with every pipe size of the table (the
// R-value charts with every tube and all twelve nominal thicknesses or ten R-values).
#include <gtest/gtest.h>

#include <QRectF>
#include <sstream>

#include "analyses/analysis_registry.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "model/app_state.h"
#include "model/param_tables.h"
#include "shell/unit_relabel.h"
#include "test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora::test {
namespace {

struct TextBox {
  QRectF box;
  std::string text;
};

// The text primitives of a draw list: "text X Y "..." size W H ...".
std::vector<TextBox> Texts(const std::string& log) {
  std::vector<TextBox> out;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("text ", 0) != 0) continue;
    std::istringstream head(line.substr(5));
    double x = 0, y = 0;
    head >> x >> y;
    const auto open = line.find('"'), close = line.rfind("\" size ");
    std::istringstream size(line.substr(close + 7));
    double w = 0, h = 0;
    size >> w >> h;
    if (w <= 0) continue;  // an empty label takes no room
    out.push_back({QRectF(x, y, w, h), line.substr(open + 1, close - open - 1)});
  }
  return out;
}

std::string Box(const QRectF& r) {
  std::ostringstream out;
  out << "[" << r.left() << "," << r.top() << " " << r.width() << "x" << r.height() << "]";
  return out.str();
}

class ChartOverlap : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f :
         {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "QORA2000.ini", "EN", "QDTgraph"}) {
      home.copyShipped(f);
    }
    LoadProgramState(shipped, home.path());
  }
  // The state in unit system `unit`, reached by the unit button from the shipped one.
  AppState inSystem(int unit) const {
    AppState s = shipped;
    const int old = s.settings.unitSystem();
    s.settings.setUnitSystem(unit);
    ConvertUnitValues(s.settings, old);
    return s;
  }
  TempHome home;
  AppState shipped;
};

TEST_F(ChartOverlap, NoTwoTextsOverlapAndNoneLeavesThePicture) {
  int charts = 0;
  for (int unit = 1; unit <= 3; ++unit) {
    for (bool allSizes : {false, true}) {
      AppState s = inSystem(unit);
      if (allSizes) {
        const int last =
            int(PipeSizeNames(s.params, s.settings.pipeType(), s.settings.unitSystem()).size()) - 1;
        for (const char* section : {kSecChilled, kSecHot}) {
          for (const char* key : {"k_Const_PpSzFrom", "RH_Const_PpSzFrom", "T_Const_PpSzFrom"}) {
            if (FindSettingKey(section, key))
              s.settings.setInteger(section, KeyName::runtime(key), 0);
          }
          for (const char* key : {"k_Const_PpSzTo", "RH_Const_PpSzTo", "T_Const_PpSzTo"}) {
            if (FindSettingKey(section, key))
              s.settings.setInteger(section, KeyName::runtime(key), last);
          }
        }
        const int u = s.settings.unitSystem();
        s.settings.setInteger(kSecRValue, "IDFrom", 0);
        s.settings.setInteger(kSecRValue, "IDTo", int(NonEmpty(s.insul.tube[u - 1][0]).size()) - 1);
        s.settings.setInteger(kSecRValue, "ThFrom", 0);
        s.settings.setInteger(kSecRValue, "ThTo",
                              int(NonEmpty(s.insul.sheet[u - 1][0]).size()) - 1);
        s.settings.setInteger(kSecRValue, "RvalueFrom", 0);
        s.settings.setInteger(kSecRValue, "RvalueTo",
                              int(NonEmpty(s.params.rValue[u - 1][0]).size()) - 1);
      }
      for (const AnalysisDef* def : AllAnalyses()) {
        if (allSizes && KindOf(def->id) != ChartKind::Grid) continue;
        const ComputeResult r = ComputeChart(*def, s);
        ASSERT_TRUE(r.drawn) << def->cliName << " " << unit << ": " << r.refusal;
        for (int width : {800, 1024, 1920}) {
          SCOPED_TRACE(std::string(def->cliName) + " unit " + std::to_string(unit) + " at " +
                       std::to_string(width) + (allSizes ? " (all sizes)" : ""));
          const PictureSize area = ChartAreaSize(width, width * 3 / 4);
          RecordingCanvas canvas(QSizeF(area.width, area.height));
          DrawScreenChart(canvas, LayoutFromScreen(width, area.height), s, r.data);
          const std::vector<TextBox> texts = Texts(canvas.log());
          const QRectF picture(0, 0, area.width, area.height);
          for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(picture.contains(texts[i].box)) << texts[i].text;
            for (size_t j = i + 1; j < texts.size(); ++j) {
              // Touching edges are not an overlap: measured boxes carry the line spacing.
              const QRectF both = texts[i].box.intersected(texts[j].box);
              EXPECT_FALSE(both.width() > 0.5 && both.height() > 0.5)
                  << "\"" << texts[i].text << "\" " << Box(texts[i].box) << " and \""
                  << texts[j].text << "\" " << Box(texts[j].box);
            }
          }
          ++charts;
        }
      }
    }
  }
  EXPECT_EQ(charts, 3 * (18 + 6) * 3);
}

}  // namespace
}  // namespace qora::test
