#pragma once

#include "registers/sources/ui/CDataSourcePane.h"

class CParameterValuesPanel;
class g2driverDataObject;
class g2driverDerivedDataSource;

// The panes of the bistate sources that read another data object of the
// driver: the object (of the one value kind the kind reads) with its
// parameter values, what is compared with its value, and the polarity.
// Pattern match (template 811) compares a string object with a pattern,
// Digital value list (template 810) a digital object with a list of values.
class CDerivedDataSourcePane : public CDataSourcePane {
public:
    static constexpr int objectId = 1347;
    static constexpr int panelId = 1898;
    static constexpr int normalId = 1343;
    static constexpr int invertedId = 1291;

    CDerivedDataSourcePane(CSourceTypeHostPane& host, int templateId);
    ~CDerivedDataSourcePane() override;

protected:
    // The window with the object combo and panel, the kind's field (id,
    // label) and the polarity with its texts; false after the kind's
    // message when the driver has no object to offer.
    bool createFor(const g2driverDerivedDataSource* source, int32_t kind, int fieldId, const char* fieldLabel,
                   const char* onText, const char* offText, int noObjectMessage);
    // The chosen object and the panel's values into the source; false
    // when a value does not read.
    bool storeReference(g2driverDerivedDataSource& source);

private:
    g2driverDataObject* selectedObject() const;
    void showParameters();

    CParameterValuesPanel* panel_ = nullptr;
    int baseHeight_ = 0;
};

class CPatternMatchDataSourcePane : public CDerivedDataSourcePane {
public:
    static constexpr int templateId = 811;
    static constexpr int patternId = 1369;

    explicit CPatternMatchDataSourcePane(CSourceTypeHostPane& host);

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
};

class CValueListDataSourcePane : public CDerivedDataSourcePane {
public:
    static constexpr int templateId = 810;
    static constexpr int valuesId = 1532;

    explicit CValueListDataSourcePane(CSourceTypeHostPane& host);

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
};
