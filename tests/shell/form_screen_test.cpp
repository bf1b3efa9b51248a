// The duct, storage-tank and operating-equipment screens in the main window: opened from
// the menu, recomputed at every input change and answer click, relabelled by the unit
// button, kept with the settings, printed one portrait page each.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "fixed_metrics_canvas.h"
#include "print/form_printout.h"
#include "print/print_job.h"
#include "shell/form_screen.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell_fixture.h"
#include "toolkit/recording_canvas.h"

namespace qora::test {
namespace {

constexpr const char* kSiIni =
    "[QORA2000]\nUnits=2\n[DUCT]\nTdb=25\nTop=10\nHair=9.0\n%RH=0\nk=0\n"
    "[STORAGE]\nTdb=25\nTst=10\nTend=15\nHair=9.0\nTime-hr=48\nPercent=80\nk=1\n"
    "[OPERATING]\nTdb=25\nTop=10\nHair=9.0\n%RH=0\nk=0\n";

class FormScreenTest : public ShellTest {
 protected:
  FormScreen* openForm(int item) {
    window->openItem(item);
    QApplication::processEvents();
    return static_cast<FormScreen*>(window->screen(item));
  }
  template <class W>
  W* child(FormScreen* screen, const char* name) {
    W* w = screen->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString text(FormScreen* screen, const char* label) {
    return child<QLabel>(screen, label)->text();
  }
  void pressUnit() {
    QTest::mouseClick(window->bar().findChild<QPushButton*>("UnitSpdBtn"), Qt::LeftButton);
  }
  void type(QLineEdit* edit, const char* text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
};

TEST_F(FormScreenTest, MenuItemsOpenTheirScreensWithTheBarAndReturnToTheMenu) {
  open(kSiIni);
  start();
  const struct {
    int item;
    FormId id;
    const char* panel;
    const char* back;
  } cases[] = {{3, FormId::Duct, "DuctPanel", "DuctRetBitBtn"},
               {4, FormId::Storage, "StoragePanel", "StorRetBitBtn"},
               {5, FormId::Operating, "OprtPanel", "OprtRetBitBtn"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.panel);
    FormScreen* screen = openForm(c.item);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->def().id, c.id);
    EXPECT_EQ(screen->objectName(), c.panel);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(window->bar().isVisible());
    EXPECT_FALSE(window->menu().isVisible());
    QTest::mouseClick(child<QPushButton>(screen, c.back), Qt::LeftButton);
    EXPECT_TRUE(window->menu().isVisible());
    EXPECT_FALSE(screen->isVisible());
  }
}

TEST_F(FormScreenTest, EveryInputChangeRecomputesAtOnce) {
  open(kSiIni);
  start();
  FormScreen* duct = openForm(3);
  const QString before = text(duct, "DuctAnsLabel");
  EXPECT_EQ(before, duct->lastResult().answer);
  type(child<QLineEdit>(duct, "DuctTopEdit"), "0");
  EXPECT_EQ(state.settings.text(kSecDuct, "Top"), "0");
  EXPECT_EQ(duct->lastResult().answer, text(duct, "DuctAnsLabel"));
  EXPECT_NE(text(duct, "DuctAnsLabel"), before);
  // A drier room needs less insulation: a later humidity in the list, more.
  const Real dry = duct->lastResult().thickness;
  child<QComboBox>(duct, "DuctRHComboBox")->setCurrentIndex(3);
  EXPECT_EQ(state.settings.integer(kSecDuct, "%RH"), 3);
  EXPECT_GT(duct->lastResult().thickness, dry);
}

TEST_F(FormScreenTest, AClickOnTheAnswerRecomputes) {
  open(kSiIni);
  start();
  FormScreen* operating = openForm(5);
  auto* answer = child<QLabel>(operating, "OprtAnsThLabel");
  auto* gain = child<QLabel>(operating, "OprtAnsEnLabel");
  const QString before = answer->text();
  state.settings.setText(kSecOperating, "Top", "0");  // behind the screen's back
  EXPECT_EQ(answer->text(), before);
  QTest::mouseClick(answer, Qt::LeftButton);
  EXPECT_NE(answer->text(), before);
  EXPECT_EQ(answer->text(), operating->lastResult().answer);
  EXPECT_EQ(gain->text(), operating->lastResult().heatGainText);
}

TEST_F(FormScreenTest, UnitButtonConvertsHaRelabelsAndRecomputes) {
  open(kSiIni);
  start();
  FormScreen* duct = openForm(3);
  // 9.0 W/m²·°C -> 7.733 kcal -> 1.586 Btu (each step adds 0.0001 and keeps 3 decimals).
  const struct {
    int unit;
    const char* ha;
    const char* tdb;
  } steps[] = {{3, "7.733", "25.0"}, {1, "1.586", "77.0"}};
  for (const auto& s : steps) {
    pressUnit();
    SCOPED_TRACE(s.unit);
    EXPECT_EQ(child<QLineEdit>(duct, "DucthaEdit")->text(), s.ha);
    EXPECT_EQ(child<QLineEdit>(duct, "DuctTdbEdit")->text(), s.tdb);
    EXPECT_EQ(text(duct, "DuctTdbUntLabel"), state.lang.UnitLabel(s.unit, 1));
    EXPECT_EQ(text(duct, "DucthaUntLabel"), state.lang.UnitLabel(s.unit, 3));
    EXPECT_EQ(text(duct, "DuctkUntLabel"), state.lang.UnitLabel(s.unit, 2));
    EXPECT_EQ(duct->lastResult().unitSystem, s.unit);
    EXPECT_EQ(text(duct, "DuctAnsLabel"), duct->lastResult().answer);
    const QStringList help = child<QPlainTextEdit>(duct, "DucthaHelp")->toPlainText().split(u'\n');
    ASSERT_EQ(help.size(), 5);
    EXPECT_EQ(help[1], "(" + state.lang.UnitLabel(s.unit, 3) + ")");
  }
  // 77 °F room, 50 °F duct: the answer is written in inches with two decimals.
  EXPECT_TRUE(text(duct, "DuctAnsLabel").contains('.')) << text(duct, "DuctAnsLabel").toStdString();
}

TEST_F(FormScreenTest, SwitchingToHotWaterRefillsTheKListFromTheHotTableColouredRed) {
  open(kSiIni);
  start();
  FormScreen* tank = openForm(4);
  auto* k = child<QComboBox>(tank, "StorKComboBox");
  const int u = state.settings.unitSystem();
  ASSERT_GT(NonEmpty(state.params.kHot[u - 1]).size(), 2);
  k->setCurrentIndex(2);
  const auto items = [k] {
    QStringList out;
    for (int i = 0; i < k->count(); ++i) out << k->itemText(i);
    return out;
  };
  // Most of the box's pixels are red (the rest: its text and arrow).
  const auto red = [k] {
    const QImage image = k->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
      }
    }
    return n > image.width() * image.height() / 2;
  };
  EXPECT_EQ(items(), NonEmpty(state.params.kChilled[u - 1]));
  EXPECT_FALSE(red());
  QTest::mouseClick(child<QRadioButton>(tank, "HotRadio"), Qt::LeftButton);
  EXPECT_FALSE(state.settings.storageChilled());
  EXPECT_EQ(items(), NonEmpty(state.params.kHot[u - 1]));
  EXPECT_EQ(k->currentIndex(), 2);
  EXPECT_TRUE(red());
  QTest::mouseClick(child<QRadioButton>(tank, "ChillRadio"), Qt::LeftButton);
  EXPECT_EQ(items(), NonEmpty(state.params.kChilled[u - 1]));
  EXPECT_EQ(k->currentIndex(), 2);
  EXPECT_FALSE(red());
}

TEST_F(FormScreenTest, ChangingTheShapeShowsItsPanelAndPictureAndRecomputes) {
  open(kSiIni);
  start();
  FormScreen* tank = openForm(4);
  const char* panels[] = {"StorSqPanel", "StorCylPanel", "StorSphPanel"};
  const char* pictures[] = {"TankBox.jpg", "TankCylinder.jpg", "TankSphere.jpg"};
  for (int shape : {1, 2, 0}) {
    SCOPED_TRACE(shape);
    child<QComboBox>(tank, "StorageComboBox")->setCurrentIndex(shape);
    EXPECT_EQ(state.settings.integer(kSecStorage, "Shape"), shape);
    EXPECT_EQ(tank->lastResult().shape, shape);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(child<QWidget>(tank, panels[p])->isVisible(), p == shape);
    EXPECT_TRUE(tank->pictureFile().endsWith(pictures[shape]));
  }
  // A box with one side 0 has no answer, whatever the other shapes' panels hold.
  type(child<QLineEdit>(tank, "StorSqHghEdit"), "0");
  EXPECT_EQ(text(tank, "StorAnsLabel02"), "N/A");
  EXPECT_FALSE(child<QLabel>(tank, "StorAnsUntLabel")->isVisible());
}

TEST_F(FormScreenTest, TheTankIsKeptWithTheSettings) {
  open(kSiIni);
  start();
  FormScreen* tank = openForm(4);
  child<QComboBox>(tank, "StorageComboBox")->setCurrentIndex(1);
  type(child<QLineEdit>(tank, "StorCylDiaEdit"), "1.5");
  type(child<QLineEdit>(tank, "StorCylLenEdit"), "4");
  QTest::mouseClick(child<QRadioButton>(tank, "HotRadio"), Qt::LeftButton);
  window->close();  // saves
  EXPECT_EQ(iniValue("STORAGE/Shape"), "1");
  EXPECT_EQ(iniValue("STORAGE/CylDiameter"), "1.5");
  EXPECT_EQ(iniValue("STORAGE/CylLength"), "4");
  EXPECT_EQ(iniValue("STORAGE/k_CHILL"), "0");

  AppState again;
  LoadProgramState(again, home.path());
  MainWindow second(again);
  second.setFixedSize(1024, 768);
  second.show();
  second.start();
  second.openItem(4);
  auto* reopened = static_cast<FormScreen*>(second.screen(4));
  EXPECT_EQ(reopened->findChild<QComboBox*>("StorageComboBox")->currentIndex(), 1);
  EXPECT_EQ(reopened->findChild<QLineEdit*>("StorCylDiaEdit")->text(), "1.5");
  EXPECT_EQ(reopened->findChild<QLineEdit*>("StorCylLenEdit")->text(), "4");
  EXPECT_TRUE(reopened->findChild<QRadioButton*>("HotRadio")->isChecked());
  second.hide();
}

TEST_F(FormScreenTest, AStoredShapeTheListDoesNotNameOpensAsTheBox) {
  open(QByteArray(kSiIni) + "[STORAGE]\nShape=9\n");
  start();
  FormScreen* tank = openForm(4);
  EXPECT_EQ(child<QComboBox>(tank, "StorageComboBox")->currentIndex(), 0);
  EXPECT_EQ(state.settings.integer(kSecStorage, "Shape"), 0);
  EXPECT_TRUE(child<QWidget>(tank, "StorSqPanel")->isVisible());
}

TEST_F(FormScreenTest, CalculatedCoefficientReplacesTheHaBox) {
  open(kSiIni);
  start();
  FormScreen* duct = openForm(3);
  EXPECT_TRUE(child<QLineEdit>(duct, "DucthaEdit")->isVisible());
  EXPECT_FALSE(child<QLabel>(duct, "DuctC680Label")->isVisible());
  state.settings.setFactorBy(2);
  window->applyFactorBy();
  EXPECT_FALSE(child<QLineEdit>(duct, "DucthaEdit")->isVisible());
  EXPECT_TRUE(child<QLabel>(duct, "DuctC680Label")->isVisible());
}

TEST_F(FormScreenTest, PrintButtonsWriteOnePortraitPageEachWithTheFormsJobTitle) {
  QTemporaryDir jobs;
  ASSERT_TRUE(jobs.isValid());
  SetPrintToDirectory(jobs.path());
  open(kSiIni);
  start();
  const struct {
    int item;
    const char* button;
    const char* file;
  } cases[] = {{3, "DuctPrintBitBtn", "QORA2000-Duct-1.pdf"},
               {4, "StoragePrintBitBtn", "QORA2000-Storage-1.pdf"},
               {5, "OprtPrintBitBtn", "QORA2000-Operating-1.pdf"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    FormScreen* screen = openForm(c.item);
    QTest::mouseClick(child<QPushButton>(screen, c.button), Qt::LeftButton);
    QFile pdf(jobs.path() + "/" + c.file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
    // A4 upright: 595 × 842 points.
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595.000000 842.000000]"));
  }
  SetPrintToDirectory(QString());
}

TEST_F(FormScreenTest, AUnitSwitchConvertsTheTankAndItsTemperatures) {
  open(kSiIni);
  start();
  FormScreen* tank = openForm(4);
  const auto page = [&] {
    FixedMetricsCanvas canvas(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
    PrintFormPage(canvas, tank->def(), tank->lastResult(), state);
    return canvas.log();
  };
  const std::string si = page();
  EXPECT_NE(si.find("\"Width 2.0 m.\""), std::string::npos);
  EXPECT_NE(si.find("\"Room Temperature Tdb 25 °C\""), std::string::npos);
  pressUnit();
  pressUnit();  // SI -> kcal -> inch-pound
  const std::string ip = page();
  EXPECT_NE(ip.find("\"Width 6.562 ft.\""), std::string::npos) << ip;
  EXPECT_NE(ip.find("\"Room Temperature Tdb 77.0 °F\""), std::string::npos);
  EXPECT_NE(ip.find("\"Storage Time 48 hr.\""), std::string::npos);
  EXPECT_NE(ip.find("\"Surface Coefficient ha 1.586 Btu/hr.sqft.°F\""), std::string::npos);
}

}  // namespace
}  // namespace qora::test
