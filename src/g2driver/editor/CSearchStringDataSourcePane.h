#pragma once

#include "registers/sources/ui/CDataElementSourcePane.h"

#include <vector>

// The pane of a Search string source (template 803): the shared command
// data, a fixed width, and below them the search string with its polarity
// (the controls of the search-string child, template 804).
class CSearchStringDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int templateId = 803;
    static constexpr int useWidthId = 1717;
    static constexpr int widthId = 1510;
    static constexpr int searchStringId = 1602;
    static constexpr int normalId = 1343;
    static constexpr int invertedId = 1291;

    explicit CSearchStringDataSourcePane(CSourceTypeHostPane& host);
    ~CSearchStringDataSourcePane() override;

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
};
