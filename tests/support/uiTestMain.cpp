// Window-layer tests run on Qt's offscreen platform: no display is needed and
// no window ever appears. Settings go nowhere unless a test gives them a
// temporary folder (support/ui/temporarySettings.h). Model code shows its
// messages through the program's own dialogs, so that a test's
// recordingResponder (platform/recordingResponder.h) sees and answers them;
// one that ends with scripts or answers left over fails its test.
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "shell/uiMessageService.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    settings().setFolders({}, {});
    QApplication app(argc, argv);
    installMessageService(&theUiMessageService());
    // A script or answer nobody asked for means the dialog under test never
    // opened, so the checks inside it never ran.
    recordingResponder::installUnusedReporter([](const std::string& what) { ADD_FAILURE() << what; });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
