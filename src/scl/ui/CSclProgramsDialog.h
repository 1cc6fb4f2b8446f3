#pragma once

#include "shell/CSelectDialog.h"

class gsclProgram;

// The list window of the station's SCL programs ("SCL Programs", template
// 601): Edit opens the program's window (or brings it forward), Properties
// runs the Program Properties dialog on it, New and Duplicate run that
// dialog to make a program (which it opens), and Delete removes a program
// nothing calls, closing its window first.
class CSclProgramsDialog : public CSelectDialog {
public:
    static constexpr int dialogId = 601;
    static constexpr int propertiesId = 1388;

    CSclProgramsDialog();
    ~CSclProgramsDialog() override;

    // The main frame's window, null while there is none.
    static CSclProgramsDialog* instance();

    bool canCreateObjects() const override;
    void fillList() override;
    void enableSelectionButtons(bool enable) override;
    // After a program window changed the program's properties: its row
    // shows its name again.
    void updateProgramRow(gsclProgram* program);

    void OnProperties();

protected:
    void OnNew() override;
    void OnEdit() override;
    void OnDelete() override;
    void OnDuplicate() override;

private:
    gsclProgram* selectedProgram() const;
    void addMade(gsclProgram* program);
};
