#include "sabus/ui/CSabusRequestDialog.h"

#include "foundation/charClasses.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "sabus/gsabusRequest.h"
#include "sabus/ui/CEditSabusFixedParameterDialog.h"
#include "sabus/ui/sabusDialogItems.h"
#include "shell/CFilteredEdit.h"
#include "store/gstation.h"

#include <QLineEdit>

namespace {

constexpr int tagTaken = 10452;
constexpr int enterOpcode = 10453;
constexpr int reservedOpcode = 10454;

} // namespace

CSabusRequestDialog::CSabusRequestDialog(int templateId, const char* caption, int newCaptionId,
                                         gsabusRequest* source, gsabusRequest* target, QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), source_(source), target_(target)
{
    setWindowTitle(QString::fromLatin1(caption));
    setDialogSize(330, 240);
    buildCommonControls();
}

void CSabusRequestDialog::buildCommonControls()
{
    addLabel(-1, "&Tag:", 7, 9, 50, 8);
    auto* tag = addEdit(tagId, 60, 7, 120, 12);
    QObject::connect(tag, &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    addLabel(-1, "&Name:", 7, 25, 50, 8);
    addEdit(nameId, 60, 23, 200, 12);
    addLabel(-1, "&Opcode:", 7, 41, 50, 8);
    auto* opcode = addControl(opcodeId, new CPrintableEdit, 60, 39, 20, 12);
    sabusItems::acceptPrintableOnly(*opcode);
    opcode->setMaxLength(1);
    addLabel(-1, "&Fixed parameters:", 7, 57, 80, 8);
    auto* list = addListBox(fixedListId, 7, 67, 200, 48);
    addButton(fixedEditId, "Edit...", 212, 67, 50, 14);
    addButton(fixedDeleteId, "Delete", 212, 84, 50, 14);
    addButton(fixedDuplicateId, "Duplicate...", 212, 101, 50, 14);
    addButton(fixedNewId, "New...", 267, 67, 50, 14);
    fixed_.attach(*this, list, {fixedEditId, fixedDeleteId, fixedDuplicateId}, fixedEditId);
    onCommand(fixedNewId, [this] { OnNewFixedParameter(); });
    onCommand(fixedEditId, [this] { OnEditFixedParameter(); });
    onCommand(fixedDuplicateId, [this] { OnDuplicateFixedParameter(); });
    onCommand(fixedDeleteId, [this] { fixed_.deleteSelected(); });
    addButton(IDOK, "OK", 273, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 273, 24, 50, 14);
}

bool CSabusRequestDialog::OnInitDialog()
{
    if (source_) {
        setControlText(tagId, source_->getTag());
        setControlText(nameId, source_->getTitle(target_ != nullptr));
        char opcode = source_->getOpcode();
        setControlText(opcodeId, opcode != 0 ? gstrSlice(&opcode, 1) : gstrSlice::empty);
        for (int i = 0; i < source_->parameterCount(); ++i)
            fixed_.append(std::make_unique<gstr>(source_->getParameter(i)), source_->getParameter(i));
    }
    enableControl(IDOK, !controlText(tagId).isEmpty());
    if (!fillOwnFields()) {
        EndDialog(IDCANCEL);
        return false;
    }
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(toUiText(gstrSlice(stringTableText(newCaptionId_))));
        focusControl(tagId);
    }
    return false;
}

void CSabusRequestDialog::OnNewFixedParameter()
{
    CEditSabusFixedParameterDialog dialog(gstrSlice::empty, false, this);
    if (dialog.DoModal() == IDOK)
        fixed_.insertAfterSelected(std::make_unique<gstr>(dialog.text()), dialog.text());
}

void CSabusRequestDialog::OnEditFixedParameter()
{
    int row = fixed_.selected();
    if (row < 0)
        return;
    CEditSabusFixedParameterDialog dialog(*fixed_.at(row), true, this);
    if (dialog.DoModal() != IDOK)
        return;
    *fixed_.at(row) = dialog.text();
    fixed_.refreshRow(row, dialog.text());
}

void CSabusRequestDialog::OnDuplicateFixedParameter()
{
    gstr* selected = fixed_.selectedObject();
    if (!selected)
        return;
    CEditSabusFixedParameterDialog dialog(*selected, false, this);
    if (dialog.DoModal() == IDOK)
        fixed_.insertAfterSelected(std::make_unique<gstr>(dialog.text()), dialog.text());
}

bool CSabusRequestDialog::checkOpcode()
{
    gstr opcode = controlText(opcodeId);
    if (opcode.length() != 1 || !charClass::isPrintable(opcode[0]))
        return refuseField(opcodeId, enterOpcode);
    if (!gsabusRequest::isValidOpcode(opcode[0]))
        return refuseField(opcodeId, reservedOpcode);
    return true;
}

bool CSabusRequestDialog::defineTarget()
{
    gstr tag = controlText(tagId);
    if (tag.isEmpty())
        return false;
    target_ = station::requests().define(tag);
    if (!target_)
        return refuseField(tagId, tagTaken);
    return true;
}

void CSabusRequestDialog::OnOK()
{
    if (!checkOwnFields() || !checkOpcode())
        return;
    if (!target_ && !defineTarget())
        return;
    gstr name = controlText(nameId);
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(name == target_->getTag() ? gstrSlice::empty : gstrSlice(name));
    target_->setOpcode(controlText(opcodeId)[0]);
    target_->clearParameters();
    for (int i = 0; i < fixed_.count(); ++i)
        target_->addParameter(*fixed_.at(i));
    storeOwnFields(*target_);
    target_->refreshReferences();
    CDialog::OnOK();
}
