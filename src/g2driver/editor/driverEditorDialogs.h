#pragma once

#include <functional>

class CCommandDialogBase;
class CEditG2DeviceDriverDialog;
class CResponseElementsPage;
class QWidget;
class g2driverCommandElement;
class g2driverDataObject;
class g2driverParameter;
class g2driverParameterTable;
class g2driverResponseElement;

// The dialogs that the driver editor's lists open but other windows of the
// editor provide: the parameter dialogs, the command element dialogs, the
// response element type choice and dialogs, and the data object dialog.
// Their windows install a runner per family (an empty runner takes it away
// again); without one the list's button does nothing.
//
// Every runner follows the lists' pattern: New passes neither source nor
// target, Duplicate the source alone, Edit the same object as both. It
// answers the object made or edited after OK, null after Cancel; a new
// object is the caller's from then on (a parameter or data object has been
// defined in the caller's table).

// The Edit Parameter dialogs: commandParameter chooses the command form,
// which adds the choice whether the parameter distinguishes commands.
struct parameterDialogRequest {
    g2driverParameterTable& table;
    int duplicateTagMessage;
    g2driverParameter* source;
    g2driverParameter* target;
    bool commandParameter;
    QWidget* parent;
};
using parameterDialogRunner = std::function<g2driverParameter*(const parameterDialogRequest& request)>;
void installParameterDialog(parameterDialogRunner runner);
g2driverParameter* runParameterDialog(const parameterDialogRequest& request);

// The dialog of a command element of the type id (0 to 10), for the
// template or command dialog that owns the list.
using commandElementDialogRunner = std::function<g2driverCommandElement*(
    CCommandDialogBase& owner, int typeId, g2driverCommandElement* source, g2driverCommandElement* target)>;
void installCommandElementDialogs(commandElementDialogRunner runner);
g2driverCommandElement* runCommandElementDialog(CCommandDialogBase& owner, int typeId,
                                                g2driverCommandElement* source, g2driverCommandElement* target);

// The response element type choice of the page's list: the chosen type id
// (0 to 12), -1 after Cancel.
using responseElementTypeRunner = std::function<int(CResponseElementsPage& page)>;
void installResponseElementTypeDialog(responseElementTypeRunner runner);
int runResponseElementTypeDialog(CResponseElementsPage& page);

// The dialog of a response element of the type id, for the page's list.
using responseElementDialogRunner = std::function<g2driverResponseElement*(
    CResponseElementsPage& page, int typeId, g2driverResponseElement* source, g2driverResponseElement* target)>;
void installResponseElementDialogs(responseElementDialogRunner runner);
g2driverResponseElement* runResponseElementDialog(CResponseElementsPage& page, int typeId,
                                                  g2driverResponseElement* source, g2driverResponseElement* target);

// The Edit Data Object dialog over the driver dialog's working tables; a
// new object is defined in the working data-object table.
using dataObjectDialogRunner = std::function<g2driverDataObject*(
    CEditG2DeviceDriverDialog& owner, g2driverDataObject* source, g2driverDataObject* target)>;
void installDataObjectDialog(dataObjectDialogRunner runner);
g2driverDataObject* runDataObjectDialog(CEditG2DeviceDriverDialog& owner, g2driverDataObject* source,
                                        g2driverDataObject* target);
