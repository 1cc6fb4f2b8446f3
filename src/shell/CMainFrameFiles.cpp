// The main frame's station file commands: New, Open, Save, Save As, the
// question before a modified station is discarded, dropped files, closing the
// frame and its title.
#include "shell/CMainFrame.h"

#include "foundation/messageBoxes.h"
#include "foundation/textEncodings.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "platform/waitCursor.h"
#include "resources/stringTable.h"
#include "shell/CChildFrame.h"
#include "shell/CDocument.h"
#include "shell/CLoadingStationDialog.h"
#include "shell/CSelectDialog.h"
#include "shell/CStationEditorApp.h"
#include "shell/fileNameDialog.h"
#include "store/gstationState.h"
#include "store/safeSave.h"
#include "store/stationFile.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>

namespace {

// The order in which the lists are emptied and refilled.
constexpr CMainFrame::listWindow stationLists[] = {
    CMainFrame::legacyDataMasks, CMainFrame::legacyDeviceDrivers, CMainFrame::serialPorts,
    CMainFrame::registers,       CMainFrame::screens,             CMainFrame::sclPrograms,
    CMainFrame::legacyParameters, CMainFrame::sabusRequests,      CMainFrame::deviceDrivers,
};

// The file's name without its folder; the path itself when that is empty.
gstr fileTitle(const gstr& path)
{
    std::string_view p = path.view();
    size_t slash = p.rfind('/');
    std::string_view name = slash == std::string_view::npos ? p : p.substr(slash + 1);
    if (name.empty())
        return path;
    return gstr(gstrSlice(name.data(), static_cast<int32_t>(name.size())));
}

gstr absolutePath(const gstr& path) { return fromUiPath(QFileInfo(toUiPath(path)).absoluteFilePath()); }

void addToRecentFiles(const gstr& path)
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->addToRecentFiles(path);
}

} // namespace

bool CMainFrame::documentsSaved()
{
    CStationEditorApp* app = CStationEditorApp::instance();
    return !app || app->saveAllModified();
}

void CMainFrame::addFileCommands()
{
    commands_.on(32848, [this] { OnFileNew(); });
    commands_.on(32849, [this] { OnFileOpen(); });
    commands_.on(32852, [this] { OnFileSave(); },
                 [](commandState& s) { s.enable(stationOpen() && stationState().modified != 0); });
    commands_.on(32853, [this] { saveAs(); }, [](commandState& s) { s.enable(stationOpen()); });
}

void CMainFrame::newStation()
{
    path_.assign(stringTableText(61443));
    untitled_ = true;
    libraryMode_ = false;
    clearObjectDatabase(false);
    stationState().modified = 0;
    stationState().open = 1;
    updateFrameTitle();
}

void CMainFrame::OnFileNew()
{
    if (closeStation())
        newStation();
}

void CMainFrame::OnFileOpen()
{
    gfileName file;
    if (!fileNameDialog(file, fileMode::openAny, fileKind::stationOrLibrary))
        return;
    if (closeStation())
        openFile(file);
}

int CMainFrame::openFile(const gfileName& file)
{
    auto loading = std::make_unique<CLoadingStationDialog>(this);
    waitCursor busy;
    path_ = absolutePath(file.path());
    libraryMode_ = isLibraryFileName(path_);
    untitled_ = false;
    int result = loadObjectFile(path_, libraryMode_, false);
    if (result == gloadError::none) {
        addToRecentFiles(path_);
        refillListWindows();
    } else if (result != gloadError::notOpened) {
        clearObjectDatabase(false);
    }
    updateFrameTitle();
    return result;
}

void CMainFrame::refillListWindows()
{
    for (listWindow which : stationLists)
        listWindows_[which]->refresh();
}

bool CMainFrame::closeStation()
{
    if (testing_ || !documentsSaved())
        return false;
    if (!stationOpen())
        return true;
    if (stationState().modified != 0 && !saveBeforeClosing())
        return false;
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->closeAllDocuments();
    for (listWindow which : stationLists)
        listWindows_[which]->emptyList();
    closeObjectDatabase();
    return true;
}

// Yes saves (under a new name when the station has none), No discards,
// Cancel keeps the station.
bool CMainFrame::saveBeforeClosing()
{
    gstr question(stringTableText(61699));
    question.replaceAll("%1", pathAsText(fileTitle(path_)), false, true);
    switch (messageBox(question, gbuttons::yesNoCancel, gicon::none, 61699)) {
    case ganswer::yes: return untitled_ ? saveUnderNewName() : writeStation(path_, false);
    case ganswer::no: return true;
    default: return false;
    }
}

void CMainFrame::OnFileSave()
{
    if (untitled_) {
        saveAs();
        return;
    }
    if (documentsSaved())
        writeStation(path_, false);
}

bool CMainFrame::saveAs() { return documentsSaved() && saveUnderNewName(); }

bool CMainFrame::saveUnderNewName()
{
    gfileName file;
    file.fullPath = path_;
    if (!fileNameDialog(file, fileMode::save, stationSaveKind(libraryMode_)))
        return false;
    gstr chosen = absolutePath(file.path());
    if (!writeStation(chosen, false))
        return false;
    path_ = chosen;
    untitled_ = false;
    libraryMode_ = isLibraryFileName(path_);
    addToRecentFiles(path_);
    updateFrameTitle();
    return true;
}

bool CMainFrame::writeStation(const gstrSlice& target, bool driversOnly)
{
    gstr reason;
    bool saved;
    {
        waitCursor busy;
        saved = saveObjectFileSafely(target, driversOnly, reason);
    }
    if (saved)
        return true;
    gstr text;
    text.format("The file \"%s\" could not be saved; it is left as it was.\n\n%s", pathAsText(target), reason);
    warningBox(text);
    return false;
}

void CMainFrame::updateFrameTitle()
{
    QString title;
    gstr name = fileTitle(path_);
    if (stationOpen() && !name.isEmpty())
        title = pathForDisplay(name) + QStringLiteral(" - ");
    title += QString::fromLatin1(applicationTitle);
    auto* child = dynamic_cast<CChildFrame*>(mdiArea_ ? mdiArea_->activeSubWindow() : nullptr);
    if (child && !child->isMaximized())
        title += QStringLiteral(" - ") + toUiText(child->document().title());
    setWindowTitle(title);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!closeStation()) {
        event->ignore();
        return;
    }
    saveFrameState();
    event->accept();
    // Closing the main frame ends the program, whatever windows are open.
    QCoreApplication::quit();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    dropFiles(event->mimeData()->urls());
}

void CMainFrame::dropFiles(const QList<QUrl>& urls)
{
    if (urls.isEmpty() || !urls.first().isLocalFile() || !closeStation())
        return;
    gfileName file;
    file.fullPath = fromUiPath(urls.first().toLocalFile());
    if (openFile(file) != gloadError::none)
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
