#pragma once

#include <QPointer>
#include <memory>

class CDialog;
class CG2DriverProgramEditor;
class CMultiDocTemplate;
class CSclLocalDoc;
class gsclProgramBody;

// What the driver program editor asks of the window that starts it, the
// objects page of the Edit Device Driver dialog. The editor's frame is a
// window of that dialog's own, so that the dialog, modal to the rest of the
// program, leaves the editor usable beside it.
class driverProgramEditorOwner {
public:
    // The command the editor sends the page after Properties in a program
    // window: the page then shows the properties of pendingProperties.
    static constexpr int propertiesCommand = 1997;

    virtual CDialog& ownerPage() = 0;

    gsclProgramBody* pendingProperties = nullptr;

protected:
    ~driverProgramEditorOwner() = default;
};

// The driver program editor: the frame in which the programs of the device
// driver being edited are open, at most one at a time. It lives on the main
// thread like every window; the driver dialog reaches it through these
// calls, and its own requests to the dialog are posted. The editor goes
// when its frame closes, by the user or by the driver dialog; a later
// request starts a new one.
class CG2DriverProgramEditorThread {
public:
    CG2DriverProgramEditorThread(const CG2DriverProgramEditorThread&) = delete;
    CG2DriverProgramEditorThread& operator=(const CG2DriverProgramEditorThread&) = delete;

    // The running editor, null when there is none (or it is closing).
    static CG2DriverProgramEditorThread* current();
    // The running editor; one is made, and its frame shown, when there is
    // none.
    static CG2DriverProgramEditorThread& start(driverProgramEditorOwner& owner);

    CG2DriverProgramEditor& frame() const { return *frame_; }
    CMultiDocTemplate& docTemplate() const { return *template_; }

    // The open document of the program, null when there is none.
    CSclLocalDoc* findDocument(const gsclProgramBody* program) const;
    // A new window for the program, its text read from it.
    CSclLocalDoc* openProgram(gsclProgramBody& program);
    // The program's window in front (restored when minimised) with the
    // editor; a new one when it has none.
    void showProgram(gsclProgramBody& program);
    // Every open document writes its text back into its program.
    void saveAllModified();
    // Every document closes without writing back; the end-session flag is
    // the framework's and changes nothing here.
    void closeAllDocuments(bool endSession);
    // Window > Close All: the documents write their text back, then close.
    void closeAllWindows();
    // Closes the program's window without writing back (the program is being
    // deleted).
    void closeDocument(const gsclProgramBody* program);

    // From a program window's Properties: the owner is asked to show the
    // program's properties; nothing when the owner is gone.
    void requestProperties(gsclProgramBody* program);
    // Whether the driver dialog is the window the user works with in the
    // application, so that Properties can reach it.
    bool isOwnerActive() const;
    // The driver dialog goes: its programs go with it, so no document
    // writes into them any more, and the editor closes.
    void ownerGone();

    // The frame closes: the editor is no longer current, the documents
    // write their text back, the frame's state is kept, and the editor is
    // deleted once the frame has gone.
    void frameClosing();

private:
    explicit CG2DriverProgramEditorThread(driverProgramEditorOwner& owner);
    ~CG2DriverProgramEditorThread();

    driverProgramEditorOwner* owner_;
    bool closing_ = false;
    QPointer<CDialog> ownerPage_;
    // Declared first so that it outlives the frame and its windows.
    std::unique_ptr<CMultiDocTemplate> template_;
    std::unique_ptr<CG2DriverProgramEditor> frame_;
};

// Every view of the editor's documents is drawn again (after the driver
// dialog changed names that the colouring looks up).
void refreshDriverProgramViews();
