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

// What `qora2000 --edition NAME` does: the choice is written as the settings' Language
// (keeping every other line of the file), this start loads that edition, and the next
// start without the option keeps it.
TEST(ProgramState, AChosenEditionIsWrittenAsLanguageAndKeptAtTheNextStart) {
  TempHome home;
  for (const char* f : {"EN", "EU", "JP"}) home.copyShipped(f);
  home.writeFile("QORA2000.ini", "; mine\n[QORA2000]\nUnits=2\nLanguage=1\n[Other]\nx=1\n");
  const QString ini = home.path() + "/QORA2000.ini";
  ASSERT_TRUE(WriteLanguageIndex(ini, 2));
  AppState chosen;
  LoadProgramState(chosen, home.path());
  EXPECT_EQ(chosen.settings.langIndex(), 2);
  EXPECT_EQ(chosen.settings.unitSystem(), 2);
  EXPECT_EQ(chosen.lang.menuItemNames[9], "Beenden");
  const QByteArray file = home.readFile("QORA2000.ini");
  EXPECT_TRUE(file.contains("; mine")) << file.toStdString();
  EXPECT_TRUE(file.contains("x=1")) << file.toStdString();

  // A missing file is created with the one key.
  TempHome fresh;
  ASSERT_TRUE(WriteLanguageIndex(fresh.path() + "/QORA2000.ini", 4));
  EXPECT_EQ(ReadLanguageIndex(fresh.path() + "/QORA2000.ini"), 4);

  // The edition given to the load stands for the file's Language throughout, even when
  // the file could not take it: the texts, the settings and so the next save.
  AppState jp;
  LoadProgramState(jp, home.path(), 4);
  EXPECT_EQ(jp.settings.langIndex(), 4);
  EXPECT_EQ(jp.lang.langIndex, 4);
  EXPECT_EQ(jp.lang.menuItemNames[9], QString::fromUtf8("終了"));
}

TEST(ProgramState, EditionNamesGiveTheirLanguageIndexInAnyCase) {
  const struct {
    const char* name;
    int index;
  } cases[] = {{"EN", 1}, {"eu", 2}, {"Cn", 3},  {"JP", 4}, {"thai", 5}, {"QORAPUR", 6},
               {"DE", 0}, {"", 0},   {"EN ", 0}, {"1", 0},  {"THAIX", 0}};
  for (const auto& c : cases) EXPECT_EQ(EditionIndex(c.name), c.index) << c.name;
  for (const char* name : LangFolders) EXPECT_TRUE(EditionNamesForHelp().contains(name));
}

}  // namespace
}  // namespace qora
