#include "registers/sources/ui/CRemoteRegisterSourcePane.h"

#include "platform/textCodec.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceRemoteRegister.h"
#include "registers/sources/ui/CEditIpAddressDialog.h"

#include <QListWidget>

namespace {

constexpr int noTag = 10369;
constexpr int noAddress = 10371;

uint32_t packed(const CRemoteRegisterSourcePane::address& a)
{
    return uint32_t(a[0]) << 24 | uint32_t(a[1]) << 16 | uint32_t(a[2]) << 8 | a[3];
}

CRemoteRegisterSourcePane::address unpacked(uint32_t bits)
{
    return {uint8_t(bits >> 24), uint8_t(bits >> 16), uint8_t(bits >> 8), uint8_t(bits)};
}

gstr addressText(const CRemoteRegisterSourcePane::address& a)
{
    gstr text;
    return text.format("%u.%u.%u.%u", a[0], a[1], a[2], a[3]);
}

} // namespace

std::unique_ptr<CSourcePane> CRemoteRegisterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CRemoteRegisterSourcePane>();
    if (const gsourceRemoteRegisterPart* part = remoteRegisterPart(source)) {
        pane->tag_ = part->getTag();
        pane->addresses_ = part->addresses();
    }
    return pane;
}

bool CRemoteRegisterSourcePane::create(CRegisterDialog& dialog)
{
    addLabel(-1, "Remote register &tag:", 0, 2, 74, 8);
    addEdit(tagId, 76, 0, 150, 12);
    addLabel(-1, "&IP addresses:", 0, 18, 74, 8);
    QListWidget* lines = addListBox(listId, 0, 28, 170, 60);
    addButton(addId, "&Add...", 176, 28, 50, 14);
    addButton(editId, "&Edit...", 176, 45, 50, 14);
    addButton(duplicateId, "&Duplicate...", 176, 62, 50, 14);
    addButton(removeId, "&Remove", 176, 79, 50, 14);
    onCommand(addId, [this] { editAddress(false, false); });
    onCommand(editId, [this] { editAddress(true, true); });
    onCommand(duplicateId, [this] { editAddress(false, true); });
    onCommand(removeId, [this] { onRemove(); });
    QObject::connect(lines, &QListWidget::itemSelectionChanged, this, [this] {
        if (list().currentRow() >= 0)
            enableButtons(true);
    });
    QObject::connect(lines, &QListWidget::itemDoubleClicked, this, [this] { editAddress(true, true); });
    becomeChildOf(dialog, 286, 96);

    setControlText(tagId, tag_);
    for (const address& a : addresses_)
        insertLine(list().count(), a);
    enableButtons(false);
    return true;
}

QListWidget& CRemoteRegisterSourcePane::list() const { return *controlAs<QListWidget>(listId); }

void CRemoteRegisterSourcePane::insertLine(int row, const address& a)
{
    auto* item = new QListWidgetItem(toUiText(addressText(a)));
    item->setData(Qt::UserRole, packed(a));
    list().insertItem(row, item);
}

void CRemoteRegisterSourcePane::editAddress(bool edit, bool withSelected)
{
    int row = list().currentRow();
    if (withSelected && row < 0)
        return;
    address selected{};
    if (withSelected)
        selected = unpacked(list().item(row)->data(Qt::UserRole).toUInt());
    CEditIpAddressDialog dialog(withSelected ? &selected : nullptr, !edit, this);
    if (dialog.DoModal() != IDOK)
        return;
    if (edit) {
        QListWidgetItem* item = list().item(row);
        item->setText(toUiText(addressText(dialog.address())));
        item->setData(Qt::UserRole, packed(dialog.address()));
    } else {
        insertLine(++row, dialog.address());
    }
    list().setCurrentRow(row);
    enableButtons(true);
}

void CRemoteRegisterSourcePane::onRemove()
{
    int row = list().currentRow();
    if (row < 0)
        return;
    delete list().takeItem(row);
    if (list().count() == 0) {
        enableButtons(false);
        return;
    }
    list().setCurrentRow(std::min(row, list().count() - 1));
}

void CRemoteRegisterSourcePane::enableButtons(bool enable)
{
    for (int id : {editId, removeId, duplicateId})
        enableControl(id, enable);
}

bool CRemoteRegisterSourcePane::validate()
{
    gstr tag = controlText(tagId);
    if (tag.isEmpty())
        return refuseFocusOnly(tagId, noTag);
    if (list().count() == 0)
        return refuseFocusOnly(addId, noAddress);
    tag_ = tag;
    addresses_.clear();
    for (int i = 0; i < list().count(); ++i)
        addresses_.push_back(unpacked(list().item(i)->data(Qt::UserRole).toUInt()));
    return true;
}

void CRemoteRegisterSourcePane::apply(gregisterSource* made) const
{
    gsourceRemoteRegisterPart* part = remoteRegisterPart(made);
    if (!part)
        throw gfault("source of another kind in CRemoteRegisterSourcePane::apply()");
    part->setTag(tag_);
    part->setAddresses(addresses_);
}

void CRemoteRegisterSourcePane::applyToAnalog(ganalogSupplement& supplement)
{
    apply(supplement.newRemoteRegisterSource());
}

void CRemoteRegisterSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    apply(supplement.newRemoteRegisterSource());
}

void CRemoteRegisterSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    apply(supplement.newRemoteRegisterSource());
}

void CRemoteRegisterSourcePane::applyToString(gstringSupplement& supplement)
{
    apply(supplement.newRemoteRegisterSource());
}
