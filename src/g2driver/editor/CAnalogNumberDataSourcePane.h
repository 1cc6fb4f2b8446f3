#pragma once

#include "registers/sources/ui/CDataElementSourcePane.h"

class CFactorOffsetPane;
class CNumberInputFormatPage;

// The pane of an analog Number source (template 791): the shared command
// data, the number input format (with the symbols and the separator between
// values) over placeholder 1843, and the value factor and offset over
// placeholder 1844. The separator serves only objects of several values.
class CAnalogNumberDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int templateId = 791;
    static constexpr int formatPlaceholderId = 1843;
    // Where the factor and offset rows stand, and how wide they are.
    static constexpr int factorLeft = 216;
    static constexpr int factorWidth = 134;
    static constexpr int factorPlaceholderId = 1844;

    explicit CAnalogNumberDataSourcePane(CSourceTypeHostPane& host);
    ~CAnalogNumberDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
    void setElementCount(int32_t count) override;

    CNumberInputFormatPage& formatPage() const { return *format_; }
    CFactorOffsetPane& factorPane() const { return *factor_; }

protected:
    void moveChildren(int extra) override;

private:
    CNumberInputFormatPage* format_ = nullptr;
    CFactorOffsetPane* factor_ = nullptr;
};
