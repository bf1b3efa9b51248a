// The eight input panels of the chilled-water screen, in the order of their selector
// buttons.
#pragma once

#include <array>

#include "shell/line_screen_panel.h"

namespace qora {

const std::array<PanelDesc, 8>& ChillPanels();

}  // namespace qora
