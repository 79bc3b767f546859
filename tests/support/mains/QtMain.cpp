// Test main for widget tests: a real application object on the offscreen
// platform, with scripted prompts so that no dialog can block a test.
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "support/ScriptedPrompts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  ::testing::InitGoogleTest(&argc, argv);
  qm::Application app(argc, argv);
  app.setApplicationName(QStringLiteral("Quillmark V1.50"));
  qm::setPrompts(std::make_unique<qmtest::ScriptedPrompts>());
  return RUN_ALL_TESTS();
}
