#pragma once

class QWidget;
class commandElementHost;
class g2driverCommandElement;
class g2driverResponseElement;
class responseElementHost;

// The element dialogs by element type id, as the element lists open them:
// New passes neither source nor target, Duplicate the source alone, Edit
// the same element as both. Each answers the element made or edited after
// OK, null after Cancel; a new element is the caller's from then on.

// A command element of the type id (0 to 10).
g2driverCommandElement* openCommandElementDialog(commandElementHost& host, int typeId,
                                                 const g2driverCommandElement* source,
                                                 g2driverCommandElement* target, QWidget* parent);
// The type of response element to add to the list: 0 to 12, -1 after
// Cancel.
int chooseResponseElementType(bool errorList, QWidget* parent);
// A response element of the type id (0 to 12).
g2driverResponseElement* openResponseElementDialog(responseElementHost& page, int typeId,
                                                   const g2driverResponseElement* source,
                                                   g2driverResponseElement* target, QWidget* parent);
