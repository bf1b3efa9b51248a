// The screens of the main window by the menu item that opens them. Adding a screen is one
// entry here; the main window creates every registered screen once and reaches them all
// through the Screen interface.
#pragma once

#include <functional>
#include <vector>

#include "shell/screen.h"

namespace qora {

struct AppState;

struct ScreenEntry {
  int menuItem;  // 0..8 of the main menu
  // Creates the screen inside `area`; its floating dialogs are windows of `dialogParent`.
  std::function<Screen*(AppState& state, QWidget* dialogParent, QWidget* area)> make;
};

const std::vector<ScreenEntry>& ScreenRegistry();

}  // namespace qora
