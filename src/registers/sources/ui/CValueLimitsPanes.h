#pragma once

#include "registers/sources/ui/CDataSourcePane.h"

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <vector>

class CParameterValuesPanel;
class CValueLimitsDataSourcePane;
class g2driverDataObject;
class g2driverValueLimitsSource;
class gdataObjectRef;

// The child of the value-limits pane (template 813) that edits the upper
// limit (left column) and the lower limit (right column): each absent, a
// fixed number, or the value of a further data object of the tested
// object's value kind with the values of that object's parameters.
class CValueLimitsPane : public CDialog {
public:
    static constexpr int templateId = 813;
    // The controls of one side.
    struct side {
        int noLimit;
        int fixed;
        int edit;
        int fromObject;
        int label;
        int list;
        int panel;
    };
    static constexpr side upperIds{1986, 1974, 1976, 1975, 1984, 1977, 1978};
    static constexpr side lowerIds{1987, 1979, 1981, 1980, 1985, 1982, 1983};

    explicit CValueLimitsPane(CValueLimitsDataSourcePane& owner);
    ~CValueLimitsPane() override;

    // Built over the owner's placeholder with the tested object's value kind
    // (2 or 3) and the source (null: both sides without limit).
    void create(const QPoint& corner, int32_t kind, const g2driverValueLimitsSource* source);
    // The tested object's value kind changed: the object lists hold the
    // objects of that kind, with the given ones (or the first) selected.
    void applyValueKind(int32_t kind, g2driverDataObject* lower, g2driverDataObject* upper);
    // Checks the sides in order (the first failure's message, focus on its
    // field) and stores them in the source; false on a refusal.
    bool storeLimits(g2driverValueLimitsSource& target);
    // What the taller parameter panel of the two sides adds.
    int extraHeight() const { return extraHeight_; }
    // At the creation corner moved down by dy.
    void moveDown(int dy);

private:
    struct sideState {
        const side* ids;
        bool isUpper;
        CParameterValuesPanel* panel = nullptr;
        int height = 0;
    };

    void addControls();
    void addSide(sideState& state, int x, const char* caption);
    void showSide(sideState& state, const g2driverValueLimitsSource& source);
    void fillList(sideState& state, g2driverDataObject* selected);
    g2driverDataObject* selectedObject(const sideState& state) const;
    int checkedOption(const side& ids) const;
    // Enables the side's controls for its radio button; relays out its
    // panel unless the side takes no object.
    void enableSide(sideState& state);
    void layOutPanel(sideState& state);
    void resizeToPanels();
    bool readFixed(const sideState& state, bool& hasValue, double& real, uint32_t& digital);
    bool storeSide(sideState& state, g2driverValueLimitsSource& target);

    CValueLimitsDataSourcePane* owner_;
    sideState upper_{&upperIds, true};
    sideState lower_{&lowerIds, false};
    int32_t kind_ = 0;
    QPoint corner_;
    QSize size_;
    int extraHeight_ = 0;
};

// The pane of a Value limits source (template 812): the tested digital or
// analog data object with its parameter values, the limit type, and the
// child that edits the two limits below the parameter values.
class CValueLimitsDataSourcePane : public CDataSourcePane {
public:
    static constexpr int templateId = 812;
    static constexpr int objectId = 1347;
    static constexpr int panelId = 1898;
    static constexpr int limitTypeId = 1490;
    static constexpr int childId = 1844;

    explicit CValueLimitsDataSourcePane(CSourceTypeHostPane& host);
    ~CValueLimitsDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

    CValueLimitsPane& limits() const { return *child_; }
    // The child's extra height changed: the pane takes its creation size
    // plus the parameter panel and that height.
    void childResized();

    // The defined data objects of the driver being edited whose value kind
    // is one of the two given (the same twice for one kind), in the order
    // of its table.
    std::vector<g2driverDataObject*> objectsOfKind(int32_t kind, int32_t other) const;

private:
    void addControls();
    g2driverDataObject* selectedObject() const;
    void onObjectChosen();
    void layOutPanel();

    CParameterValuesPanel* panel_ = nullptr;
    CValueLimitsPane* child_ = nullptr;
    QSize size_;
    int panelHeight_ = 0;
    bool created_ = false;
};
