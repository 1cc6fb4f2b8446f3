#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>
#include <map>

class g2driverParameter;

using g2driverParameterDefinitions = jhashTypedDatabaseTable<g2driverParameter>;

// Edit Parameter (template 732): the tag, the value kind and the value names
// of one parameter of a driver, a command template or a data object. New
// (no source, no edited parameter) and Duplicate (source only) define the
// parameter in the table at OK, refusing a tag already there with the
// caller's message; Edit (the parameter as both) shows the tag read-only and
// allows a type change only while nothing uses the parameter. The caller
// sets the scope of a created parameter.
//
//   CEditParameterDialog dialog(parameters, 10577, selected, selected, this);
//   if (dialog.DoModal() == IDOK) show(dialog.parameter());
class CEditParameterDialog : public CDialog {
public:
    static constexpr int templateId = 732;
    static constexpr int tagId = 1470;
    static constexpr int bistateId = 1827;
    static constexpr int digitalId = 1828;
    static constexpr int analogId = 1829;
    static constexpr int stringId = 1830;
    static constexpr int valueNamesId = 1992;

    CEditParameterDialog(g2driverParameterDefinitions& table, int duplicateTagMessage,
                         const g2driverParameter* source, g2driverParameter* edited, QWidget* parent);

    // After OK: the created or edited parameter.
    g2driverParameter* parameter() const { return edited_; }
    // The value names as the dialog holds them (given to the parameter at
    // OK when it is digital).
    const std::map<uint32_t, gstr>& valueNames() const { return names_; }

protected:
    CEditParameterDialog(int templateId, g2driverParameterDefinitions& table, int duplicateTagMessage,
                         const g2driverParameter* source, g2driverParameter* edited, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;
    // The command parameter dialog's own field: filled at opening, stored at
    // OK (after the kind and before the value names).
    virtual void showOwnField() {}
    virtual void storeOwnField(g2driverParameter&) {}

    const g2driverParameter* source() const { return source_; }
    g2driverParameter* edited() const { return edited_; }

private:
    void addControls(bool distinguish);
    void typeClicked();
    int32_t checkedKind() const;
    void checkKind(int32_t kind);

    g2driverParameterDefinitions& table_;
    int duplicateTagMessage_;
    const g2driverParameter* source_;
    g2driverParameter* edited_;
    std::map<uint32_t, gstr> names_;
    bool typeChangeAllowed_ = true;
};

// Edit Parameter of a command (template 851): adds "Used to distinguish
// between commands", which a parameter loses (becoming internal) only while
// no register source reads the command's data from outside the driver.
class CEditCommandParameterDialog : public CEditParameterDialog {
public:
    static constexpr int templateId = 851;
    static constexpr int distinguishId = 1844;

    CEditCommandParameterDialog(g2driverParameterDefinitions& table, int duplicateTagMessage,
                                const g2driverParameter* source, g2driverParameter* edited, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void showOwnField() override;
    void storeOwnField(g2driverParameter& parameter) override;

private:
    void distinguishClicked();

    bool distinguishChangeAllowed_ = true;
};
