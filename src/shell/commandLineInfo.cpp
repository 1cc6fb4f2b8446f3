#include "shell/commandLineInfo.h"

#include "platform/textCodec.h"

#include <QStringList>

commandLineInfo commandLineInfo::parse(const QStringList& arguments)
{
    commandLineInfo info;
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            QString flag = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).toLower();
            if (flag == QLatin1String("nologo"))
                info.showSplash = false;
            else if (flag == QLatin1String("p") || flag == QLatin1String("pt") || flag == QLatin1String("dde"))
                info.command = other;
            continue;
        }
        // The first name is the file; further names are left alone.
        if (info.fileName.isNull()) {
            info.fileName = fromUiPath(argument);
            if (info.command == fileNew)
                info.command = fileOpen;
        }
    }
    return info;
}
