#pragma once

#include "foundation/gsortedList.h"
#include "registers/gvalueListNodes.h"
#include "registers/sources/ui/CDataElementSourcePane.h"

class CIntegerInputFormatPage;
class CMovableChildWnd;

// The pane of a digital Number source (template 789): the shared command
// data, the integer input format over placeholder 1843 and the "&Value
// Map..." button, which edits a working copy of the value map; the copy
// goes into the source made on OK, and is lost on Cancel.
class CDigitalNumberDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int templateId = 789;
    static constexpr int formatPlaceholderId = 1843;
    static constexpr int valueMapId = 1993;

    explicit CDigitalNumberDataSourcePane(CSourceTypeHostPane& host);
    ~CDigitalNumberDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

    CIntegerInputFormatPage& formatPage() const { return *format_; }
    const gsortedList<gvalueMapEntry>& valueMap() const { return valueMap_; }

protected:
    void moveChildren(int extra) override;

private:
    void editValueMap();

    CIntegerInputFormatPage* format_ = nullptr;
    CMovableChildWnd* valueMapButton_ = nullptr;
    gsortedList<gvalueMapEntry> valueMap_;
};
