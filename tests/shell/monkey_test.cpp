// A storm of random clicks, key presses and typed texts over every screen of the screen
// registry and every dialog, driven through the real main window. Nothing may crash (the
// test build stops at any sanitizer report), and no widget, chart or printed page may ever
// show "nan", "inf" or the 99999 marker. The seed is fixed, so a failure replays: the
// failure message names the step and the last actions. The storm is bounded by a number
// of steps and by a time, so the suite stays quick on a slow machine.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <optional>
#include <random>
#include <set>

#include "analyses/other/form_def.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "print/form_printout.h"
#include "print/graph_printout.h"
#include "print/print_job.h"
#include "shell/form_screen.h"
#include "shell/line_screen.h"
#include "shell/line_screen_chart.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/qdt_grid.h"
#include "shell/screen_registry.h"
#include "shell_fixture.h"
#include "toolkit/recording_canvas.h"

namespace qora::test {
namespace {

constexpr std::uint32_t kSeed = 20001;
constexpr int kSteps = 3000;
constexpr qint64 kTimeLimitMs = 45000;

// What a user may type: digits, letters, commas, minus signs, a huge and a tiny exponent,
// grouped and decimal-comma numbers, and nothing at all. None of them spells a forbidden
// word or holds the marker, so whatever shows one made it up itself.
const QStringList& Typings() {
  static const QStringList texts = {
      "",      "0",      "7",      "25",           "-5",  "-40",  "150",   "0.035", "9,5", "1,200",
      "1e308", "-1e308", "1e-308", "123456789012", "abc", "x",    ",",     "-",     "--",  ".",
      "1.2.3", "0,0",    "E",      "300",          "-0",  "5000", "0.0001"};
  return texts;
}

const std::vector<Qt::Key>& Keys() {
  static const std::vector<Qt::Key> keys = {
      Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape,   Qt::Key_Tab,   Qt::Key_Backtab,
      Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Left,     Qt::Key_Right, Qt::Key_Delete,
      Qt::Key_Backspace, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,
      Qt::Key_Space,     Qt::Key_F2,     Qt::Key_Minus,    Qt::Key_Comma, Qt::Key_5};
  return keys;
}

// The forbidden texts: a not-a-number or infinity written out, and the not-found marker.
bool Forbidden(const QString& text) {
  static const QRegularExpression words(QStringLiteral("(?<![a-z])(nan|inf)(?![a-z])|99999"),
                                        QRegularExpression::CaseInsensitiveOption);
  return words.match(text).hasMatch() ||
         text.contains(QStringLiteral("infinity"), Qt::CaseInsensitive);
}

// The texts a widget shows.
QStringList ShownTexts(QWidget* w) {
  QStringList out;
  if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) out << e->text();
  if (auto* p = qobject_cast<QPlainTextEdit*>(w)) out << p->toPlainText();
  if (auto* g = qobject_cast<QGroupBox*>(w)) out << g->title();
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
  }
  if (auto* t = qobject_cast<QTabBar*>(w)) {
    for (int i = 0; i < t->count(); ++i) out << t->tabText(i);
  }
  if (auto* t = qobject_cast<QTableWidget*>(w)) {
    for (int c = 0; c < t->columnCount(); ++c) {
      if (const QTableWidgetItem* h = t->horizontalHeaderItem(c)) out << h->text();
      for (int r = 0; r < t->rowCount(); ++r) {
        if (const QTableWidgetItem* it = t->item(r, c)) out << it->text();
      }
    }
  }
  if (w->isWindow()) out << w->windowTitle();
  return out;
}

// The texts of a draw list ("text X Y "..." size W H").
QStringList DrawnTexts(const std::string& log) {
  QStringList out;
  for (const QString& line : QString::fromStdString(log).split(u'\n')) {
    if (!line.startsWith(QStringLiteral("text "))) continue;
    const qsizetype open = line.indexOf(u'"'), close = line.lastIndexOf(QStringLiteral("\" size "));
    if (open >= 0 && close > open) out << line.mid(open + 1, close - open - 1);
  }
  return out;
}

class Monkey : public ShellTest {
 protected:
  void SetUp() override {
    prints.setAutoRemove(true);
    SetPrintToDirectory(prints.path());
  }
  void TearDown() override {
    // Dialogs the storm left open are closed as a user would close them.
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != window.get() && w->isVisible()) w->hide();
    }
    SetPrintToDirectory({});
    ShellTest::TearDown();
  }

  // The widgets a user can reach now: those of the modal dialog when one is up, else
  // those of every visible window of the program.
  std::vector<QWidget*> reachable() const {
    std::vector<QWidget*> out;
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!top->isVisible() || (modal && top != modal)) continue;
      if (top->windowType() == Qt::Popup || top->windowType() == Qt::ToolTip) continue;
      out.push_back(top);
      for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled()) out.push_back(w);
      }
    }
    return out;
  }

  template <class T>
  std::vector<T*> reachableOf() const {
    std::vector<T*> out;
    for (QWidget* w : reachable()) {
      if (auto* t = qobject_cast<T*>(w)) out.push_back(t);
    }
    return out;
  }

  template <class T>
  T* pick(const std::vector<T*>& from) {
    if (from.empty()) return nullptr;
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
  }
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  QString typing() { return Typings()[below(int(Typings().size()))]; }

  void note(const QString& what) {
    recent.push_back(what);
    if (recent.size() > 12) recent.pop_front();
  }

  // A screen of the registry (a random one, or the next in turn), chosen from the menu
  // when it is up.
  void openScreen(std::optional<size_t> index = std::nullopt) {
    const auto& entries = ScreenRegistry();
    const int item =
        entries[index ? *index % entries.size() : size_t(below(int(entries.size())))].menuItem;
    note(QStringLiteral("open screen %1").arg(item));
    MainMenu& menu = window->menu();
    if (menu.isVisible() && !QApplication::activeModalWidget()) {
      const QPoint at(menu.geometry().menuWidth / 2, menu.geometry().itemTop(item) + 5);
      menu.hoverAt(at.y());
      QTest::mouseClick(&menu, Qt::LeftButton, {}, at);
    } else if (!QApplication::activeModalWidget()) {
      window->openItem(item);
    }
  }

  void clickButton() {
    std::vector<QAbstractButton*> buttons = reachableOf<QAbstractButton>();
    // The calculator would start a real program; it is pressed below with no program found.
    std::erase_if(buttons, [](QAbstractButton* b) { return b->objectName() == "CalcBitBtn"; });
    if (QAbstractButton* b = pick(buttons)) {
      note("click " + b->objectName() + " \"" + b->text() + "\"");
      QTest::mouseClick(b, Qt::LeftButton);
    }
  }

  void typeIntoBox() {
    std::vector<QLineEdit*> edits = reachableOf<QLineEdit>();
    std::erase_if(edits, [](QLineEdit* e) { return e->isReadOnly(); });
    QLineEdit* e = pick(edits);
    if (!e) return;
    const QString text = typing();
    note("type \"" + text + "\" into " + e->objectName() + " of " +
         (e->parentWidget() ? e->parentWidget()->objectName() : QString()));
    e->setFocus();
    if (below(4) != 0) QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);  // select all
    if (text.isEmpty()) {
      QTest::keyClick(e, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(e, text);
    }
    if (below(3) == 0) QTest::keyClick(e, below(2) ? Qt::Key_Return : Qt::Key_Tab);
  }

  void typeIntoGrid() {
    QdtGrid* g = pick(reachableOf<QdtGrid>());
    if (!g || g->rowCount() == 0 || g->columnCount() < 2) return;
    const int row = below(g->rowCount()), col = 1 + below(g->columnCount() - 1);
    const QString text = typing();
    note(QStringLiteral("type \"%1\" into %2 cell %3,%4")
             .arg(text, g->objectName())
             .arg(col)
             .arg(row + 1));
    g->setFocus();
    g->scrollTo(g->model()->index(row, col));
    const QRect cell = g->visualRect(g->model()->index(row, col));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    // The first key starts the cell's editor; the others go to the editor.
    if (text.isEmpty()) QTest::keyClick(g, Qt::Key_Delete);
    for (QChar ch : text) QTest::keyClick(KeyTarget(*g), ch.toLatin1());
    const Qt::Key ends[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Escape};
    QTest::keyClick(KeyTarget(*g), ends[below(4)]);
  }

  void pressKey() {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeModalWidget();
    if (!target) target = pick(reachable());
    if (!target) return;
    const Qt::Key key = Keys()[below(int(Keys().size()))];
    note(QStringLiteral("key %1 to %2").arg(int(key), 0, 16).arg(target->objectName()));
    QTest::keyClick(target, key);
  }

  void stepList() {
    QComboBox* c = pick(reachableOf<QComboBox>());
    if (!c) return;
    const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown};
    const Qt::Key key = keys[below(5)];
    note(QStringLiteral("list %1 key %2").arg(c->objectName()).arg(int(key), 0, 16));
    c->setFocus();
    QTest::keyClick(c, key);
  }

  void pressBar(const char* name) {
    auto* b = window->bar().findChild<QAbstractButton*>(name);
    if (!b || !b->isVisible() || QApplication::activeModalWidget()) return;
    note(QStringLiteral("bar %1").arg(name));
    QTest::mouseClick(b, Qt::LeftButton);
  }

  void pickTab() {
    QTabBar* t = pick(reachableOf<QTabBar>());
    if (!t || t->count() == 0) return;
    const int i = below(t->count());
    note(QStringLiteral("tab %1 of %2").arg(i).arg(t->objectName()));
    QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(i).center());
  }

  // The pointer over a chart: the read-out follows it.
  void hoverChart() {
    for (const ScreenEntry& e : ScreenRegistry()) {
      auto* line = qobject_cast<LineScreen*>(window->screen(e.menuItem));
      if (!line || !line->isVisible()) continue;
      ChartView* view = nullptr;  // a plain widget class: found by its C++ type
      for (QWidget* w : line->findChildren<QWidget*>()) {
        if (!view) view = dynamic_cast<ChartView*>(w);
      }
      if (!view) return;
      const QPoint at(below(std::max(1, view->width())), below(std::max(1, view->height())));
      note(QStringLiteral("hover %1,%2").arg(at.x()).arg(at.y()));
      QTest::mouseMove(view, at);
      QMouseEvent move(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(view, &move);
    }
  }

  void step(int stepNo) {
    const int roll = below(100);
    if (stepNo % 40 == 0) {
      // Every screen comes round, however short the storm: a dialog in the way is closed.
      if (QWidget* modal = QApplication::activeModalWidget())
        QTest::keyClick(modal, Qt::Key_Escape);
      openScreen(size_t(stepNo / 40));
    } else if (roll < 4) {
      openScreen();
    } else if (roll < 30) {
      clickButton();
    } else if (roll < 52) {
      typeIntoBox();
    } else if (roll < 64) {
      typeIntoGrid();
    } else if (roll < 74) {
      pressKey();
    } else if (roll < 80) {
      stepList();
    } else if (roll < 84) {
      pressBar("UnitSpdBtn");
    } else if (roll < 90) {
      const char* dialogs[] = {"ConfigBitBtn", "InsuSizeBitBtn", "InsCostBitBtn"};
      pressBar(dialogs[below(3)]);
    } else if (roll < 94) {
      pickTab();
    } else if (roll < 98) {
      hoverChart();
    } else {
      note("calculator");
      QTemporaryDir none;
      window->bar().startCalculator({none.path()});
    }
    // A popup list left open by a click is closed as a click elsewhere would close it.
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    // Quit is a menu item like any other: the window comes back for the next step.
    if (!window->isVisible()) {
      note("window shown again");
      window->show();
      window->showMainMenu();
    }
    QApplication::processEvents();
  }

  // Every text a user sees now, and the charts and pages the screens would draw and print.
  void checkTexts(int stepNo) {
    auto fail = [&](const QString& where, const QString& text) {
      ADD_FAILURE() << "step " << stepNo << ": " << where.toStdString() << " shows \""
                    << text.toStdString() << "\" after:\n  "
                    << QStringList(recent.begin(), recent.end()).join("\n  ").toStdString();
    };
    for (QWidget* w : reachable()) {
      for (const QString& t : ShownTexts(w)) {
        if (Forbidden(t)) return fail(w->objectName(), t);
      }
    }
    for (const ScreenEntry& e : ScreenRegistry()) {
      Screen* s = window->screen(e.menuItem);
      if (!s || !s->isVisible()) continue;
      visited.insert(e.menuItem);
      if (auto* line = qobject_cast<LineScreen*>(s)) {
        if (Forbidden(line->refusalText())) return fail(s->objectName(), line->refusalText());
        const ChartData* chart = line->lastChart();
        if (!chart || !redrawn.contains(s)) continue;
        const QSize size = line->chartImage().size();
        RecordingCanvas picture(QSizeF(size.width(), size.height()));
        DrawScreenChart(picture, LayoutFromScreen(window->width(), size.height()), state, *chart);
        RecordingCanvas page(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
        PrintAnalysisGraph(page, chart, state);
        for (const QString& t : DrawnTexts(picture.log()) + DrawnTexts(page.log())) {
          if (Forbidden(t)) return fail(s->objectName() + " chart", t);
        }
      } else if (auto* form = qobject_cast<FormScreen*>(s); form && redrawn.contains(s)) {
        RecordingCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
        PrintFormPage(page, form->def(), form->lastResult(), state);
        for (const QString& t : DrawnTexts(page.log())) {
          if (Forbidden(t)) return fail(s->objectName() + " page", t);
        }
      }
    }
    redrawn.clear();
  }

  // The charts and form answers are read again only when their screens have drawn anew.
  void watchRedraws() {
    for (const ScreenEntry& e : ScreenRegistry()) {
      Screen* s = window->screen(e.menuItem);
      if (auto* line = qobject_cast<LineScreen*>(s))
        QObject::connect(line, &LineScreen::chartDrawn, s, [this, s] { redrawn.insert(s); });
      if (auto* form = qobject_cast<FormScreen*>(s))
        QObject::connect(form, &FormScreen::answered, s, [this, s] { redrawn.insert(s); });
    }
  }

  QTemporaryDir prints;
  std::mt19937 rng{kSeed};
  std::deque<QString> recent;
  std::set<int> visited;  // menu items whose screens were checked while shown
  QSet<QObject*> redrawn;
};

TEST_F(Monkey, ThousandsOfRandomActionsNeverCrashOrShowNanInfOrTheMarker) {
  open("");
  start();
  watchRedraws();
  QElapsedTimer clock;
  clock.start();
  int steps = 0;
  for (; steps < kSteps && clock.elapsed() < kTimeLimitMs; ++steps) {
    step(steps);
    checkTexts(steps);
    if (HasFailure()) break;
  }
  RecordProperty("steps", steps);
  // Every screen of the registry was reached, however many there are.
  for (const ScreenEntry& e : ScreenRegistry())
    EXPECT_TRUE(visited.count(e.menuItem)) << "screen " << e.menuItem << " never shown";
  EXPECT_GE(steps, 300) << "the storm was cut short too early to mean much";
}

}  // namespace
}  // namespace qora::test
