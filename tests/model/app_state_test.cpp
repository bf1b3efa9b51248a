#include "model/app_state.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

TEST(ProgramState, FreshInstallStartsFromTheShippedFiles) {
  TempHome home;
  for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN", "QORAPUR"}) {
    home.copyShipped(f);
  }
  AppState state;
  LoadProgramState(state, home.path());
  EXPECT_EQ(state.settings.pipeType(), 2);  // copper, as a first start has it
  EXPECT_FALSE(PipeSizeNames(state.params, 2, 1).isEmpty());
  EXPECT_EQ(NonEmpty(state.params.kChilled[1]).size(), 10);
  EXPECT_FALSE(state.lang.MsgText(1).isEmpty());
  EXPECT_EQ(state.lang.logoPictureName, "QORALINE.WMF");

  // The language index read early decides the message file: the second brand's edition.
  home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=6\n");
  AppState pur;
  LoadProgramState(pur, home.path());
  EXPECT_EQ(pur.settings.langIndex(), 6);
  EXPECT_EQ(pur.lang.logoPictureName, "QORAPUR.WMF");
  EXPECT_EQ(pur.lang.hint("QORAForm.kCalcBitBtn"), "QORAPUR k Value");

  // A language that is not installed falls back to the English message file.
  home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=4\n");
  AppState jp;
  LoadProgramState(jp, home.path());
  EXPECT_EQ(jp.settings.langIndex(), 4);
  EXPECT_EQ(jp.lang.MsgText(1), state.lang.MsgText(1));
}

}  // namespace
}  // namespace qora
