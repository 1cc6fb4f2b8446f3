#pragma once

#include "formats/ui/CDataFormatPage.h"
#include "registers/gvalueListNodes.h"

#include <cstdint>
#include <vector>

class CColumnListBox;
class gthresholdList;

// The bottom value and the threshold points of a thresholds source, a
// child page that the legacy, serial data-object and G2 thresholds panes
// share (template 814 wide, 807 narrow). The points stay in ascending
// order; each row holds a copy of its point.
class CThresholdPointsPage : public CDataFormatPage {
public:
    static constexpr int bottomId = 1570;
    static constexpr int listId = 1571;
    static constexpr int modifyId = 1572;
    static constexpr int removeId = 1573;
    static constexpr int addId = 1004;
    static constexpr int height = 86;

    // Over the placeholder; with a list its points and bottom value, else a
    // bottom of 0 and no point.
    void create(CDialog& parent, int placeholderId, const gthresholdList* list, bool wide);
    // No point, or a bottom value that is not a whole number from 0 to
    // 4294967295, is refused with its message; else the list gets the
    // bottom value and the points.
    bool validate(gthresholdList& list);
    void moveBy(int dy) { moveTo(dy); }

    // The value proposed for a new point.
    uint32_t nextValue() const;
    // The row of exactly this point, searched from the last one up, -1 when
    // none.
    int findPoint(double point) const;
    int selectedRow() const { return selectedItem(listId); }

private:
    int insertPoint(const gthreshold& point);
    void removeRow(int row);
    void editPoint(int row);
    void modifySelected();
    void onRemove();
    void enableButtons(bool enable);

    CColumnListBox* list_ = nullptr;
    std::vector<gthreshold> rows_;
};

// New Threshold (template 555): a point and its digital value, new (row
// -1) or the selected row's ("Change Threshold").
class CNewThresholdDialog final : public CDialog {
public:
    static constexpr int thresholdId = 1513;
    static constexpr int valueId = 1517;

    CNewThresholdDialog(const CThresholdPointsPage& page, const gthreshold* point, QWidget* parent);

    const gthreshold& point() const { return result_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const CThresholdPointsPage& page_;
    const gthreshold* edited_;
    gthreshold result_;
};
