#pragma once

#include "g2driver/model/g2driverCommandDataName.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverResponseDataName.h"
#include "g2driver/model/g2driverResponseValue.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class QComboBox;
class g2driverParameter;
class g2driverProgram;

using g2driverProgramTable = jhashTypedDatabaseTable<g2driverProgram>;

// What the element dialogs reach through the dialog that opened them. The
// command dialogs (template and command) implement the first, the response
// elements pages of the template dialog the second; the element dialogs
// know nothing else of their opener.
//
// The entries of a parameter combo carry their parameter as the item's
// object (legacy/ui/objectItems.h: insertItemAt, itemObject), with the tag
// as text.

// The command dialog of a command element dialog.
class commandElementHost {
public:
    virtual ~commandElementHost() = default;

    // Fills each of the count combos with the parameters of the value kind
    // that the element may use, in list order, each combo selecting the
    // entry of its chosen parameter (chosen may be null: nothing chosen).
    // False when the first combo stays empty; otherwise every combo without
    // a selection selects its first entry.
    virtual bool fillParameterCombos(QComboBox* const* combos, int count, int32_t kind,
                                     g2driverParameter* const* chosen) = 0;
    // The names the template's DATA element declares.
    virtual g2driverCommandDataNameTable& commandDataNames() = 0;
    // The driver's working programs (for checksums a program computes).
    virtual g2driverProgramTable* driverPrograms() = 0;
};

// The response elements page of a response element dialog: one list (valid
// or error) of the template being edited.
class responseElementHost {
public:
    virtual ~responseElementHost() = default;

    // The template dialog: its parameters and the driver's programs.
    virtual commandElementHost& templateDialog() = 0;
    // The named values the page's value elements declare.
    virtual g2driverResponseValueTable& responseValues() = 0;
    // The template dialog's response data names.
    virtual g2driverResponseDataNameTable& responseDataNames() = 0;
    // The driver dialog's working error codes.
    virtual g2driverErrorCodeTable& errorCodes() = 0;
    // True for the error-response list.
    virtual bool isErrorList() const = 0;
};
