#pragma once

#include "registers/sources/ui/CDataElementSourcePane.h"

class CDataFormatPage;
class CStringMatchPage;
class CValuePatternsPage;

// The panes of the String (template 792) and Set of strings (template 790)
// sources: the shared command data above a page over placeholder 1843 that
// holds what the kind matches in the data, the prefix, pattern and suffix
// of a string, or one pattern per digital value.
class CPagedDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int placeholderId = 1843;

    CPagedDataSourcePane(CSourceTypeHostPane& host, int templateId);
    ~CPagedDataSourcePane() override;

protected:
    // The shared controls, the page made over the placeholder by makePage,
    // and the pane's size; then the shared part's contents.
    bool createWithPage(const gcommandDataRef* reference, const std::function<CDataFormatPage*()>& makePage);
    void moveChildren(int extra) override;

private:
    CDataFormatPage* page_ = nullptr;
};

class CStringDataSourcePane : public CPagedDataSourcePane {
public:
    static constexpr int templateId = 792;

    explicit CStringDataSourcePane(CSourceTypeHostPane& host);

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

private:
    CStringMatchPage* page_ = nullptr;
};

class CDigitalStringsDataSourcePane : public CPagedDataSourcePane {
public:
    static constexpr int templateId = 790;

    explicit CDigitalStringsDataSourcePane(CSourceTypeHostPane& host);

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

private:
    CValuePatternsPage* page_ = nullptr;
};
