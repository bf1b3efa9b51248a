// The one look of the main window's bar and every dialog: the brand's navy and steel
// colours, bold section headings, selector buttons that show clearly when they are down.
#pragma once

class QWidget;

namespace qora {

// Brand colours (0xRRGGBB): navy for headings and bars, steel for frames, amber accent.
inline constexpr unsigned kBrandNavy = 0x14365f;
inline constexpr unsigned kBrandSteel = 0x5b7590;
inline constexpr unsigned kBrandAccent = 0xf0a830;

void ApplyDialogStyle(QWidget& dialog);

}  // namespace qora
