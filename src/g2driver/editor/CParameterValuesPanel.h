#pragma once

#include "foundation/garray.h"
#include "g2driver/editor/showAsPanes.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "shell/CValueRowDialog.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class g2driverParameter;

// The editors of the values of a parameter list: made over a placeholder
// control of its host dialog, it lays out below the placeholder's top edge
// one labelled value row per parameter (bistate, digital, analog or string)
// and, when string or digital rows exist, the panes that switch them between
// text and hexadecimal. The host grows by what setParameters answers and
// collects the values on OK.
//
//   auto* panel = addControl(1898, new CParameterValuesPanel(true), 7, 40, 180, 1);
//   int grow = panel->setParameters(command->parameters().ordered());
//   panel->setValues(request.values());
//   ...
//   if (!panel->getValues(table, false)) return; // the row has told the user
class CParameterValuesPanel : public QWidget {
public:
    // Without showFixed, parameters marked internal get no row.
    explicit CParameterValuesPanel(bool showFixed, QWidget* parent = nullptr);
    ~CParameterValuesPanel() override;

    // Replaces the rows with one per shown parameter of the list, keeping
    // what was entered for parameters of the same tag and kind. Answers how
    // many pixels the rows and panes reach below the panel's bottom edge.
    int setParameters(const garray<g2driverParameter>& parameters);
    // No rows and no panes.
    void clear();
    // Adds the value of every row that holds one to the table; false at the
    // first row that cannot be read (unless quiet, it has told the user and
    // taken the focus). Values added before it stay in the table.
    bool getValues(g2driverParameterValueTable& table, bool quiet);
    // Each value goes to the first row of its tag and kind.
    void setValues(const g2driverParameterValueTable& values);

    // Text or hexadecimal display of the string rows; false (mode kept)
    // when a row's text does not read in the old mode.
    bool setTextHexMode(int mode);
    void setDecimalHexMode(int mode);
    int textHexMode() const { return textHexMode_; }
    int decimalHexMode() const { return decimalHexMode_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    CValueRowDialog* row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    // The panes while they exist (templates 763 and 869).
    CTextHexPane* textHexPane() const { return textHexPane_; }
    CDecimalHexPane* decimalHexPane() const { return decimalHexPane_; }

private:
    void destroyRows();
    void destroyPanes();

    bool showFixed_;
    // The rows and panes are children of the host, which may be destroyed
    // first.
    std::vector<QPointer<CValueRowDialog>> rows_;
    QPointer<CTextHexPane> textHexPane_;
    QPointer<CDecimalHexPane> decimalHexPane_;
    int textHexMode_ = 0;
    int decimalHexMode_ = 0;
};
