#pragma once

#include "registers/sources/ui/CDataElementSourcePane.h"
#include "store/gprocessorCall.h"

#include <vector>

class CProgramCombo;

// The pane of a Processor source (template 797): the shared command data, a
// fixed width, and below them the driver's program that reads the data with
// its arguments (the controls of the program child, template 798). A driver
// without programs cannot show it.
class CProcessorDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int templateId = 797;
    static constexpr int useWidthId = 1717;
    static constexpr int widthId = 1510;
    static constexpr int programId = 1384;
    static constexpr int argumentsId = 1030;

    explicit CProcessorDataSourcePane(CSourceTypeHostPane& host);
    ~CProcessorDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

protected:
    void moveChildren(int extra) override;

private:
    struct placed {
        QWidget* control;
        QPoint origin;
    };
    std::vector<placed> children_;
    gprocessorCall call_;
    CProgramCombo* programs_ = nullptr;
};
