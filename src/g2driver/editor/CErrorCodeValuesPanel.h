#pragma once

#include "g2driver/model/g2driverErrorCode.h"
#include "platform/CDialog.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class g2driverErrorCode;
class gnamedValue;
class jhashNamedObjectTable;

// One labelled row of the error-code defaults: the code's name and an edit
// for its default value (template 782 a number, 783 a byte string).
class CErrorCodeValueRow : public CDialog {
public:
    static constexpr int labelId = 1470;
    static constexpr int valueId = 1496;

    const g2driverErrorCode& code() const { return code_; }
    // A default named after the code, or none when the edit is empty. False
    // when the text does not read: the user has been told and the edit has
    // the focus.
    virtual bool getValue(gnamedValue*& out) = 0;
    virtual bool setHexMode(int mode) = 0;
    virtual void setValue(const gnamedValue& value) = 0;
    // Shows the default when its kind and name are the code's.
    bool takeValue(const gnamedValue& value);

protected:
    CErrorCodeValueRow(int templateId, const g2driverErrorCode& code, QWidget* valueEdit);

private:
    const g2driverErrorCode& code_;
};

// The rows of the Error Handling defaults dialog, one per error code of the
// driver in name order, made over a placeholder of the host; a text/hex pane
// follows them when any code is a string code. The mode is the one the
// parameter values panel uses ("HexMode" of "Dialogs\Edit G2Driver").
class CErrorCodeValuesPanel : public QWidget {
public:
    static constexpr int textButton = 1435;
    static constexpr int hexButton = 1434;

    explicit CErrorCodeValuesPanel(QWidget* parent = nullptr);
    ~CErrorCodeValuesPanel() override;

    // Lays out one row per code; answers how far the host must grow.
    QSize setErrorCodes(const g2driverErrorCodeTable& codes);
    // Each default goes to the first row of its name and kind.
    void setValues(const jhashNamedObjectTable& defaults);
    // Adds the value of every row that holds one; false at the first row
    // that refused (it has told the user and taken the focus).
    bool getValues(jhashNamedObjectTable& defaults);
    // False (mode and rows kept) when a text row's text does not read.
    bool setHexMode(int mode);
    int hexMode() const { return hexMode_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    CErrorCodeValueRow* row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    // The text/hex pane (template 781) while it exists.
    CDialog* pane() const { return pane_; }

private:
    void makePane(QPoint& position, int& width);

    std::vector<QPointer<CErrorCodeValueRow>> rows_;
    QPointer<CDialog> pane_;
    int hexMode_ = 0;
};
