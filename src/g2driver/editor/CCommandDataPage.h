#pragma once

#include "platform/CDialog.h"

#include <QPoint>
#include <vector>

class CEditCommandDialog;
class QListWidget;
class g2driverCommand;
class g2driverCommandData;
class g2driverCommandElement;
class g2driverCommandTemplate;

// The command data page of the Edit Command dialog: for each command data
// name that the command's template declares, the content elements the
// command puts there. The page holds one working data block per name line
// (none while the name has no content); the elements of the block whose
// line is selected sit in the content list meanwhile and go back into their
// block before any other line, template or write-back is handled. A block
// left without elements is dropped.
class CCommandDataPage : public CDialog {
public:
    static constexpr int templateId = 758;
    static constexpr int dataLabelId = 1909;
    static constexpr int dataListId = 1786;
    static constexpr int contentLabelId = 1900;
    static constexpr int contentListId = 1767;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;

    explicit CCommandDataPage(CEditCommandDialog& owner);
    ~CCommandDataPage() override;

    // A child of the owner at the top-left corner of the control with that
    // id, which is remembered.
    void create(int placeholderId);
    // Moves the page below its remembered place by dy.
    void shift(int dy);
    // One line per command data name of the template, keeping the blocks of
    // names it also declares.
    void setTemplate(g2driverCommandTemplate* commandTemplate);
    // Working copies of the command's blocks of the listed names.
    void setCommandData(const g2driverCommand& command);
    // Every block goes to the command.
    void writeBack(g2driverCommand& command);

    int currentIndex() const { return current_; }

    void accept() override;
    void reject() override;

private:
    QListWidget& dataList() const;
    QListWidget& contentList() const;
    g2driverCommandElement* selectedElement() const;
    void enableContentButtons(bool enable);
    void showCurrent();
    void storeCurrent();
    void clearContent(bool deleteElements);
    void deleteBlocks();
    void selectData(int index);
    void runElementDialog(bool withSource, bool edit);
    void deleteElement();

    CEditCommandDialog& owner_;
    std::vector<g2driverCommandData*> blocks_;
    int current_ = -1;
    QPoint place_;
};
