#pragma once

#include "platform/CDialog.h"

// The base of the panes that edit the properties of an object inside a
// larger window. The owner hands the page its object and asks it to apply
// what the user typed but has not applied yet.
class CObjectPage : public CDialog {
public:
    explicit CObjectPage(int templateId, QWidget* parent = nullptr);

    // Keeps owner and object; with an owner, the page shows the object.
    void setObject(QWidget* owner, void* object);

    // Applies an edit the page holds but has not yet applied to its object.
    virtual void commitEdits();
    // Fills the controls from the edited object.
    virtual void loadFromObject() = 0;

    QWidget* owner() const { return owner_; }
    template <class T>
    T* editedObject() const
    {
        return static_cast<T*>(object_);
    }

private:
    void* object_ = nullptr;
    QWidget* owner_ = nullptr;
};
