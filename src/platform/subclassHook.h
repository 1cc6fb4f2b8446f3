#pragma once

// A control that finishes its setup once it sits in its dialog at its final
// place, the moment a control of a dialog template is taken over by its
// class: the spin edits make their spin there, the custom-drawn controls
// measure their layout. CDialog calls it when it places such a control;
// code that places one by hand calls it itself.
class CSubclassHook {
public:
    virtual void PreSubclassWindow() = 0;

protected:
    ~CSubclassHook() = default;
};
