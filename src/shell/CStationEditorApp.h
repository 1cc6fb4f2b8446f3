#pragma once

#include "foundation/gstr.h"
#include "platform/commandTarget.h"

#include <QtContainerFwd>
#include <memory>
#include <vector>

class CMainFrame;
class CMultiDocTemplate;
class gmessageService;
class QEvent;
class QObject;
struct commandLineInfo;

// The drag distances of the system, set at start-up; the screen editor
// starts a drag only when the mouse moved at least this far.
extern int dragThresholdX;
extern int dragThresholdY;

// The program's name, as the main window's title and every box show it.
extern const char* const applicationTitle;

// The application object: the start-up sequence, the main frame, the two
// document templates, the help files, the recent files, the symbol
// shortcuts, and the broadcasts that other windows call after they change
// objects.
class CStationEditorApp {
public:
    static constexpr int screenTemplateId = 107;
    static constexpr int sclTemplateId = 220;
    static constexpr int recentFileSlots = 4;

    // The one application object, null while there is none.
    static CStationEditorApp* instance();

    CStationEditorApp();
    ~CStationEditorApp();
    CStationEditorApp(const CStationEditorApp&) = delete;
    CStationEditorApp& operator=(const CStationEditorApp&) = delete;

    // The start-up sequence; false ends the program. arguments: those after
    // the program's name.
    bool InitInstance(const QStringList& arguments);
    // Acts on the command line once the main frame exists.
    bool runCommandLine(const commandLineInfo& info);

    CMainFrame* mainFrame() const { return frame_.get(); }
    const gstr& versionString() const { return version_; }
    bool settingsKeyExisted() const { return settingsKeyExisted_; }
    const gstr& mainHelpPath() const { return mainHelpPath_; }
    const gstr& driverHelpPath() const { return driverHelpPath_; }
    const gstr& sclHelpPath() const { return sclHelpPath_; }
    CMultiDocTemplate& screenTemplate() const { return *screenTemplate_; }
    CMultiDocTemplate& sclTemplate() const { return *sclTemplate_; }
    commandMap& commands() { return commands_; }

    // Every open SCL document updates its views.
    void updateSclViews();
    // Every open screen tells its graphic objects whose kind bits meet the
    // mask.
    void notifyScreenObjects(int argument, unsigned kindMask);
    // Every open SCL document takes its text again from its program.
    void reloadSclDocuments();
    // Every document asks to save itself; false when one refused.
    bool saveAllModified();
    // Every document closes without asking.
    void closeAllDocuments();

    // The recent-file list (four entries, most recent first).
    const std::vector<gstr>& recentFiles() const { return recentFiles_; }
    void addToRecentFiles(const gstrSlice& path);
    void removeRecentFile(int index);

    // A Ctrl key that types a symbol, and the splash window's check, before
    // anything else sees the event.
    bool preTranslate(QObject* target, const QEvent* event);

private:
    void registerLongExtensions();
    void chooseSettingsKey();
    void setHelpPaths();
    void addDocTemplates();
    void initFontNames();
    void initOtherSubsystems();
    void loadRememberedImageLibrary();
    void addAppCommands();
    void loadRecentFiles();
    void saveRecentFiles() const;
    void openRecentFile(int index);
    void helpWith(const gstr& helpPath);

    gstr mainHelpPath_;
    gstr driverHelpPath_;
    gstr sclHelpPath_;
    gstr version_;
    std::unique_ptr<CMultiDocTemplate> screenTemplate_;
    std::unique_ptr<CMultiDocTemplate> sclTemplate_;
    bool settingsKeyExisted_ = false;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<QObject> inputFilter_;
    commandMap commands_;
    std::vector<gstr> recentFiles_;
    gmessageService* previousMessages_ = nullptr;
};

// Ties a long extension to the file type of its short one in the "classes"
// settings, unless the long one is there already.
void registerLongExtension(const gstrSlice& shortExtension, const gstrSlice& longExtension);
