#include "shell/rvalue_screen.h"

#include "analyses/rvalue/rvalue_analyses.h"
#include "print/print_job.h"
#include "shell/line_screen.h"
#include "shell/rvalue_dialog.h"

namespace qora {

namespace {

// The read-out marker sits 4 pixels right of and below its point on this screen.
const ChartScreenNames kRValueNames = {"RValuePanel",           "RValueLabel",
                                       "R Value of Insulation", "RValueImage",
                                       "RValueCtrlPanel",       "RValueMenuBitBtn",
                                       "RValuePrtGrhBitBtn",    "RValueTblBitBtn",
                                       "RValuePtLabel",         4};

}  // namespace

LineScreen* MakeRValueScreen(AppState& state, QWidget* dialogParent, QWidget* parent) {
  auto* dialog = new RValueDialog(state, dialogParent);
  auto* screen = new LineScreen(state, kRValueNames, RValueAnalyses(), *dialog, parent);
  if (!dialogParent) dialog->setParent(screen, dialog->windowFlags());
  QObject::connect(screen, &LineScreen::printRequested, screen,
                   [screen, &state] { PrintChart(screen, screen->lastChart(), state); });
  return screen;
}

RValueDialog& RValueDialogOf(const LineScreen& screen) {
  return static_cast<RValueDialog&>(screen.selector());
}

}  // namespace qora
