// The toolkit tests measure and render text, which needs a GUI application (offscreen).
#include <gtest/gtest.h>

#include <QGuiApplication>

// Leak checking stays off as for every test folder (the registration asks for it too, but
// its environment list does not reach the tests); LeakSanitizer's tracer also crashes at
// exit once Qt's image plugins have been loaded and unloaded.
extern "C" const char* __asan_default_options() {
  return "detect_leaks=0";
}

int main(int argc, char** argv) {
  // Test discovery runs this program without the test environment, and no display exists.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
