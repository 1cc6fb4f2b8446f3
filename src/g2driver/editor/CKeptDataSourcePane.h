#pragma once

#include "registers/sources/ui/CDataSourcePane.h"

// The pane of a source kind this editor cannot change: it names the kind
// and what the source reads, and hands back a copy of the source as it was
// loaded, so that editing the rest of a data object never loses its source.
// It is shown only for an existing source; the source-type combo does not
// offer the kind for a new one.
class CKeptDataSourcePane : public CDataSourcePane {
public:
    static constexpr int templateId = 786;
    static constexpr int kindId = 1898;

    explicit CKeptDataSourcePane(CSourceTypeHostPane& host);
    ~CKeptDataSourcePane() override;

    // False without a source.
    bool create(const g2driverDataSource* source) override;
    bool acceptValueKind(int32_t kind) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
    void registerUses(gusesList& uses) override;

private:
    std::unique_ptr<g2driverDataSource> kept_;
};
