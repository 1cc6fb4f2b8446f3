#include "g2driver/editor/CEditDataCommandElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/model/g2driverDataCommandElement.h"

#include <QLineEdit>

namespace {

constexpr int tagInUse = 20030;
constexpr int tagTaken = 10538;

} // namespace

CEditDataCommandElementDialog::CEditDataCommandElementDialog(commandElementHost& host,
                                                             const g2driverCommandElement* source,
                                                             g2driverCommandElement* edited, QWidget* parent)
    : CCommandElementDialogBase(templateId, 10513, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Command Data Element"));
    setDialogSize(200, 44);
    addLabel(-1, "&Tag:", 7, 9, 30, 8);
    addEdit(tagId, 40, 7, 90, 12);
    addButton(IDOK, "OK", 143, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 24, 50, 14);
}

bool CEditDataCommandElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    enableControl(IDOK, false);
    if (source()) {
        if (g2driverCommandDataName* name = source()->commandDataName()) {
            setControlText(tagId, name->getName());
            enableControl(IDOK, true);
        }
    }
    if (edited()) {
        current_ = edited()->commandDataName();
        tagMayChange_ = !current_ || current_->usedBy().isUnused();
    }
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this, [this] { tagChanged(); });
    return true;
}

void CEditDataCommandElementDialog::tagChanged()
{
    if (restoring_)
        return;
    if (tagMayChange_) {
        enableControl(IDOK, !controlText(tagId).isEmpty());
        return;
    }
    current_->usedBy().reportInUse(tagInUse);
    restoring_ = true;
    setControlText(tagId, current_->getName());
    restoring_ = false;
    focusControl(tagId);
}

void CEditDataCommandElementDialog::OnOK()
{
    gstr tag = controlText(tagId);
    if (!tagMayChange_ || (current_ && tag.compare(current_->getName()) == 0))
        return EndDialog(IDOK);
    g2driverCommandDataNameTable& names = host().commandDataNames();
    g2driverCommandDataName* name = names.define(tag);
    if (!name)
        return (void)refuseField(tagId, tagTaken);
    static_cast<g2driverDataCommandElement&>(ensureElement()).setName(name);
    if (current_) {
        names.remove(current_);
        delete current_;
    }
    EndDialog(IDOK);
}

g2driverCommandElement* CEditDataCommandElementDialog::makeElement() const { return new g2driverDataCommandElement; }
