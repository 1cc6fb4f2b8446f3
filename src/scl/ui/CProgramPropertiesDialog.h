#pragma once

#include "platform/CDialog.h"

#include <memory>
#include <vector>

class CProgramCodersPane;
class gexecutionTime;
class gsclProgram;

// Program Properties (template 547): the settings of a station program, its
// tag, name, instruction limit, run-time flags, interval, execution times
// and coders. Three uses, by its two programs:
//   New        no source, no target   "New Program"
//   Edit       the program as both    "Edit Program Properties"
//   Duplicate  the program to copy as source, no target
// Every change reaches a program only by OK: New and Duplicate then define
// the program in the station's table (taking over a placeholder of that tag)
// and open its window, so the caller only lists it.
class CProgramPropertiesDialog : public CDialog {
public:
    static constexpr int tagId = 1326;
    static constexpr int nameId = 1480;
    static constexpr int showAlwaysId = 1433;
    static constexpr int abortId = 1295;
    static constexpr int limitId = 1294;
    static constexpr int codersPlaceholderId = 2148;
    static constexpr int startupId = 1458;
    static constexpr int executeEveryId = 1290;
    static constexpr int intervalId = 1289;
    static constexpr int timesListId = 1420;
    static constexpr int editTimeId = 1223;
    static constexpr int deleteTimeId = 1202;
    static constexpr int duplicateTimeId = 1217;
    static constexpr int newTimeId = 1330;

    CProgramPropertiesDialog(gsclProgram* source, gsclProgram* target, QWidget* parent = nullptr);
    ~CProgramPropertiesDialog() override;

    // After OK: the program made or edited.
    gsclProgram* getTarget() const { return target_; }
    CProgramCodersPane& codersPane() const { return *pane_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void showSource(const gsclProgram& source);
    // The rule's row at its sorted place, selected; the dialog owns the rule.
    void addTimeRow(std::unique_ptr<gexecutionTime> rule);
    void deleteTimeRow(int row);
    int selectedTimeRow() const;
    void enableTimeButtons(bool enable);
    void onAbortClicked();
    void onExecuteEveryClicked();
    void onNewTime();
    void onEditTime();
    void onDuplicateTime();
    void onDeleteTime();
    bool readLimit(int32_t& limit);
    bool readInterval(uint32_t& milliseconds);
    void store(gsclProgram& program, int32_t limit, uint32_t interval);

    gsclProgram* source_;
    gsclProgram* target_;
    CProgramCodersPane* pane_;
    // The rules of the rows, row by row.
    std::vector<std::unique_ptr<gexecutionTime>> rules_;
};
