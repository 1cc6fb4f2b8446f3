#pragma once

#include "platform/CDialog.h"

class fscreen;
class gdrawingProperties;

// The base of the panes that edit the properties of an object inside a
// larger window. The owner hands the page its object and asks it to apply
// what the user typed but has not applied yet.
//
// The panes of the drawing-properties bar edit a drawing-properties record
// instead: the gathered properties of a screen's selection (with that
// screen), or the drawing defaults (without a screen).
class CObjectPage : public CDialog {
public:
    explicit CObjectPage(int templateId, QWidget* parent = nullptr);

    // Keeps owner and object; with an owner, the page shows the object.
    void setObject(QWidget* owner, void* object);
    // Keeps record and screen; with a record, the pane loads its controls.
    void setObject(gdrawingProperties* record, fscreen* screen);

    // Applies an edit the page holds but has not yet applied to its object.
    virtual void commitEdits();
    // Fills the controls from the edited object (a pane: from its record).
    virtual void loadFromObject() = 0;
    void loadControls() { loadFromObject(); }
    // The main frame realised its palette: in the foreground (1), or after
    // another window changed it (0).
    virtual void paletteChanged(int foreground);
    // The bar's panes read the station's registers, images, screens or
    // programs again; a pane without such a list ignores the call.
    virtual void refillRegisterList();
    virtual void refillImageList();
    virtual void refillScreenList();
    virtual void refillProgramList();

    QWidget* owner() const { return owner_; }
    template <class T>
    T* editedObject() const
    {
        return static_cast<T*>(object_);
    }
    gdrawingProperties* record() const { return record_; }
    fscreen* screen() const { return screen_; }

private:
    void* object_ = nullptr;
    QWidget* owner_ = nullptr;
    gdrawingProperties* record_ = nullptr;
    fscreen* screen_ = nullptr;
};
