#include "registers/ui/argumentRows.h"

#include "platform/dialogResults.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/ui/CSelectArgumentTypeDialog.h"
#include "registers/ui/editProgramArgument.h"
#include "scl/argumentOrder.h"
#include "scl/gprogramArgument.h"
#include "store/gprocessorCall.h"

#include <vector>

namespace {

constexpr int sameNameQuestion = 10227;

class argumentItem final : public QListWidgetItem {
public:
    explicit argumentItem(std::unique_ptr<gprogramArgument> argument)
        : QListWidgetItem(toUiText(describeProgramArgument(*argument))), argument_(std::move(argument))
    {
    }

    gprogramArgument& argument() const { return *argument_; }

private:
    std::unique_ptr<gprogramArgument> argument_;
};

argumentItem* itemAt(const QListWidget& list, int row) { return static_cast<argumentItem*>(list.item(row)); }

} // namespace

void argumentRows::fill(const gprocessorCall& call)
{
    for (int i = call.argumentCount() - 1; i >= 0; --i) {
        if (const gprogramArgument* argument = call.getArgument(i))
            addRow(std::make_unique<gprogramArgument>(*argument));
    }
}

int argumentRows::selectedRow() const
{
    QListWidgetItem* item = list_.currentItem();
    return item && item->isSelected() ? list_.row(item) : -1;
}

const gprogramArgument& argumentRows::argumentAt(int row) const { return itemAt(list_, row)->argument(); }

int argumentRows::addRow(std::unique_ptr<gprogramArgument> argument)
{
    auto* item = new argumentItem(std::move(argument));
    list_.addItem(item);
    return list_.row(item);
}

int argumentRows::sameNameRow(const gprogramArgument& argument, int except) const
{
    for (int row = 0; row < list_.count(); ++row) {
        if (row != except && argumentAt(row).hasSameName(argument))
            return row;
    }
    return -1;
}

bool argumentRows::askReplace() const
{
    return messageBox(sameNameQuestion, gbuttons::okCancel) == ganswer::ok;
}

bool argumentRows::addNew()
{
    CSelectArgumentTypeDialog type(&owner_);
    if (type.DoModal() != IDOK)
        return false;
    auto argument = std::make_unique<gprogramArgument>(type.argumentType());
    int replaced = -1;
    for (;;) {
        if (!editProgramArgument(*argument, &owner_))
            return false;
        replaced = sameNameRow(*argument, -1);
        if (replaced < 0 || askReplace())
            break;
    }
    if (replaced >= 0)
        delete list_.takeItem(replaced);
    int row = addRow(std::move(argument));
    list_.setCurrentRow(row);
    return true;
}

bool argumentRows::editSelected()
{
    int row = selectedRow();
    if (row < 0)
        return false;
    gprogramArgument& argument = itemAt(list_, row)->argument();
    const gprogramArgument before = argument;
    for (;;) {
        if (!editProgramArgument(argument, &owner_)) {
            argument = before;
            return false;
        }
        QListWidgetItem* edited = list_.item(row);
        bool keptOther = false;
        for (int other = sameNameRow(argument, row); other >= 0; other = sameNameRow(argument, row)) {
            if (!askReplace()) {
                keptOther = true;
                break;
            }
            delete list_.takeItem(other);
            row = list_.row(edited);
        }
        if (!keptOther)
            break;
    }
    auto copy = std::make_unique<gprogramArgument>(argument);
    delete list_.takeItem(row);
    list_.setCurrentRow(addRow(std::move(copy)));
    return true;
}

void argumentRows::removeRow(int row) { delete list_.takeItem(row); }

void argumentRows::storeInto(gprocessorCall& call) const
{
    std::vector<const gprogramArgument*> rows;
    for (int row = list_.count() - 1; row >= 0; --row)
        rows.push_back(&argumentAt(row));
    setArgumentsInOrderOf(call, rows, call);
}
