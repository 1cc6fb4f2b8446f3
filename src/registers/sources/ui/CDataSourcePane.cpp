#include "registers/sources/ui/CDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "platform/modalRun.h"
#include "registers/sources/g2driverDataSource.h"

namespace {

constexpr int theSource = 10678;

} // namespace

CDataSourcePane::CDataSourcePane(CSourceTypeHostPane& host, int templateId)
    : CDialog(templateId, nullptr), host_(&host)
{
}

CDataSourcePane::~CDataSourcePane() = default;

bool CDataSourcePane::create(const g2driverDataSource*) { return false; }

bool CDataSourcePane::acceptValueKind(int32_t) { return true; }

std::unique_ptr<g2driverDataSource> CDataSourcePane::makeSource() { return nullptr; }

bool CDataSourcePane::isUnchanged() const { return false; }

void CDataSourcePane::registerUses(gusesList&) {}

void CDataSourcePane::setElementCount(int32_t) {}

void CDataSourcePane::moveTo(const QPoint& point)
{
    move(point);
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
}

void CDataSourcePane::becomeChild(int cx, int cy)
{
    setParent(host_, Qt::Widget);
    setDialogSize(cx, cy);
    ensureInitialized();
}

bool CDataSourcePane::refuseCreate(int messageId)
{
    hide();
    messageBox(messageId, gbuttons::ok, gicon::warning);
    return false;
}

bool CDataSourcePane::refuseFocusOnly(int id, int messageId)
{
    messageBox(messageId, gbuttons::ok, gicon::warning);
    if (QWidget* field = control(id))
        field->setFocus(Qt::OtherFocusReason);
    return false;
}

void CDataSourcePane::heightChanged() { host_->relayout(); }

// The pane leaves the focus where its host puts it.
bool CDataSourcePane::OnInitDialog() { return false; }

void CDataSourcePane::sourceReferrer::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.loadString(theSource));
}
