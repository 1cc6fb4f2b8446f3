#include "registers/ui/CLogStringsTabDialog.h"

#include "platform/textCodec.h"
#include "registers/ui/CAnalogLogFormatPane.h"
#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "registers/ui/CEditDigitalRegisterDialog.h"
#include "registers/ui/CEditStringRegisterDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "registers/ui/CStateLogStringsDialog.h"
#include "registers/ui/CStringLogValuesPane.h"
#include "registers/ui/CValueLogStringsPane.h"

#include <QLabel>
#include <algorithm>
#include <QTabBar>

namespace {

constexpr int valueTabText = 10701;
constexpr int stateTabText = 10702;

// The lowest edge of what a page shows.
int contentBottom(const QWidget& page)
{
    int bottom = 0;
    for (QObject* child : page.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && !w->isHidden())
            bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    return bottom;
}

} // namespace

CLogStringsTabDialog::CLogStringsTabDialog(CRegisterDialog& registerDialog, std::unique_ptr<CValueLogPane> pane,
                                           QWidget* parent)
    : CDialog(847, parent), registerDialog_(registerDialog), pane_(std::move(pane)),
      state_(std::make_unique<CStateLogStringsDialog>(registerDialog, this))
{
    setWindowTitle("Edit Register Log Strings");
    setDialogSize(320, 292);
    auto* tabs = addControl(tabsId, new QTabBar, 7, 7, 306, 14);
    QObject::connect(tabs, &QTabBar::currentChanged, this, [this](int tab) { showPage(tab); });
    addLabel(placeholderId, "", 7, 23, 20, 8)->hide();
    addButton(IDOK, "OK", 209, 272, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 263, 272, 50, 14);
}

CLogStringsTabDialog::~CLogStringsTabDialog() = default;

bool CLogStringsTabDialog::OnInitDialog()
{
    auto* tabs = controlAs<QTabBar>(tabsId);
    QSignalBlocker quiet(tabs);
    tabs->addTab(toUiText(gstr().loadString(valueTabText)));
    tabs->addTab(toUiText(gstr().loadString(stateTabText)));
    QPoint corner = control(placeholderId)->pos();
    registerDialog_.sampleRegisterName();
    pane_->createPane(this);
    pane_->move(corner);
    state_->createPage(this);
    state_->move(corner);
    fitToPages(corner.y());
    int tab = pane_->hasSettings() || state_->allDefault() ? 0 : 1;
    tabs->setCurrentIndex(tab);
    showPage(tab);
    return true;
}

// The dialog is as tall as its fuller page needs, its buttons right below.
void CLogStringsTabDialog::fitToPages(int top)
{
    int pages = std::max(contentBottom(*pane_), contentBottom(*state_));
    pane_->resize(pane_->width(), pages);
    state_->resize(state_->width(), pages);
    int buttons = top + pages + dialogUnitsY(7);
    for (int id : {IDOK, IDCANCEL})
        control(id)->move(control(id)->x(), buttons);
    resize(width(), buttons + control(IDOK)->height() + dialogUnitsY(6));
}

void CLogStringsTabDialog::showPage(int tab)
{
    pane_->setVisible(tab == 0);
    state_->setVisible(tab == 1);
}

void CLogStringsTabDialog::OnOK()
{
    if (!pane_->storeSettings())
        return;
    state_->store();
    CDialog::OnOK();
}

CDigitalLogStringsDialog::CDigitalLogStringsDialog(CEditDigitalRegisterDialog& registerDialog, QWidget* parent)
    : CLogStringsTabDialog(registerDialog, std::make_unique<CValueLogStringsPane>(registerDialog), parent)
{
}

CAnalogLogStringsDialog::CAnalogLogStringsDialog(CEditAnalogRegisterDialog& registerDialog, QWidget* parent)
    : CLogStringsTabDialog(registerDialog, std::make_unique<CAnalogLogFormatPane>(registerDialog), parent)
{
}

CStringLogStringsDialog::CStringLogStringsDialog(CEditStringRegisterDialog& registerDialog, QWidget* parent)
    : CLogStringsTabDialog(registerDialog, std::make_unique<CStringLogValuesPane>(registerDialog), parent)
{
}
