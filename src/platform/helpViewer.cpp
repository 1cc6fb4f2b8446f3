#include "platform/helpViewer.h"

#include "foundation/textEncodings.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

gstr currentFile;
helpRequest last;

} // namespace

void setHelpFile(const gstrSlice& path) { currentFile.assign(path); }

const gstr& helpFile() { return currentFile; }

void showHelp(helpCommand command, unsigned context, const gstrSlice& keyword)
{
    last.file = currentFile;
    last.command = command;
    last.context = context;
    last.keyword.assign(keyword);
    if (currentFile.isEmpty())
        return;
    QString path = toUiPath(currentFile);
    if (!QFileInfo(path).isFile()) {
        gstr text("Help is not installed: the help file ");
        text.append(pathAsText(currentFile));
        text.append(" does not exist.");
        messageBox(text, gbuttons::ok, gicon::information);
        return;
    }
    // Under a test responder nothing outside the program is started.
    if (!installedModalResponder())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

const helpRequest& lastHelpRequest() { return last; }
