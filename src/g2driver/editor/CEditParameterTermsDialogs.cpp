#include "g2driver/editor/CEditParameterTermsDialogs.h"

#include "foundation/goffsetParameter.h"
#include "g2driver/editor/CParameterTermDialogs.h"
#include "g2driver/editor/parameterTermOwner.h"
#include "g2driver/editor/parameterTermTexts.h"
#include "g2driver/model/g2driverParameter.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>

namespace {

constexpr int noDigitalParameter = 10515;

} // namespace

CEditParameterTermsDialogBase::CEditParameterTermsDialogBase(int templateId, const char* prompt,
                                                             parameterTermOwner& owner, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner)
{
    setDialogSize(260, 120);
    addLabel(-1, prompt, 7, 7, 190, 8);
    addListBox(listId, 7, 18, 190, 95);
    addButton(editId, "&Edit...", 203, 18, 50, 14);
    addButton(deleteId, "&Delete", 203, 35, 50, 14);
    addButton(duplicateId, "Du&plicate...", 203, 52, 50, 14);
    addButton(newId, "&New...", 203, 69, 50, 14);
    addButton(IDOK, "OK", 150, 100, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 100, 50, 14);
    addComboBox(parametersId, false, 7, 100, 60, 60)->hide();
    enableControl(parametersId, false);
}

bool CEditParameterTermsDialogBase::OnInitDialog()
{
    if (owner_.fillParameterCombo(*controlAs<QComboBox>(parametersId), g2valueKind::digital, nullptr) == 0) {
        messageBox(noDigitalParameter, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    for (const goffsetParameter& term : owner_.parameterTerms())
        addRow(std::make_unique<goffsetParameter>(term));
    controlAs<QListWidget>(listId)->setCurrentRow(-1);
    enableRowButtons();
    auto* list = controlAs<QListWidget>(listId);
    QObject::connect(list, &QListWidget::currentRowChanged, this, [this] { enableRowButtons(); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { editTerm(); });
    onCommand(newId, [this] { newTerm(); });
    onCommand(duplicateId, [this] { duplicateTerm(); });
    onCommand(editId, [this] { editTerm(); });
    onCommand(deleteId, [this] { deleteTerm(); });
    return true;
}

goffsetParameter* CEditParameterTermsDialogBase::selectedTerm() const
{
    const auto* list = controlAs<QListWidget>(listId);
    return static_cast<goffsetParameter*>(itemObject(*list, list->currentRow()));
}

void CEditParameterTermsDialogBase::addRow(std::unique_ptr<goffsetParameter> term)
{
    goffsetParameter* owned = term.get();
    terms_.push_back(std::move(term));
    addRow(owned);
}

void CEditParameterTermsDialogBase::addRow(goffsetParameter* owned)
{
    auto* list = controlAs<QListWidget>(listId);
    list->setCurrentRow(insertSortedItem(*list, describe(*owned), owned));
}

void CEditParameterTermsDialogBase::enableRowButtons()
{
    bool any = controlAs<QListWidget>(listId)->currentRow() >= 0;
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, any);
}

void CEditParameterTermsDialogBase::newTerm()
{
    if (goffsetParameter* made = runEntry(nullptr, nullptr))
        addRow(std::unique_ptr<goffsetParameter>(made));
}

void CEditParameterTermsDialogBase::duplicateTerm()
{
    goffsetParameter* selected = selectedTerm();
    if (!selected)
        return;
    if (goffsetParameter* made = runEntry(selected, nullptr))
        addRow(std::unique_ptr<goffsetParameter>(made));
}

void CEditParameterTermsDialogBase::editTerm()
{
    goffsetParameter* selected = selectedTerm();
    if (!selected || !runEntry(selected, selected))
        return;
    auto* list = controlAs<QListWidget>(listId);
    delete list->takeItem(list->currentRow());
    addRow(selected);
}

void CEditParameterTermsDialogBase::deleteTerm()
{
    auto* list = controlAs<QListWidget>(listId);
    int row = list->currentRow();
    goffsetParameter* selected = selectedTerm();
    if (!selected)
        return;
    delete list->takeItem(row);
    std::erase_if(terms_, [selected](const auto& term) { return term.get() == selected; });
    list->setCurrentRow(std::min(row, list->count() - 1));
    enableRowButtons();
}

void CEditParameterTermsDialogBase::OnOK()
{
    std::vector<goffsetParameter>& terms = owner_.parameterTerms();
    terms.clear();
    const auto* list = controlAs<QListWidget>(listId);
    for (int row = list->count() - 1; row >= 0; --row)
        terms.push_back(*static_cast<goffsetParameter*>(itemObject(*list, row)));
    EndDialog(IDOK);
}

CEditRotateParametersDialog::CEditRotateParametersDialog(parameterTermOwner& owner, QWidget* parent)
    : CEditParameterTermsDialogBase(templateId, "Use these parameters for additional bit rotation:", owner, parent)
{
    setWindowTitle(QStringLiteral("Edit Rotate Parameters"));
}

gstr CEditRotateParametersDialog::describe(const goffsetParameter& term) const { return describeRotateTerm(term); }

goffsetParameter* CEditRotateParametersDialog::runEntry(const goffsetParameter* source, goffsetParameter* edited)
{
    CRotateParameterDialog dialog(owner(), source, edited, this);
    return dialog.DoModal() == IDOK ? dialog.term() : nullptr;
}

CEditOffsetParametersDialog::CEditOffsetParametersDialog(parameterTermOwner& owner, QWidget* parent)
    : CEditParameterTermsDialogBase(templateId, "Use these parameters for additional offset:", owner, parent)
{
    setWindowTitle(QStringLiteral("Edit Offset Parameters"));
}

gstr CEditOffsetParametersDialog::describe(const goffsetParameter& term) const { return describeOffsetTerm(term); }

goffsetParameter* CEditOffsetParametersDialog::runEntry(const goffsetParameter* source, goffsetParameter* edited)
{
    CEditOffsetParameterDialog dialog(owner(), source, edited, this);
    return dialog.DoModal() == IDOK ? dialog.term() : nullptr;
}
