#include "g2driver/editor/CInitializationSequenceDialog.h"

#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "ports/ui/CCommandsToSendPage.h"
#include "resources/stringTable.h"

#include <QLabel>
#include <QTabBar>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";

struct tab {
    int text;
    int description;
};
constexpr tab tabs[] = {{10583, 10586}, {10584, 10587}, {10585, 10588}};

} // namespace

CInitializationSequenceDialog::CInitializationSequenceDialog(CEditG2DeviceDriverDialog& owner, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner)
{
    setWindowTitle(QStringLiteral("Initialization Sequence"));
    setDialogSize(300, 160);
    tabs_ = addControl(tabId, new QTabBar, 7, 7, 286, 14);
    addLabel(placeholderId, "", 16, 23, 262, 110)->hide();
    addButton(IDOK, "OK", 187, 139, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 243, 139, 50, 14);
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPage(index); });
}

// The tab shown last is shown first next time, after OK or Cancel alike.
CInitializationSequenceDialog::~CInitializationSequenceDialog()
{
    writeProfileInt(settingsSection, "InitSequenceActivePane", tabs_->currentIndex());
}

bool CInitializationSequenceDialog::OnInitDialog()
{
    gcommandSequence* sequences[] = {&owner_.workingFirstTimeSequence(), &owner_.workingReinitSequence(),
                                     &owner_.workingCommonSequence()};
    QSignalBlocker quiet(tabs_);
    for (size_t i = 0; i < pages_.size(); ++i) {
        tabs_->addTab(toUiText(stringTableText(tabs[i].text)));
        pages_[i] = new CCommandsToSendPage(owner_.workingCommands());
        pages_[i]->create(placeholderId, tabs[i].description, *this);
        pages_[i]->fill(*sequences[i]);
        pages_[i]->hide();
    }
    // A saved index that names no tab shows no page.
    int active = profileInt(settingsSection, "InitSequenceActivePane", 0);
    if (active < 0 || active >= 3)
        active = -1;
    else
        tabs_->setCurrentIndex(active);
    showPage(active);
    return true;
}

void CInitializationSequenceDialog::showPage(int index)
{
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<int>(i) == index);
}

void CInitializationSequenceDialog::OnOK()
{
    gcommandSequence* sequences[] = {&owner_.workingFirstTimeSequence(), &owner_.workingReinitSequence(),
                                     &owner_.workingCommonSequence()};
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->collect(*sequences[i]);
    EndDialog(IDOK);
}
