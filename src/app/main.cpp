#include "shell/CStationEditorApp.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    CStationEditorApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
