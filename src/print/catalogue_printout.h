// The printed catalogue: the chapter of the selected tab on one portrait page (200 × 280
// mm), from the printed twin sections ("@P_" keys) of the language file "pdp.qdt", with
// "PAGE n" at the bottom right. Print job "QORA2000-Product".
#pragma once

#include <QString>

class QWidget;

namespace qora {

class Canvas;
class PageSources;
struct AppState;

inline constexpr const char* kProductJobTitle = "QORA2000-Product";

// Draws chapter `tab` (0..9) on the page (millimetres). Another tab draws the page set-up
// with its page number only.
void PrintCataloguePage(Canvas& page, PageSources& src, int tab);

// The print button of the catalogue: the print dialog, then one page. True when printed.
bool PrintCatalogue(QWidget* parent, const AppState& state, int tab);
// The same page as a PDF file, written atomically (qora2000-cli page catalogue ... --pdf).
bool WriteCataloguePdf(const AppState& state, int tab, const QString& file);

}  // namespace qora
