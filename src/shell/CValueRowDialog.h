#pragma once

#include "platform/CDialog.h"

#include <QPoint>
#include <QRect>
#include <memory>

class g2driverParameter;
class g2driverParameterValue;
class QLabel;

// The row templates: the label placeholder (static 1470) and the value
// placeholder (1496), in dialog units.
struct valueRowTemplate {
    static constexpr int labelId = 1470;
    static constexpr int valueId = 1496;

    int id;
    int cx;
    int cy;
    QRect label;
    QRect value;

    // 759, 762 and 868 (value rows), 782 and 783 (parameter rows); null for any
    // other id.
    static const valueRowTemplate* find(int templateId);
};

// What both row bases share: a modeless child dialog of its panel that
// edits the value of one parameter, labelled with the parameter's name and
// ":" in a label as wide as the panel's widest. Built from its template at
// run time by the concrete row's createRow.
class CRowDialogBase : public CDialog {
public:
    const g2driverParameter& item() const { return *item_; }
    QLabel* label() const { return label_; }
    // The template's size in pixels of the row's font.
    QSize templateSize() const;

protected:
    // The item stays the panel's.
    CRowDialogBase(int templateId, const g2driverParameter* item);

    // Steps shared by the two row creations: the template as a child of the
    // panel and the label over its placeholder, labelWidth pixels wide.
    // Answers the shift of the value control: the label's
    // growth beyond the placeholder, 0 when it does not grow, at least 20
    // when it does.
    int buildRow(QWidget* panel, int labelWidth);
    QRect valuePlace() const;
    // Shows the row after the previous one at the position, and moves the
    // position below it.
    void placeRow(QWidget*& previousRow, QPoint& position, int width);

    const valueRowTemplate* template_;

private:
    const g2driverParameter* item_;
    QLabel* label_ = nullptr;
};

// A row of a value panel. The panel offers every stored value to every row
// (updateIfSameItem) and switches all rows between text and hexadecimal
// display at once.
class CValueRowDialog : public CRowDialogBase {
public:
    // Builds the row in the panel below the previous one: the label
    // labelWidth pixels wide, the row rowWidth pixels wide.
    virtual bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) = 0;
    // A new value named after the item, or none when the row holds no
    // value. False only when the row's text cannot be read and quiet is not
    // set: the row has then told the user and taken the focus.
    virtual bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool quiet) = 0;
    virtual bool setStringHexMode(bool hex);
    virtual void setNumberHexMode(bool hex);
    virtual void showValue(const g2driverParameterValue& value) = 0;

    // Shows the value when its kind and name are the item's.
    bool updateIfSameItem(const g2driverParameterValue& value);

protected:
    using CRowDialogBase::CRowDialogBase;

    // The row creation of the concrete rows: the value control goes onto
    // the value placeholder, moved right by the shift (less when the row is
    // narrower than its template) and, with resizeValue, as wide as the row
    // allows; that width goes to valueWidth when asked.
    bool createRowFrom(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth,
                       QWidget* valueControl, bool resizeValue, int* valueWidth = nullptr);
};

// A row of a parameter panel: the row grows by the shift instead of
// keeping the panel's width.
class CParameterRowDialog : public CRowDialogBase {
public:
    virtual bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth,
                           int& widestRow) = 0;
    virtual bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool quiet) = 0;
    virtual bool setStringHexMode(bool hex);
    virtual void showValue(const g2driverParameterValue& value) = 0;

    bool updateIfSameItem(const g2driverParameterValue& value);

protected:
    using CRowDialogBase::CRowDialogBase;

    // The value control is placed with the template and then moved right by
    // the shift; the widest row is kept up to date.
    bool createRowFrom(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int& widestRow,
                       QWidget* valueControl);
};
