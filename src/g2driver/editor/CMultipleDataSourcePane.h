#pragma once

#include "registers/sources/ui/CDataSourcePane.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The pane of a data object with several sources (template 824): a list of
// member sources, each row its kind and what it reads, edited in the Edit
// Source dialog, and whether the object is masked when any or only when all
// members are disabled. The pane holds copies of the members; a build
// hands out copies too, so a refused OK keeps the list. The rows show the
// members sorted by kind; the source keeps them in the order they were
// read and added, so an unchanged OK writes them back as they were.
class CMultipleDataSourcePane : public CDataSourcePane {
public:
    static constexpr int templateId = 824;
    static constexpr int listId = 2003;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int anyId = 2004;
    static constexpr int allId = 2005;

    explicit CMultipleDataSourcePane(CSourceTypeHostPane& host);
    ~CMultipleDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    bool acceptValueKind(int32_t kind) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
    void registerUses(gusesList& uses) override;

    int rowCount() const;
    // The member shown in a row (rows sorted by kind name).
    g2driverDataSource* rowSource(int row) const;
    QTreeWidget& list() const { return *list_; }

private:
    void addControls();
    void addMember(std::unique_ptr<g2driverDataSource> member);
    void showRow(g2driverDataSource* member);
    void replaceMember(g2driverDataSource* old, std::unique_ptr<g2driverDataSource> member);
    void removeMember(g2driverDataSource* member);
    g2driverDataSource* selectedMember() const;
    void enableButtons();
    void editMember(bool isNew, bool copy);
    void deleteMember();

    QTreeWidget* list_ = nullptr;
    std::vector<std::unique_ptr<g2driverDataSource>> members_;
};
