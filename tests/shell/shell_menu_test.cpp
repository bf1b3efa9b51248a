// The main menu: geometry and hit edges, the delayed description, splash to menu.
#include <QLabel>
#include <QTest>
#include <cmath>

#include "shell/main_menu.h"
#include "shell/splash_view.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

struct GeometryCase {
  int w, h;
  int fontSize, menuTop, menuWidth, itemHeight, itemPitch;
};

// By hand: font W/100+1, top 0.03 H, width 0.16 W, item height width/4, pitch 0.08 H,
// each rounded half to even (1012: width 161.92 -> 162, height 40.5 -> 40).
TEST(MenuGeometry, FollowsTheScreenSize) {
  const GeometryCase cases[] = {
      {1024, 768, 11, 23, 164, 41, 61},
      {1920, 1080, 20, 32, 307, 77, 86},
      {1012, 768, 11, 23, 162, 40, 61},
      {800, 600, 9, 18, 128, 32, 48},
  };
  for (const auto& c : cases) {
    const MenuGeometry g = MenuGeometry::ForScreen(c.w, c.h);
    SCOPED_TRACE(c.w);
    EXPECT_EQ(g.menuFontSize, c.fontSize);
    EXPECT_EQ(g.menuTop, c.menuTop);
    EXPECT_EQ(g.menuWidth, c.menuWidth);
    EXPECT_EQ(g.itemHeight, c.itemHeight);
    EXPECT_EQ(g.itemPitch, c.itemPitch);
    EXPECT_EQ(g.description, QRect(std::lround(c.w * 0.22), std::lround(c.h * 0.22),
                                   std::lround(c.w * 0.7), std::lround(c.h * 0.7)));
  }
}

TEST(MenuGeometry, AnItemsEdgesAreNotHits) {
  const MenuGeometry g = MenuGeometry::ForScreen(1024, 768);  // items at 23 + 61 i, 41 high
  const struct {
    int y, hit;
  } cases[] = {{23, 99},  {24, 0},  {63, 0},  {64, 99},  {84, 99}, {85, 1},
               {572, 99}, {573, 9}, {612, 9}, {613, 99}, {0, 99},  {767, 99}};
  for (const auto& c : cases) EXPECT_EQ(g.hitTest(c.y), c.hit) << "y " << c.y;
}

TEST(MenuGeometry, DescriptionSectionsAndSteps) {
  // v = W/100 = 10 at 1024: steps 3v, 2v, and v + 0.8v for the hot-water text.
  EXPECT_STREQ(DescriptionFor(2, 1024).key, "@HOT");
  EXPECT_EQ(DescriptionFor(2, 1024).step, 18);
  EXPECT_EQ(DescriptionFor(0, 1024).step, 30);
  EXPECT_EQ(DescriptionFor(9, 1024).top, 10);
  EXPECT_STREQ(DescriptionFor(-1, 1024).key, "@IMPORTANT");
}

class MenuTest : public ShellTest {};

TEST_F(MenuTest, ClickingTheStartLabelLoadsTheSettingsAndShowsTheMenu) {
  open("[QORA2000]\nUnits=2\n");
  state.settings.setUnitSystem(1);  // must be replaced by the file's value on start
  EXPECT_TRUE(window->splash().isVisible());
  QTest::mouseClick(window->splash().startLabel(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_FALSE(window->splash().isVisible());
  EXPECT_TRUE(window->menu().isVisible());
  EXPECT_EQ(state.settings.unitSystem(), 2);
  EXPECT_EQ(window->menu().describedItem(), -1);
  // The start page of the description is yellow.
  EXPECT_EQ(window->menu().descriptionImage().pixelColor(2, 2), QColor(255, 255, 0));
}

TEST_F(MenuTest, TwoHoverChangesWithin10msDrawOnlyTheLastDescription) {
  open("");
  start();
  MainMenu& menu = window->menu();
  const MenuGeometry& g = menu.geometry();
  menu.hoverAt(g.itemTop(1) + 5);
  menu.hoverAt(g.itemTop(2) + 5);
  EXPECT_EQ(menu.descriptionDraws(), 0);
  QTest::qWait(60);
  EXPECT_EQ(menu.descriptionDraws(), 1);
  EXPECT_EQ(menu.describedItem(), 2);
  // Moving within the same item does not draw it again.
  menu.hoverAt(g.itemTop(2) + 7);
  QTest::qWait(40);
  EXPECT_EQ(menu.descriptionDraws(), 1);
}

TEST_F(MenuTest, HoveredItemIsRedAndTheCursorAHand) {
  open("");
  start();
  MainMenu& menu = window->menu();
  const MenuGeometry& g = menu.geometry();
  auto redPixels = [&](int item) {
    int n = 0;
    for (int y = g.itemTop(item); y < g.itemTop(item) + g.itemHeight; ++y)
      for (int x = 0; x < g.menuWidth; ++x) {
        const QColor c = menu.buttonImage().pixelColor(x, y);
        if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++n;
      }
    return n;
  };
  EXPECT_EQ(redPixels(3), 0);
  menu.hoverAt(g.itemTop(3) + 10);
  EXPECT_GT(redPixels(3), 10);
  EXPECT_EQ(menu.cursor().shape(), Qt::PointingHandCursor);
  menu.hoverAt(g.itemTop(3) + g.itemHeight + 2);  // the gap below the item
  EXPECT_EQ(redPixels(3), 0);
  EXPECT_EQ(menu.menuSel(), MenuGeometry::kNone);
  EXPECT_EQ(menu.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MenuTest, QuitDescriptionEndsWithTheQuitPicture) {
  open("");
  start();
  MainMenu& menu = window->menu();
  menu.hoverAt(menu.geometry().itemTop(9) + 5);
  QTest::qWait(40);
  ASSERT_EQ(menu.describedItem(), 9);
  const QImage& d = menu.descriptionImage();
  const int w = std::lround(d.width() / 1.2);
  // Inside the picture's band at the bottom the white page is covered.
  EXPECT_NE(d.pixelColor(5 + w / 2, d.height() - 3), QColor(Qt::white));
  EXPECT_EQ(d.pixelColor(d.width() - 3, d.height() - 3), QColor(Qt::white));
}

TEST_F(MenuTest, LanguageThreeEnlargesTheMenuTextsByTwoPoints) {
  open("[QORA2000]\nLanguage=3\n");
  start();
  EXPECT_EQ(window->menu().itemPointSize(), window->menu().geometry().menuFontSize + 2);
  state.settings.setInteger(kSecMain, "Language", 1);
  EXPECT_EQ(window->menu().itemPointSize(), window->menu().geometry().menuFontSize);
}

TEST_F(MenuTest, SecondBrandTakesItsCaption) {
  open("[QORA2000]\nLanguage=6\n");
  EXPECT_EQ(window->windowTitle(), "QORAPUR 2001");
  EXPECT_FALSE(window->splash().findChild<QLabel*>("TitleLabel")->isVisible());
}

TEST_F(MenuTest, AnEditionWithoutItsFolderDescribesTheMenuInEnglish) {
  // Only the English folder is installed: the Thai edition's descriptions fall back to it
  // as its message file does, rather than leaving the description page blank.
  open("[QORA2000]\nLanguage=5\n");
  start();
  const QImage& page = window->menu().descriptionImage();
  int ink = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) ink += qGray(page.pixel(x, y)) < 100;
  }
  EXPECT_GT(ink, 200);
}

}  // namespace
}  // namespace qora::test
