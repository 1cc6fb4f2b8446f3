#pragma once

#include "platform/CDialog.h"

#include <QPoint>
#include <functional>

class CParameterValuesPanel;

// The small panes under a values panel's rows that switch how the rows show
// their values: a pair of radio buttons, the hex button checked in mode 1.
// Every click goes to the panel; a switch the panel refuses puts the
// buttons back on the mode that stays.
class CShowAsPaneBase : public CDialog {
public:
    static constexpr int hexId = 1434;

    // A child of host after the given window in the Z order, its right edge
    // at position.x + width and its top at position.y, shown; position.y
    // moves below it.
    void create(QWidget* host, QWidget* after, QPoint& position, int width, int mode);

protected:
    CShowAsPaneBase(int templateId, int firstId, const char* firstText, int cx, int hexX);
    // False when the panel refuses the mode.
    virtual bool switchTo(int mode) = 0;

private:
    void clicked();
    void showMode(int mode);

    int firstId_;
};

// Decimal or hexadecimal digital rows (869), "HexMode2".
class CDecimalHexPane : public CShowAsPaneBase {
public:
    static constexpr int decimalId = 2065;
    explicit CDecimalHexPane(CParameterValuesPanel& panel);

protected:
    bool switchTo(int mode) override;

private:
    CParameterValuesPanel& panel_;
};

// Escaped text or hexadecimal string rows (763), "HexMode".
class CTextHexPane : public CShowAsPaneBase {
public:
    static constexpr int textId = 1435;
    explicit CTextHexPane(CParameterValuesPanel& panel);

protected:
    bool switchTo(int mode) override;

private:
    CParameterValuesPanel& panel_;
};

// The same switch for the error-code values panel (781), wider; the host
// grows to hold it. The panel's switch answers false when it refuses.
class CCodeTextHexPane : public CShowAsPaneBase {
public:
    static constexpr int textId = 1435;
    explicit CCodeTextHexPane(std::function<bool(int)> setHexMode);

    // As the base, with the width raised to at least the pane's own.
    void create(QWidget* host, QWidget* after, QPoint& position, int& width, int mode);

protected:
    bool switchTo(int mode) override;

private:
    std::function<bool(int)> setHexMode_;
};
