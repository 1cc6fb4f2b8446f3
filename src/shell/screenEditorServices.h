#pragma once

class gregister;
class gsclProgram;

// What the shell's windows ask of the screen editor, which lives beside them
// in the window layer and installs itself here. Without one nothing is done.
class screenEditorServices {
public:
    virtual ~screenEditorServices() = default;

    // The drawing-properties bar reads the station's registers, programs and
    // screens again.
    virtual void refreshDrawingPropertiesBar() = 0;
    // The global drawing defaults drop their references to a register that
    // is being deleted.
    virtual void forgetRegister(gregister& reg) = 0;
    // The clipboard screen, which holds copied screen objects: whether one of
    // them uses the register, and the deletion of all of them.
    virtual bool clipboardUsesRegister(const gregister& reg) = 0;
    virtual void emptyClipboard() = 0;
    // The same for a station program that is being deleted.
    virtual void forgetProgram(gsclProgram&) {}
    virtual bool clipboardUsesProgram(const gsclProgram&) { return false; }
};

// Null takes the services away again.
void installScreenEditorServices(screenEditorServices* services);
screenEditorServices* screenEditor();

// Refreshes the drawing-properties bar when there is a screen editor.
void refreshDrawingPropertiesBar();
