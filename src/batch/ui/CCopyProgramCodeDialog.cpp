#include "batch/ui/CCopyProgramCodeDialog.h"

#include "foundation/gmessageService.h"
#include "foundation/jhashIterator.h"
#include "foundation/messageBoxes.h"
#include "platform/selectedRows.h"
#include "platform/textCodec.h"
#include "scl/gsclProgram.h"
#include "scl/ui/CSclDoc.h"
#include "shell/CStationEditorApp.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <QListWidget>

namespace {

constexpr int existingCodeQuestion = 10266;
constexpr int copiedOne = 10199;
constexpr int copiedMany = 10138;
constexpr int modifiedOne = 10198;
constexpr int modifiedMany = 10137;
constexpr int programRole = Qt::UserRole;

void fill(QListWidget& list)
{
    jhashTypedIterator<gsclProgram> it(station::programs());
    gsclProgram* program = nullptr;
    while (it.get(program)) {
        if (!program->isDefined())
            continue;
        auto* item = new QListWidgetItem(toUiText(program->getTitle(true)));
        item->setData(programRole, QVariant::fromValue(reinterpret_cast<quintptr>(program)));
        list.addItem(item);
    }
    list.sortItems();
}

} // namespace

// The dialog is modal: the windows' text, given back once, stays what they
// show until the windows read the changed code again.
CCopyProgramCodeDialog::CCopyProgramCodeDialog(QWidget* parent) : CDialog(518, parent)
{
    CSclGlobalDoc::writeBackAll();
    setWindowTitle("Copy Program Code");
    setDialogSize(300, 170);
    addLabel(-1, "&From:", 7, 7, 110, 8);
    from_ = addListBox(fromId, 7, 17, 110, 146);
    addButton(copyId, ">> C&opy >>", 123, 40, 54, 14);
    addButton(appendId, ">> &Append >>", 123, 60, 54, 14);
    addButton(prependId, ">> &Prepend >>", 123, 80, 54, 14);
    addLabel(-1, "&To:", 183, 7, 110, 8);
    to_ = addListBox(toId, 183, 17, 110, 126);
    to_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton(IDCANCEL, "&Close", 243, 149, 50, 14);
    QObject::connect(from_, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    QObject::connect(to_, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    onCommand(copyId, [this] { copyCode(placement::replace); });
    onCommand(appendId, [this] { copyCode(placement::append); });
    onCommand(prependId, [this] { copyCode(placement::prepend); });
}

bool CCopyProgramCodeDialog::OnInitDialog()
{
    fill(*from_);
    fill(*to_);
    from_->clearSelection();
    to_->clearSelection();
    updateButtons();
    return true;
}

gsclProgram* CCopyProgramCodeDialog::programAt(const QListWidget& list, int row)
{
    const QListWidgetItem* item = list.item(row);
    return item ? reinterpret_cast<gsclProgram*>(item->data(programRole).value<quintptr>()) : nullptr;
}

void CCopyProgramCodeDialog::updateButtons()
{
    bool enable = fromProgram() && !to_->selectedItems().isEmpty();
    for (int id : {copyId, appendId, prependId})
        enableControl(id, enable);
}

gsclProgram* CCopyProgramCodeDialog::fromProgram() const
{
    QList<QListWidgetItem*> selected = from_->selectedItems();
    return selected.isEmpty() ? nullptr : programAt(*from_, from_->row(selected.front()));
}

std::vector<gsclProgram*> CCopyProgramCodeDialog::targets() const
{
    std::vector<gsclProgram*> programs;
    std::vector<int> rows = selectedRowsOf(*to_);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        programs.push_back(programAt(*to_, *row));
    return programs;
}

void CCopyProgramCodeDialog::copyCode(placement where)
{
    gsclProgram* from = fromProgram();
    std::vector<gsclProgram*> to = targets();
    if (!from || to.empty())
        return;
    bool someHaveCode = std::any_of(to.begin(), to.end(), [](gsclProgram* p) { return !p->code().isEmpty(); });
    if (where == placement::replace && someHaveCode) {
        gstr question;
        question.loadString(existingCodeQuestion);
        if (messageService().messageBox(question, gbuttons::okCancel, gicon::warning, existingCodeQuestion)
            != ganswer::ok)
            return;
    }
    // The code is taken once: appending to the From program doubles it.
    gstr code(from->code().isNull() ? gstrSlice::empty : gstrSlice(from->code()));
    for (gsclProgram* target : to) {
        gstr result;
        if (where == placement::replace) {
            if (target == from)
                continue;
            result.assign(code);
        } else {
            gstrSlice own = target->code().isNull() ? gstrSlice::empty : gstrSlice(target->code());
            result.assign(where == placement::append ? own : gstrSlice(code));
            result.append(where == placement::append ? gstrSlice(code) : own);
        }
        target->setCode(result);
    }
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->reloadSclDocuments();
    int count = static_cast<int>(to.size());
    bool copied = where == placement::replace;
    int id = count == 1 ? (copied ? copiedOne : modifiedOne) : (copied ? copiedMany : modifiedMany);
    informationBox(gstr().format(id, count), id);
    stationState().modified = 1;
}
