#include "platform/textCodec.h"
#include "shell/CStationEditorApp.h"
#include "store/safeSave.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    ignoreFileSizeSignal();
    QApplication qt(argc, argv);
    // Taken from argv (which QApplication left with the arguments it did not
    // use) rather than decoded by Qt, so that a file name that is not UTF-8
    // comes through byte for byte.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << toUiPath(argv[i]);
    CStationEditorApp app;
    if (!app.InitInstance(arguments))
        return 1;
    return QApplication::exec();
}
