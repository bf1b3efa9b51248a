// Message file layout, section reader, decoding of legacy code pages.
#include "model/language.h"

#include <gtest/gtest.h>

#include <set>

#include "model/language_roles.h"
#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

QByteArray MessageFile(const QByteArray& blockA, const QByteArray& blockB,
                       const QStringList& fixed) {
  return blockA + "@\r\n" + blockB + "@\r\n" + fixed.join("\r\n").toUtf8() + "\r\n";
}

TEST(LanguageRoles, MainWindowCaptionsFillLines133To248InOrder) {
  std::set<int> lines;
  for (const RoleLine& r : MessageFileRoles()) lines.insert(r.line);
  for (int l = 133; l <= 248; ++l) EXPECT_TRUE(lines.count(l)) << l;
  // Separator lines between the dialogs' blocks are read and ignored.
  for (int l : {269, 271, 288, 305, 312, 319, 350, 353, 360}) EXPECT_FALSE(lines.count(l)) << l;
  EXPECT_EQ(*lines.rbegin(), 369);
}

TEST(LanguageTexts, BlocksAndFixedPartLandInTheirPlaces) {
  TempHome home;
  QStringList fixed = MessageFileFixedPart(BuiltinLanguageTexts());
  fixed[10] = QString::fromUtf8("SI-name-longer-than-twenty");  // line 11, width 20
  fixed[85 + 12 - 1] = "K";                                     // line 97: system 2, code 1
  fixed[282 - 1] = "ha here";                                   // ChillLocalDlg.haLabel
  fixed[258 - 1] = "print it";                                  // four print buttons
  QByteArray blockA;
  for (int i = 0; i < 75; ++i) blockA += "msg" + QByteArray::number(i) + "\n";
  QByteArray blockB;
  for (int i = 0; i < 23; ++i) blockB += "Face" + QByteArray::number(i) + "\n";
  home.writeFile("EN/EN-msg.qdt", MessageFile(blockA, blockB, fixed));

  LanguageTexts t = BuiltinLanguageTexts();
  ASSERT_TRUE(LoadLanguageTexts(t, home.path(), 1));
  EXPECT_EQ(t.MsgText(0), "msg0");
  EXPECT_EQ(t.MsgText(72), "msg72");  // lines 73 and 74 have no place and are dropped
  EXPECT_EQ(t.Font(22), "Face22");
  EXPECT_EQ(t.UnitSystemName(1), "SI-name-longer-than-");
  EXPECT_EQ(t.UnitLabel(2, 1), "K");
  EXPECT_EQ(t.UnitLabel(1, 1), QString::fromUtf8("°F"));
  EXPECT_EQ(t.caption("ChillLocalDlg.haLabel"), "ha here");
  EXPECT_EQ(t.caption("HotLocalDlg.haLabel"), "Surface Coefficient ha");
  EXPECT_EQ(t.hint("QORAForm.OprtPrintBitBtn"), "print it");
  EXPECT_EQ(t.hint("QORAForm.RetMainBitBtn"), t.caption("QORAForm.RetMainBitBtn"));
  EXPECT_EQ(t.faces.value("ChillLocalDlg.haLabel"), "Face22");
  EXPECT_EQ(t.faces.value("QORAForm.TitleLabel"), "Face8");
  EXPECT_EQ(t.faces.value("QORAForm.DucthaHelp"), "Face10");
  EXPECT_EQ(t.unitLabelFace, "Face10");
  EXPECT_EQ(t.caption("InsCostDlg.InsCostIPSHeadLabel"), "msg4");
  EXPECT_EQ(t.caption("InsuSzDlg.InsuSzHd04StaticText"),
            t.caption("InsuSzDlg.InsuSzTubeIDTabSheet"));
  EXPECT_EQ(t.selPipeComboItems,
            QStringList({t.caption("InsCostDlg.IPSTabSheet"), t.caption("InsCostDlg.CpTabSheet")}));
  EXPECT_EQ(t.logoPictureName, "QORALINE.WMF");
}

TEST(LanguageTexts, FileStartingWithAtGivesEmptyMessagesAndMissingFileChangesNothing) {
  TempHome home;
  LanguageTexts t = BuiltinLanguageTexts();
  t.msg[3] = "kept";
  EXPECT_FALSE(LoadLanguageTexts(t, home.path(), 6));
  EXPECT_EQ(t.msg[3], "kept");
  EXPECT_EQ(t.logoPictureName, "QORALINE.WMF");

  home.writeFile("QORAPUR/QORAPUR-msg.qdt", "@\nArial\n@\nMenu 1\n");
  ASSERT_TRUE(LoadLanguageTexts(t, home.path(), 6));
  for (const QString& m : t.msg) EXPECT_TRUE(m.isEmpty());
  EXPECT_EQ(t.Font(0), "Arial");
  EXPECT_EQ(t.menuItemNames[0], "Menu 1");
  // Lines past the end of a short file leave the built-in texts.
  EXPECT_EQ(t.menuItemNames[9], "Quit");
  EXPECT_EQ(t.caption("ParamDlg.RHSheet"), "Relative Humidity");
  EXPECT_EQ(t.logoPictureName, "QORAPUR.WMF");
}

// The font rule: a face the message file leaves empty (or a file with no faces at all)
// is the installed family of the edition's script, never an empty name.
TEST(LanguageTexts, EmptyFacesAreTheEditionsInstalledFamily) {
  const struct {
    int lang;
    const char* face;
  } cases[] = {{1, "Liberation Sans"}, {2, "Liberation Sans"}, {3, "WenQuanYi Zen Hei"},
               {4, "IPAGothic"},       {5, "Garuda"},          {6, "Liberation Sans"}};
  for (const auto& c : cases) {
    TempHome home;
    const QString folder = LanguageFolder(c.lang);
    home.writeFile(folder + "/" + folder + "-msg.qdt", "M0\n@\n\n  \n@\nMenu 1\n");
    LanguageTexts t = BuiltinLanguageTexts();
    ASSERT_TRUE(LoadLanguageTexts(t, home.path(), c.lang));
    for (int i : {0, 1, 10, 22, -1, 23}) EXPECT_EQ(t.Font(i), c.face) << c.lang << " " << i;
    // Faces given to controls by role follow the same rule.
    EXPECT_EQ(t.unitLabelFace, c.face);
  }
  // The built-in texts (no message file at all) name their faces too.
  for (int i = 0; i < 23; ++i) EXPECT_FALSE(BuiltinLanguageTexts().Font(i).isEmpty());
}

TEST(LanguageTexts, LegacyCodePagesWhenTheBytesAreNotUtf8) {
  struct Case {
    int lang;
    QByteArray bytes;
    const char* utf8;
  } const cases[] = {
      {5, "\xCD\xD8\xB3\xCB\xC0\xD9\xC1\xD4 \xDF",
       "\u0E2D\u0E38\u0E13\u0E2B\u0E20\u0E39\u0E21\u0E34 \u0E3F"},
      {1,
       "25\xB0"
       "C m\xB2",
       "25°C m²"},
      {3, "\xCE\xC2\xB6\xC8", "温度"},
      {4, "\x89\xB7\x93\x78", "温度"},
      {5, "\xE0\xB8\xBF", "\u0E3F"},  // valid UTF-8 is taken as UTF-8 in every language
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeLanguageBytes(c.bytes, c.lang), QString::fromUtf8(c.utf8)) << c.lang;
  }
}

TEST(LanguageTexts, ThaiMessageFileInWindows874) {
  TempHome home;
  home.writeFile("THAI/THAI-msg.qdt", "\xCD\xD8\xB3\xCB\xC0\xD9\xC1\xD4\r\n@\r\n");
  LanguageTexts t = BuiltinLanguageTexts();
  ASSERT_TRUE(LoadLanguageTexts(t, home.path(), 5));
  EXPECT_EQ(t.MsgText(0), QString::fromUtf8("\u0E2D\u0E38\u0E13\u0E2B\u0E20\u0E39\u0E21\u0E34"));
}

TEST(ReadSection, KeysMatchExactlyAndSectionsEndAtTheNextAtOrTheEnd) {
  TempHome home;
  home.writeFile("EN/EN-mnu.qdt",
                 "intro\r\n@PROD \r\nnot this\r\n@PROD\r\none\r\n\r\n  three  \r\n@CHILLED\r\n"
                 "c1\r\n@QUIT\r\nlast 1\r\nlast 2");
  const QString path = LanguageFilePath(home.path(), 1, "mnu.qdt");
  EXPECT_EQ(ReadSection(path, "@PROD", 1), QStringList({"one", "", "  three  "}));
  EXPECT_EQ(ReadSection(path, "@CHILLED", 1), QStringList({"c1"}));
  EXPECT_EQ(ReadSection(path, "@QUIT", 1), QStringList({"last 1", "last 2"}));
  EXPECT_TRUE(ReadSection(path, "@prod", 1).isEmpty());
  EXPECT_TRUE(ReadSection(path, "@HOT", 1).isEmpty());
  EXPECT_TRUE(ReadSection(home.path() + "/none.qdt", "@PROD", 1).isEmpty());
}

TEST(ReadSection, BodyTextSizeByScreenWidth) {
  const std::pair<int, int> cases[] = {{640, 10},  {800, 10},  {801, 12}, {1024, 12},
                                       {1025, 14}, {2000, 14}, {2001, 10}};
  for (const auto& [width, size] : cases) EXPECT_EQ(TextSizeForScreen(width), size) << width;
}

TEST(ReadSection, FileNamesFollowTheLanguageFolder) {
  EXPECT_EQ(LanguageFilePath("/app", 5, "mnu.qdt"), "/app/THAI/THAI-mnu.qdt");
  EXPECT_EQ(LanguageFilePath("/app", 6, "msg.qdt"), "/app/QORAPUR/QORAPUR-msg.qdt");
  EXPECT_EQ(LanguageFilePath("/app", 9, "msg.qdt"), "/app/EN/EN-msg.qdt");
}

}  // namespace
}  // namespace qora
