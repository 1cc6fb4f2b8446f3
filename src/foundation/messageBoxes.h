#pragma once

#include "foundation/gstr.h"

// The model layer's way of showing a message or asking for a text without
// knowing the dialogs: each call goes to the installed message service.

// OK button and the exclamation icon. By id the text comes from the string
// table and the id is the box's help context; a composed text may name the id
// it started from as its promptId.
void warningBox(const gstrSlice& text, int promptId = 0);
void warningBox(int id);
// The same with the information icon.
void informationBox(const gstrSlice& text, int promptId = 0);
void informationBox(int id);

// Runs the Enter Text dialog on initial (nothing when it is the null slice)
// and leaves in out the text the user left there. With Cancel offered, a
// dialog that did not end with OK leaves out empty, without a buffer.
void askText(gstr& out, bool withCancel, const gstrSlice& initial);

// Runs the warning-list dialog on text (lines separated by "\n"); true when no
// question is asked or the user answered OK.
bool showWarningDialog(const gstrSlice& text, bool question);
