// main() of the Qt widgetset tests: the Qt backend is chosen (offscreen
// unless a platform is named) and the library started once around them,
// as an application does.
#include <cstdlib>

#include <gtest/gtest.h>

#include <QtWidgets/QApplication>

#include "host/widgetset/qt6/qt6.h"
#include "package/package.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv(host::WidgetSetEnvironmentVariable, "qt6", 1);
  QApplication application(argc, argv);
  host::RegisterQt6WidgetSet();
  kel::package::Initialize();
  const int status = RUN_ALL_TESTS();
  kel::package::Finalize();
  return status;
}
