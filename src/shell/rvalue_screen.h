// The R-value screen: a chart screen over the two R-value charts, chosen in the R-value
// dialog beside it.
#pragma once

class QWidget;

namespace qora {

struct AppState;
class LineScreen;
class RValueDialog;

// The screen with its dialog (a window of `dialogParent`, or of the screen when none).
LineScreen* MakeRValueScreen(AppState& state, QWidget* dialogParent, QWidget* parent);
RValueDialog& RValueDialogOf(const LineScreen& screen);

}  // namespace qora
