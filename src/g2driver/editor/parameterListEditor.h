#pragma once

#include "foundation/garray.h"

class CDialog;
class QListWidget;
class g2driverParameter;
class g2driverParameterTable;

// The "Parameters:" list of the driver, template and command dialogs (list
// 1750 with Edit 1746, Delete 1747, Duplicate 1748 and New 1749): working
// copies of the edited object's parameters in the object's order, edited
// with the Edit Parameter dialogs. The list's order is the order the
// parameters are written in; the working table's list follows it after
// every change, so that what reads the table sees that order too.
class parameterListEditor {
public:
    static constexpr int listId = 1750;
    static constexpr int editId = 1746;
    static constexpr int deleteId = 1747;
    static constexpr int duplicateId = 1748;
    static constexpr int newId = 1749;

    struct settings {
        int scope;              // given to new and duplicated parameters
        int duplicateTagMessage;
        bool commandParameters; // the command form of the Edit Parameter dialog
        bool newAtTop;          // New without a selection inserts at the top
    };

    // The dialog holds the controls; the table owns the working copies.
    parameterListEditor(CDialog& dialog, g2driverParameterTable& table, const settings& choices);

    // Connects the buttons and the list; the three selection buttons start
    // disabled.
    void attach();
    // Copies of the source's parameters, listed in its order; with
    // shareUsers each copy reports the users of its original.
    void fill(const g2driverParameterTable& source, bool shareUsers);
    // The listed parameters in list order.
    garray<g2driverParameter> listed() const;
    // The target's parameters become the listed ones, by tag, so that those
    // it keeps keep their identity (and their users).
    void writeInto(g2driverParameterTable& target);

private:
    QListWidget& list() const;
    g2driverParameter* selected() const;
    void enableSelectionButtons(bool enable);
    void syncOrder();
    void runDialog(g2driverParameter* source, g2driverParameter* target, int insertAt);
    void onNew();
    void onDuplicate();
    void onEdit();
    void onDelete();

    CDialog& dialog_;
    g2driverParameterTable& table_;
    settings settings_;
};
