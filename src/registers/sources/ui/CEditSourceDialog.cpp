#include "registers/sources/ui/CEditSourceDialog.h"

#include "platform/textCodec.h"
#include "registers/sources/g2driverDataSource.h"

namespace {

constexpr int newCaption = 10675;
constexpr int dialogWidth = 300;
constexpr int placeholderHeight = 40;

} // namespace

CEditSourceDialog::CEditSourceDialog(CSourceTypeHostPane& owner, const g2driverDataSource* member, bool isNew,
                                     QWidget* parent)
    : CSourceTypeHostPane(templateId, owner.tables(), parent), owner_(owner), member_(member), isNew_(isNew)
{
    setWindowTitle(QStringLiteral("Edit Source"));
    setDialogSize(dialogWidth, 7 + 18 + placeholderHeight + 7);
    addSourceTypeControls(7, 7, dialogWidth - 72, placeholderHeight);
    addButton(IDOK, "OK", dialogWidth - 60, 7, 53, 14, true);
    addButton(IDCANCEL, "Cancel", dialogWidth - 60, 24, 53, 14);
    setValueKind(owner.valueKind());
    setValueCount(owner.valueCount());
}

CEditSourceDialog::~CEditSourceDialog() = default;

bool CEditSourceDialog::OnInitDialog()
{
    measure();
    if (isNew_) {
        gstr caption;
        setWindowTitle(toUiText(caption.loadString(newCaption)));
    }
    showSource(member_, false);
    return true;
}

void CEditSourceDialog::OnOK()
{
    std::unique_ptr<g2driverDataSource> source = makeSource();
    if (!source)
        return;
    result_ = std::move(source);
    CDialog::OnOK();
}
