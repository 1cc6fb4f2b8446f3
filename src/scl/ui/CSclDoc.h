#pragma once

#include "sourceedit/ui/CSourceDocMfc.h"

class gsclProgram;
class gsclProgramBody;

// The document of an open SCL program: the program's text as source-editor
// lines while the window is open. It is never read from or written to a
// file: the text comes from the program's code when the document opens and
// goes back into it whenever the document is asked to save its
// modifications (its window closes, the station's save-all, Properties). The
// program stays owned by its table; the document keeps a pointer.
//
// Lines are at most 256 characters long as far as editing goes; a longer line
// read from a program is kept whole.
class CSclDoc : public CSourceDocMfc {
public:
    static constexpr int maximumLineLength = 256;
    static constexpr int propertiesCommand = 32840;

    ~CSclDoc() override;

    // The document's text becomes the body's code, split at each CR (an LF
    // stays in its line); no undo record, no length limit. Views are
    // refreshed.
    void readProgramText(const gsclProgramBody& body);
    // The body's code becomes the lines joined by single CRs. Answers 1.
    int writeProgramText(gsclProgramBody& body) const;

    // The views repaint with new metrics and colours; the text stays.
    void updateAllViews() override;
    // The document's title, shown by its window too.
    void retitle(const gstrSlice& title);

protected:
    CSclDoc();
};

// The document of a station program, shown in a window of the main frame.
// Every edit marks the station modified; its Properties command (32840) runs
// the Program Properties dialog.
class CSclGlobalDoc : public CSclDoc {
public:
    CSclGlobalDoc();
    ~CSclGlobalDoc() override;

    gsclProgram* getProgram() const { return program_; }
    // The open step: attaches the program and reads its text; without one
    // the document is empty.
    void openProgram(gsclProgram* program);
    // Takes the program and its title (the tag when it has none).
    void setPathName(gsclProgram* program);
    void DeleteContents() override;
    // Writes the text back into the program; never asks, never refuses.
    bool saveModified() override;
    // Batch tools changed the code: the text is read again.
    void reloadFromObjects() override;
    void reloadProgramText();

    CSourceTokenizer* getTokenizer() override;
    void setModified(int flag) override;

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;
    void OnProperties();

    // The open document of the program, null when there is none.
    static CSclGlobalDoc* find(const gsclProgram* program);
    // A new window of the application's SCL template for the program.
    static CSclGlobalDoc* openWindow(gsclProgram& program);
    // The program's window in front, restored when it was minimised; a new
    // window when it has none.
    static void show(gsclProgram& program);
    // Closes the program's window without writing its text back.
    static void closeWindow(const gsclProgram* program);
    // Every open program window gives its text back to its program, so that
    // what reads or changes programs sees what the windows show.
    static void writeBackAll();
    // The same for the program's window, when it has one.
    static void writeBack(const gsclProgram* program);

private:
    gsclProgram* program_ = nullptr;
};

// The document of a program of a device driver, shown in the driver program
// editor. Its edits leave the station alone: the driver dialog marks it when
// it commits. Its Properties command asks the driver dialog.
class CSclLocalDoc : public CSclDoc {
public:
    CSclLocalDoc();
    ~CSclLocalDoc() override;

    gsclProgramBody* getProgram() const { return program_; }
    void openProgram(gsclProgramBody* program);
    // Takes the program; the title is its tag.
    void setPathName(gsclProgramBody* program);
    void DeleteContents() override;
    bool saveModified() override;
    // The program goes away without its text being written back (the
    // driver dialog that owns it is closing).
    void detachProgram() { program_ = nullptr; }

    CSourceTokenizer* getTokenizer() override;

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

private:
    gsclProgramBody* program_ = nullptr;
};
