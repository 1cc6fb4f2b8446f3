#include "shell/CStationEditorApp.h"

#include "batch/ui/batchTools.h"
#include "g2driver/editor/CEditValueNamesDialog.h"
#include "platform/helpViewer.h"
#include "platform/modalRun.h"
#include "platform/patternTables.h"
#include "platform/settingsRegisterDataStore.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "platform/userLocale.h"
#include "resources/fontFaceNames.h"
#include "registers/ui/registerWindows.h"
#include "resources/stringTable.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/CSclSyntaxColoursDialog.h"
#include "scl/ui/CSclView.h"
#include "scl/ui/sclColourTable.h"
#include "screens/editor/screenDocuments.h"
#include "screens/editor/screenEditorStartup.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gimageLibrary.h"
#include "shell/CAboutDialog.h"
#include "shell/CDocument.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CSplashWindow.h"
#include "shell/commandLineInfo.h"
#include "shell/mainMenu.h"
#include "shell/programVersion.h"
#include "shell/symbolShortcuts.h"
#include "shell/toolbarImages.h"
#include "shell/uiMessageService.h"
#include "sourceedit/sourceEditorSettings.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPointer>
#include <QSessionManager>
#include <QStringList>
#include <QTimer>

int dragThresholdX = 0;
int dragThresholdY = 0;

namespace {

CStationEditorApp* theApp = nullptr;

const char* const machineKey = "SOFTWARE\\Korvel Viziveridizuva inc.";
const char* const recentFileSection = "Recent File List";
constexpr int helpPathLimit = 260;

// Sees every event of the program first, as the application's message
// filter did.
class inputFilter final : public QObject {
public:
    explicit inputFilter(CStationEditorApp& app) : app_(app) {}

    bool eventFilter(QObject* target, QEvent* event) override
    {
        return app_.preTranslate(target, event) || QObject::eventFilter(target, event);
    }

private:
    CStationEditorApp& app_;
};

gstr joinPath(const gstrSlice& folder, int fileNameId)
{
    gstr path(folder);
    path.append('/');
    path.append(stringTableText(fileNameId));
    return path;
}

} // namespace

const char* const applicationTitle = "K.O.R.V.E.L. Quillane";

void registerLongExtension(const gstrSlice& shortExtension, const gstrSlice& longExtension)
{
    settingsStore& store = settings();
    if (store.keyExists(settingsHive::classesRoot, longExtension))
        return;
    auto fileType = store.readString(settingsHive::classesRoot, shortExtension, "");
    if (fileType && !fileType->isEmpty())
        store.writeString(settingsHive::classesRoot, longExtension, "", *fileType);
}

CStationEditorApp* CStationEditorApp::instance() { return theApp; }

CStationEditorApp::CStationEditorApp() : version_(programVersion) { theApp = this; }

CStationEditorApp::~CStationEditorApp()
{
    frame_.reset();
    if (inputFilter_)
        qApp->removeEventFilter(inputFilter_.get());
    setMessageBoxOwnerRule({});
    if (&messageService() == &theUiMessageService())
        installMessageService(previousMessages_);
    if (&registerDataStore() == &theRegisterDataStore())
        installRegisterDataStore(nullptr);
    CSplashWindow::enable(false);
    if (theApp == this)
        theApp = nullptr;
}

bool CStationEditorApp::InitInstance(const QStringList& arguments)
{
    // The program's name stays out of the toolkit's display name, which the
    // window system would add to every title, the main window's included.
    setMessageBoxCaption(applicationTitle);
    // Every window without a picture of its own, child windows and list
    // windows included, shows the program's.
    QApplication::setWindowIcon(programIcon());
    previousMessages_ = &messageService();
    installMessageService(&theUiMessageService());
    installRegisterDataStore(&theRegisterDataStore());
    inputFilter_ = std::make_unique<inputFilter>(*this);
    qApp->installEventFilter(inputFilter_.get());
    // While the splash window is up, boxes belong to the main window.
    setMessageBoxOwnerRule([this]() -> QWidget* {
        if (CSplashWindow::showing() && frame_)
            return frame_.get();
        if (QApplication::activeModalWidget())
            return windowInFront();
        return frame_ ? QApplication::activeWindow() : nullptr;
    });

    registerLongExtensions();
    chooseSettingsKey();
    setHelpPaths();
    CSplashWindow::enable(commandLineInfo::parse(arguments).showSplash);
    dragThresholdX = dragThresholdY = QApplication::startDragDistance();
    setDragThreshold(dragThresholdX);
    loadRecentFiles();
    addDocTemplates();
    initFontNames();
    initOtherSubsystems();
    addAppCommands();

    frame_ = std::make_unique<CMainFrame>();
    if (!frame_->create(!settingsKeyExisted_))
        return false;
    frame_->setToolDialog(32842, [this] { CSclSyntaxColoursDialog(frame_.get()).DoModal(); });
    commandLineInfo second = commandLineInfo::parse(arguments);
    loadRememberedImageLibrary();
    startScreenEditor(*frame_);
    installRegisterWindows(*frame_);
    installBatchTools(*frame_);
    installValueNamesEditor();
    if (!runCommandLine(second))
        return false;
    frame_->setMaximizeDoc(profileInt("General", "MaximizeDoc", 0) != 0);
    if (profileInt("General", "MaximizeApp", 0) != 0)
        frame_->showMaximized();
    else
        frame_->show();
    frame_->setAcceptDrops(true);
    // The session ends: the same question and saving as closing the frame.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, frame_.get(), [this](QSessionManager& session) {
        if (frame_->closeStation())
            frame_->saveFrameState();
        else
            session.cancel();
    });
    return true;
}

void CStationEditorApp::registerLongExtensions()
{
    registerLongExtension(".stn", ".korvel-station");
    registerLongExtension(".kdl", ".korvel-drivers");
    registerLongExtension(".kil", ".korvel-images");
}

// A missing settings key means a first run.
void CStationEditorApp::chooseSettingsKey()
{
    settingsKeyExisted_ = settings().keyExists(settingsHive::currentUser, profileKey);
    if (!settingsKeyExisted_)
        writeProfileInt("General", "WarnNewLogStrings", 0);
}

void CStationEditorApp::setHelpPaths()
{
    auto folder = settings().readString(settingsHive::localMachine, machineKey, "Help File Path");
    if (!folder)
        return;
    gstr limited(gstrSlice(folder->data(), std::min(folder->length(), helpPathLimit)));
    mainHelpPath_ = joinPath(limited, 10379);
    driverHelpPath_ = joinPath(limited, 10367);
    sclHelpPath_ = joinPath(limited, 10365);
    setHelpFile(mainHelpPath_);
}

void CStationEditorApp::addDocTemplates()
{
    // Screens and station SCL programs.
    screenTemplate_ = std::make_unique<CMultiDocTemplate>(screenTemplateId, makeScreenDocument, makeScreenView);
    sclTemplate_ = std::make_unique<CMultiDocTemplate>(
        sclTemplateId, [] { return std::make_unique<CSclGlobalDoc>(); },
        [](CDocument& d) { return new CSclGlobalView(&static_cast<CSclGlobalDoc&>(d)); });
}

void CStationEditorApp::initFontNames()
{
    const QString system[3] = {QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(),
                               QApplication::font().family(),
                               QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    for (int i = 0; i < 3; ++i)
        fontFaceName(i) = fromUiText(system[i]);
    const char* named[5] = {"MS Serif", "MS Sans Serif", "Arial", "Times New Roman", "Courier New"};
    for (int i = 0; i < 5; ++i)
        fontFaceName(3 + i) = gstr(named[i]);
}

// The user's decimal separator for the model's number conversions, the
// start-up settings of the source editor, the SCL colours and the fill
// patterns of screens. The drawing defaults join here when their editor
// comes.
void CStationEditorApp::initOtherSubsystems()
{
    applyUserNumberConventions();
    sourceEditorSetOptions(1 | 4 | 8 | 16, true);
    sourceEditorHighlightColour = 0x0000FF;
    sourceEditorMode = 3;
    initSclColourTable();
    makeFillPatternTable();
    makeColourPatternTable();
    drawingDefaults().reset();
}

// The image library of the last run, forgotten when it cannot be read.
void CStationEditorApp::loadRememberedImageLibrary()
{
    gfileName file;
    file.fullPath = profileString("Settings", "Image Library", "");
    if (file.hasFile() && !imageLibrary().load(file))
        deleteProfileValue("Settings", "Image Library");
}

bool CStationEditorApp::runCommandLine(const commandLineInfo& info)
{
    if (!frame_)
        return false;
    switch (info.command) {
    case commandLineInfo::fileNew:
        frame_->newStation();
        return true;
    case commandLineInfo::fileOpen: {
        gfileName file;
        file.fullPath = info.fileName;
        return frame_->openFile(file) == 0;
    }
    case commandLineInfo::other: break;
    }
    return true;
}

void CStationEditorApp::addAppCommands()
{
    commands_.on(57664, [this] {
        CAboutDialog about(version_, frame_.get());
        about.DoModal();
    });
    commands_.on(57667, [this] { helpWith(mainHelpPath_); });
    commands_.on(32871, [this] { helpWith(sclHelpPath_); });
    commands_.on(32938, [this] { helpWith(driverHelpPath_); });
    for (int i = 0; i < recentFileCount; ++i) {
        commands_.on(firstRecentFileCommand + i, [this, i] { openRecentFile(i); }, [this, i](commandState& s) {
            bool present = i < static_cast<int>(recentFiles_.size());
            s.enable(present);
            gstr text;
            if (present) {
                text.format("&%d %s", i + 1, recentFiles_[i]);
                s.setPathText(text);
                return;
            }
            if (i == 0)
                text.assign("Recent File");
            s.setText(text.isNull() ? gstrSlice::empty : text);
        });
    }
    // The caret line of a source view, shown only while a view gives it.
    commands_.onUpdate(CMainFrame::lineIndicatorId, [](commandState& s) {
        s.enable();
        s.setText("");
    });
    commands_.onUpdate(0xE702, [](commandState& s) { s.enable(false); });
}

// The help file of one topic for the length of the command.
void CStationEditorApp::helpWith(const gstr& helpPath)
{
    setHelpFile(helpPath);
    showHelp(helpCommand::contents);
    setHelpFile(mainHelpPath_);
}

void CStationEditorApp::openRecentFile(int index)
{
    if (index >= static_cast<int>(recentFiles_.size()) || !frame_->closeStation())
        return;
    gfileName file;
    file.fullPath = recentFiles_[index];
    if (frame_->openFile(file) == 1)
        removeRecentFile(index);
}

void CStationEditorApp::loadRecentFiles()
{
    recentFiles_.clear();
    for (int i = 1; i <= recentFileSlots; ++i) {
        gstr name;
        name.format("File%d", i);
        gstr path = profileString(recentFileSection, name, "");
        if (!path.isEmpty())
            recentFiles_.push_back(path);
    }
}

void CStationEditorApp::saveRecentFiles() const
{
    for (int i = 0; i < recentFileSlots; ++i) {
        gstr name;
        name.format("File%d", i + 1);
        if (i < static_cast<int>(recentFiles_.size()))
            writeProfileString(recentFileSection, name, recentFiles_[i]);
        else
            deleteProfileValue(recentFileSection, name);
    }
}

void CStationEditorApp::addToRecentFiles(const gstrSlice& path)
{
    std::erase_if(recentFiles_, [&path](const gstr& p) { return p == path; });
    recentFiles_.insert(recentFiles_.begin(), gstr(path));
    if (recentFiles_.size() > static_cast<size_t>(recentFileSlots))
        recentFiles_.resize(recentFileSlots);
    saveRecentFiles();
}

void CStationEditorApp::removeRecentFile(int index)
{
    if (index < 0 || index >= static_cast<int>(recentFiles_.size()))
        return;
    recentFiles_.erase(recentFiles_.begin() + index);
    saveRecentFiles();
}

void CStationEditorApp::updateSclViews()
{
    for (CDocument* d : sclTemplate_->documents())
        d->updateAllViews();
}

void CStationEditorApp::notifyScreenObjects(int argument, unsigned kindMask)
{
    for (CDocument* d : screenTemplate_->documents())
        d->notifyObjects(argument, kindMask);
}

void CStationEditorApp::reloadSclDocuments()
{
    for (CDocument* d : sclTemplate_->documents())
        d->reloadFromObjects();
}

bool CStationEditorApp::saveAllModified()
{
    return screenTemplate_->saveAllModified() && sclTemplate_->saveAllModified();
}

void CStationEditorApp::closeAllDocuments()
{
    screenTemplate_->closeAllDocuments();
    sclTemplate_->closeAllDocuments();
}

bool CStationEditorApp::preTranslate(QObject* target, const QEvent* event)
{
    CSplashWindow::checkInput(event);
    if (event->type() != QEvent::KeyPress || !target->isWidgetType())
        return false;
    auto* key = static_cast<const QKeyEvent*>(event);
    int symbol = symbolForKeyEvent(*key);
    if (symbol == 0)
        return false;
    auto* widget = static_cast<QWidget*>(target);
    if (symbol == insertSymbolRequest) {
        // Insert Symbol runs after the key has gone, for the field that had
        // the focus.
        QPointer<QWidget> field(widget);
        QTimer::singleShot(0, frame_.get(), [this, field] {
            if (frame_)
                frame_->insertSymbol(field.data());
        });
        return true;
    }
    char code = static_cast<char>(symbol);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, toUiText(gstrSlice(&code, 1)));
    QCoreApplication::sendEvent(widget, &typed);
    return true;
}
