#pragma once

#include "foundation/gmessageService.h"

// What model code calls to tell or ask the user, through the installed
// message service. An id is a string-table id: the box shows its text and
// carries the id as its help context.
ganswer warningBox(const gstrSlice& text);
ganswer warningBox(int id);
ganswer informationBox(const gstrSlice& text);
ganswer informationBox(int id);

// Runs the Enter Text dialog starting from initial (nothing when it is the
// null slice); line breaks are single carriage returns. When Cancel is
// offered and the dialog does not end with OK, out has no buffer; otherwise
// it is the text left in the dialog (the initial text after a close).
void askText(gstr& out, bool withCancel, const gstrSlice& initial);

// Runs the warning list over text (lines end with line feeds); true when no
// question is asked or the user answered OK.
bool showWarningDialog(const gstrSlice& text, bool question);
