// A screen of the main window, opened from a menu item: what the main window asks of every
// screen, whatever it shows. The main window holds its screens in a registry and reaches
// them all through this interface after a settings load, a unit change or a change of the
// surface-coefficient method.
#pragma once

#include <QPalette>
#include <QWidget>

namespace qora {

class Screen : public QWidget {
 public:
  using QWidget::QWidget;

  // Shown from the menu, laid out for a screen of this width.
  virtual void open(int screenWidth) = 0;
  // Left for the menu: hides what floats beside the screen (its dialogs).
  virtual void leave() {}
  // The settings were loaded: every input re-reads the model.
  virtual void afterSettingsLoad() {}
  // The unit system changed from `oldSystem` (the settings are already converted).
  virtual void relabelUnits(int oldSystem) { (void)oldSystem; }
  // The surface coefficient is now typed or calculated.
  virtual void applyFactorBy() {}
  // An input the screen shares with others changed (tables, parameters): redraw when
  // visible.
  virtual void refresh() {}

 protected:
  // Black on white, filled: the window that holds the screens may paint itself dark.
  void useOwnColours() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
  }
};

}  // namespace qora
