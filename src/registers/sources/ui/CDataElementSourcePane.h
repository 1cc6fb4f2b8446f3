#pragma once

#include "registers/sources/gcommandDataRef.h"
#include "g2driver/editor/parameterTermOwner.h"
#include "registers/sources/ui/CDataSourcePane.h"

#include <QSize>

class CParameterValuesPanel;
class g2driverCommand;
class g2driverResponseDataName;

// The upper part shared by the panes of the sources that read a command's
// response data: the command (only commands whose template has a data
// response element), the values of its parameters, the data element, an
// optional search key, the offset and the offset parameters. A kind's pane
// adds its own controls below sharedHeight and moves them down by what the
// parameter rows add (moveChildren).
class CDataElementSourcePane : public CDataSourcePane {
public:
    static constexpr int commandId = 1186;
    static constexpr int dataElementId = 1964;
    static constexpr int panelId = 1898;
    static constexpr int useKeyId = 1563;
    static constexpr int keyId = 1564;
    static constexpr int offsetId = 1349;
    static constexpr int offsetCountId = 2074;
    static constexpr int offsetEditId = 2075;
    // Dialog units: the pane's width and the height of the shared part.
    static constexpr int paneWidth = 230;
    static constexpr int sharedHeight = 64;

    CDataElementSourcePane(CSourceTypeHostPane& host, int templateId);
    ~CDataElementSourcePane() override;

    void registerUses(gusesList& uses) override;

protected:
    // The shared controls, in a pane of kindHeight dialog units below them.
    void addDataElementControls(int kindHeight);
    // Fills the shared part from the reference (null: a new source); false
    // after message 10637 when no command has a data element.
    bool initFromReference(const gcommandDataRef* reference);
    // Checks the shared part in order and stores it; false after the first
    // failure's message, the focus on its field.
    bool storeIntoReference(gcommandDataRef& reference);
    // The kind's controls below the shared part follow the parameter rows.
    virtual void moveChildren(int extra) = 0;
    // The pixel offset of a kind's control created at dialog units y below
    // the shared part, before any move.
    int kindTop(int y) const;

    // A list of parameter terms of the pane that the list dialogs edit,
    // offering the data object's working parameters.
    class termList : public parameterTermOwner {
    public:
        termList(CDataElementSourcePane& pane, goffsetParameterList& terms) : pane_(pane), terms_(terms) {}
        std::vector<goffsetParameter>& parameterTerms() override { return terms_; }
        int fillParameterCombo(QComboBox& combo, int32_t kind, const g2driverParameter* chosen) override;

    private:
        CDataElementSourcePane& pane_;
        goffsetParameterList& terms_;
    };

private:
    g2driverCommand* chosenCommand() const;
    void fillDataElements(const g2driverResponseDataName* wanted);
    void commandSelected();
    void showOffsetCount();
    void editOffsets();

    CParameterValuesPanel* panel_ = nullptr;
    QSize base_;
    goffsetParameterList offsets_;
    bool filling_ = false;
};
