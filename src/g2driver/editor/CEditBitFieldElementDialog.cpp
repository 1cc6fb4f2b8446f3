#include "g2driver/editor/CEditBitFieldElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverBitFieldCommandElement.h"
#include "g2driver/model/g2driverParameter.h"
#include "legacy/ui/objectItems.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int noBistateParameter = 10514;
constexpr int alwaysZeroText = 10465;
constexpr int alwaysOneText = 10466;
constexpr int selectOneParameter = 10582;

} // namespace

CEditBitFieldElementDialog::CEditBitFieldElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                                       g2driverCommandElement* edited, QWidget* parent)
    : CCommandElementDialogBase(templateId, 10510, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Bistate Parameter Bits Element"));
    setDialogSize(260, 160);
    for (int bit = 0; bit < bitCount; ++bit) {
        gstr label;
        label.format("Bit &%d:", bit);
        int y = 7 + 16 * bit;
        addLabel(-1, label.data(), 7, y + 2, 30, 8);
        addComboBox(firstBitId + bit, false, 40, y, 110, 100);
        addCheckBox(firstInvertId + bit, "Invert", 156, y + 1, 40, 10);
    }
    addLabel(pagePlaceholderId, "", 7, 7 + 16 * bitCount + 4, 10, 8)->hide();
    addOkCancel();
}

bool CEditBitFieldElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverBitFieldCommandElement>();
    std::array<QComboBox*, bitCount> combos{};
    std::array<g2driverParameter*, bitCount> chosen{};
    for (int bit = 0; bit < bitCount; ++bit) {
        combos[bit] = controlAs<QComboBox>(firstBitId + bit);
        chosen[bit] = element ? element->bit(bit) : nullptr;
    }
    if (!host().fillParameterCombos(combos.data(), bitCount, g2valueKind::bistate, chosen.data())) {
        cancelWith(noBistateParameter);
        return true;
    }
    uint8_t mask = element ? element->mask() : 0;
    for (int bit = 0; bit < bitCount; ++bit) {
        QComboBox& combo = *combos[bit];
        insertItemAt(combo, alwaysZero, gstr().loadString(alwaysZeroText), nullptr);
        insertItemAt(combo, alwaysOne, gstr().loadString(alwaysOneText), nullptr);
        bool set = (mask >> bit) & 1;
        if (chosen[bit])
            setChecked(firstInvertId + bit, set);
        else
            combo.setCurrentIndex(set ? alwaysOne : alwaysZero);
        enableInvert(bit);
        QObject::connect(&combo, &QComboBox::currentIndexChanged, this, [this, bit] { enableInvert(bit); });
    }
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr);
    fitToContents();
    return true;
}

g2driverParameter* CEditBitFieldElementDialog::selectedParameter(int bit) const
{
    const QComboBox* combo = controlAs<QComboBox>(firstBitId + bit);
    return static_cast<g2driverParameter*>(itemObject(*combo, combo->currentIndex()));
}

void CEditBitFieldElementDialog::enableInvert(int bit) { enableControl(firstInvertId + bit, selectedParameter(bit)); }

bool CEditBitFieldElementDialog::checkFields()
{
    if (!applyFresh(page_, format_))
        return false;
    bool anyParameter = false;
    mask_ = 0;
    for (int bit = 0; bit < bitCount; ++bit) {
        bits_[bit] = selectedParameter(bit);
        bool set = bits_[bit] ? isChecked(firstInvertId + bit)
                              : selectedItem(firstBitId + bit) == alwaysOne;
        if (set)
            mask_ |= static_cast<uint8_t>(1u << bit);
        anyParameter = anyParameter || bits_[bit];
    }
    if (!anyParameter)
        return refuseField(firstBitId, selectOneParameter);
    return true;
}

g2driverCommandElement* CEditBitFieldElementDialog::makeElement() const { return new g2driverBitFieldCommandElement; }

void CEditBitFieldElementDialog::storeFields(g2driverCommandElement& element)
{
    auto& bits = static_cast<g2driverBitFieldCommandElement&>(element);
    bits.setBits(bits_);
    bits.setMask(mask_);
    bits.format() = format_;
}
