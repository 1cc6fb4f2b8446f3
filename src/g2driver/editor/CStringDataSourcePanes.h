#pragma once

#include "registers/sources/ui/CDataElementSourcePane.h"

class CDataFormatPage;
class CAllowedStringsPage;
class CBitMaskPane;
class CIntegerInputFormatPage;
class COnOffPatternPane;
class CStringMatchPage;
class CValuePatternsPage;

// The panes of the On/Off string (template 788), String (template 792) and
// Set of strings (template 790) sources: the shared command data above a
// page over placeholder 1843 that holds what the kind matches in the data,
// the patterns for on and off, the prefix, pattern and suffix of a string,
// or one pattern per digital value.
class CPagedDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int placeholderId = 1843;
    static constexpr int secondPlaceholderId = 1844;

    CPagedDataSourcePane(CSourceTypeHostPane& host, int templateId);
    ~CPagedDataSourcePane() override;

protected:
    // The shared controls, the page made over the placeholder by makePage
    // (and a second one below it by makeSecond), and the pane's size; then
    // the shared part's contents.
    bool createWithPage(const gcommandDataRef* reference, const std::function<CDataFormatPage*()>& makePage,
                        const std::function<CDataFormatPage*()>& makeSecond = {});
    void moveChildren(int extra) override;
    // Controls of the kind below the pages, their top at the given pixel
    // row; the pixels they take.
    virtual int addControlsBelow(int) { return 0; }

private:
    CDataFormatPage* page_ = nullptr;
    CDataFormatPage* second_ = nullptr;
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

class COnOffStringDataSourcePane : public CPagedDataSourcePane {
public:
    static constexpr int templateId = 788;

    explicit COnOffStringDataSourcePane(CSourceTypeHostPane& host);

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

private:
    COnOffPatternPane* page_ = nullptr;
};

// The Filter source (template 806): a string matched like the String
// source's, kept only when it also matches one of the allowed patterns.
class CFilterDataSourcePane : public CPagedDataSourcePane {
public:
    static constexpr int templateId = 806;

    explicit CFilterDataSourcePane(CSourceTypeHostPane& host);

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
    CStringMatchPage& matchPage() const { return *match_; }
    CAllowedStringsPage& allowedPage() const { return *allowed_; }

private:
    CStringMatchPage* match_ = nullptr;
    CAllowedStringsPage* allowed_ = nullptr;
};

// The Bit mask source (template 801): a number read with the integer input
// format, through the XOR and AND masks and the polarity, rotated by the
// rotate parameters ("# of rotate parameters" 2078 with "Edit..." 2079).
class CBitMaskDataSourcePane : public CPagedDataSourcePane {
public:
    static constexpr int templateId = 801;
    static constexpr int rotateCountId = 2078;
    static constexpr int rotateEditId = 2079;

    explicit CBitMaskDataSourcePane(CSourceTypeHostPane& host);
    ~CBitMaskDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
    void registerUses(gusesList& uses) override;
    CBitMaskPane& masksPane() const { return *masks_; }

protected:
    void moveChildren(int extra) override;
    int addControlsBelow(int top) override;

private:
    void showRotateCount();
    void editRotateParameters();

    CIntegerInputFormatPage* format_ = nullptr;
    CBitMaskPane* masks_ = nullptr;
    goffsetParameterList rotate_;
    std::vector<std::pair<QWidget*, QPoint>> below_;
};
