// Entry of the shell tests: widgets need a QApplication. Weak, so that a main of the
// shell tests defined elsewhere in the folder takes precedence without a clash.
#include <gtest/gtest.h>

#include <QApplication>

__attribute__((weak)) int main(int argc, char** argv) {
  // Test discovery runs this program without the test environment, and no display exists.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
