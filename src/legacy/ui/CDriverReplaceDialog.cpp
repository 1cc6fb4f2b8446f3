#include "legacy/ui/CDriverReplaceDialog.h"

#include "legacy/ui/CDriverReplacePages.h"
#include "platform/settingsStore.h"

#include <QPushButton>
#include <QTabBar>
#include <algorithm>

namespace {

const char* const settingsSection = "Dialogs\\Driver Replace";
const char* const tabTitles[] = {"Device address", "String", "Response", "Mask", "Reply"};
constexpr int margin = 7;

} // namespace

CDriverReplaceDialog::CDriverReplaceDialog(glegacyCommandTable& commands, glegacyResponseTable& responses,
                                           QWidget* parent)
    : CDialog(templateId, parent), commands_(commands), responses_(responses), hasCommands_(commands.count() > 0),
      hasResponses_(responses.count() > 0)
{
    setWindowTitle(QStringLiteral("Search And Replace"));
    tabs_ = addControl(tabId, new QTabBar, margin, margin, 200, 14);
    addButton(replaceAllId, "Replace &All", margin, 100, 60, 14, true);
    addButton(IDCANCEL, "&Close", 80, 100, 60, 14);
    pages_[0] = new CReplaceAddressPage(*this);
    pages_[1] = new CReplaceStringPage(*this);
    pages_[2] = new CReplaceResponsePage(*this);
    pages_[3] = new CReplaceMaskPage(*this);
    pages_[4] = new CReplaceReplyPage(*this);
    for (const char* title : tabTitles)
        tabs_->addTab(QString::fromLatin1(title));
    layOut();
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPage(index); });
    onCommand(replaceAllId, [this] { pages_[shown_]->replaceAll(); });
}

CDriverReplaceDialog::~CDriverReplaceDialog() = default;

// The tab strip as wide as the widest page, the pages below it, the buttons
// below the tallest page.
void CDriverReplaceDialog::layOut()
{
    QSize largest;
    for (CDriverReplacePage* page : pages_)
        largest = largest.expandedTo(page->size());
    int tabHeight = tabs_->sizeHint().height();
    tabs_->setGeometry(margin, margin, largest.width(), tabHeight);
    int pageTop = margin + tabHeight;
    for (CDriverReplacePage* page : pages_) {
        page->move(margin, pageTop);
        page->hide();
    }
    int buttonTop = pageTop + largest.height() + margin;
    QWidget* replaceAll = control(replaceAllId);
    QWidget* close = control(IDCANCEL);
    replaceAll->move(margin + largest.width() - replaceAll->width() - close->width() - margin, buttonTop);
    close->move(margin + largest.width() - close->width(), buttonTop);
    resize(largest.width() + 2 * margin, buttonTop + close->height() + margin);
}

bool CDriverReplaceDialog::OnInitDialog()
{
    for (CDriverReplacePage* page : pages_) {
        page->ensureInitialized();
        page->create();
    }
    int active = std::clamp(profileInt(settingsSection, "ActivePane", 0), 0, pageCount - 1);
    {
        QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(active);
    }
    showPage(active);
    return true;
}

void CDriverReplaceDialog::showPage(int index)
{
    pages_[shown_]->hide();
    shown_ = index;
    pages_[index]->activate();
    pages_[index]->show();
}

void CDriverReplaceDialog::OnCancel()
{
    writeProfileInt(settingsSection, "ActivePane", shown_);
    for (CDriverReplacePage* page : pages_)
        page->save();
    CDialog::OnCancel();
}
