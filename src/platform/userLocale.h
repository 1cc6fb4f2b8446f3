#pragma once

// The user's number conventions for edit fields. The user may set either in
// the settings ("sDecimal" and "sList" of "Control Panel\International" under
// the current user); otherwise the decimal point comes from the user's locale
// and the list separator is ';' where the decimal point is ',' and ',' else.
//
// The model reads the decimal separator through getUserDecimalSeparator
// (foundation/gnumFormat.h), which start-up fills from here.
char readUserDecimalSeparator();
char getUserListSeparator();
// Hands the user's decimal separator to the model.
void applyUserNumberConventions();
