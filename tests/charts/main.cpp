// The chart and analysis tests measure text as the screen does, which needs a GUI
// application (offscreen).
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  // Test discovery runs this program without the test environment, and no display exists.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
