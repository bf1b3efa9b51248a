// The print buttons of the line screens run the print job on the chart their screen drew.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "print/print_job.h"
#include "shell/line_screen.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_window.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class ShellPrint : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(jobs.isValid());
    SetPrintToDirectory(jobs.path());  // no dialog: every job becomes a PDF here
  }
  void TearDown() override {
    SetPrintToDirectory(QString());
    ShellTest::TearDown();
  }
  QStringList pdfs() const { return QDir(jobs.path()).entryList({"*.pdf"}, QDir::Files); }

  // Opens a line screen with its first analysis selected and drawn.
  LineScreen* openWithChart(int item, LineKind kind) {
    window->openItem(item);
    auto* screen = static_cast<LineScreen*>(window->screen(item));
    LocalDialogOf(*screen).setSelectedAnalysis(1);
    EXPECT_EQ(LocalDialogOf(*screen).kind(), kind);
    screen->refresh();
    return screen;
  }

  QTemporaryDir jobs;
};

TEST_F(ShellPrint, EachScreensPrintButtonWritesOneGraphPage) {
  open("[QORA2000]\nUnits=2\n[PARAMETERS]\nPipeSizes=1\n");
  start();
  const struct {
    int item;
    LineKind kind;
    const char* button;
  } cases[] = {{1, LineKind::Chilled, "ChillPrintBitBtn"}, {2, LineKind::Hot, "HotPrintBitBtn"}};
  int expected = 0;
  for (const auto& c : cases) {
    LineScreen* screen = openWithChart(c.item, c.kind);
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->lastChart(), nullptr) << c.button;
    auto* print = screen->findChild<QPushButton*>(c.button);
    ASSERT_NE(print, nullptr) << c.button;
    QTest::mouseClick(print, Qt::LeftButton);
    ++expected;
    ASSERT_EQ(pdfs().size(), expected) << c.button;
  }
  for (const QString& name : pdfs()) {
    EXPECT_TRUE(name.startsWith("QORA2000-GRAPH")) << name.toStdString();
    QFile f(jobs.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-") << name.toStdString();
  }
}

}  // namespace
}  // namespace qora::test
