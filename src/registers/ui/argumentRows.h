#pragma once

#include <QListWidget>
#include <memory>

class gprocessorCall;
class gprogramArgument;

// The rows of a list box of program arguments, each owning a copy of its
// argument and showing its description, sorted by that text. New and Edit
// run the Edit Argument dialogs and keep the names unique: a row of the
// same name (ignoring case) goes only after an OK to 10227; Cancel there
// reopens the editor.
class argumentRows {
public:
    argumentRows(QListWidget& list, QWidget& owner) : list_(list), owner_(owner) {}

    // A copy of each argument of the call, from the last to the first.
    void fill(const gprocessorCall& call);
    // -1 when no row is selected.
    int selectedRow() const;
    int count() const { return list_.count(); }
    const gprogramArgument& argumentAt(int row) const;

    // Select Argument Type, then the editor on a new argument; true when a
    // row was added (and selected).
    bool addNew();
    // The editor on the selected row's argument; true when the row was
    // replaced by its new text (and selected). Cancel leaves the argument
    // as it was before the edit began.
    bool editSelected();
    void removeRow(int row);
    // The call's arguments become copies of the rows', in the order the
    // call had them; new names follow, from the last row to the first.
    void storeInto(gprocessorCall& call) const;

private:
    // The row of another argument with the same name, -1 when none.
    int sameNameRow(const gprogramArgument& argument, int except) const;
    int addRow(std::unique_ptr<gprogramArgument> argument);
    bool askReplace() const;

    QListWidget& list_;
    QWidget& owner_;
};
