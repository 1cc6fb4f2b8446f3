#include "scl/ui/CProgramCodersPane.h"

#include "foundation/garrayMap.h"
#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "formats/ui/gcoderEditors.h"
#include "platform/textCodec.h"
#include "scl/gsclProgramBody.h"

#include <QListWidget>
#include <vector>

namespace {

// The row texts are string 10750 plus the coder's kind.
constexpr int rowTextBase = 10750;

template <class Coder>
struct editorOf;
template <>
struct editorOf<gdecoder> {
    using type = gdecoderEditor;
};
template <>
struct editorOf<gencoder> {
    using type = gencoderEditor;
};

} // namespace

// One list of the pane with its four buttons: the rows, in ascending number
// order, each owning its coder until the pane applies them.
template <class Coder>
class CProgramCodersPane::coderRows {
public:
    struct ids {
        int list;
        int edit;
        int remove;
        int duplicate;
        int create;
    };

    coderRows(CProgramCodersPane& pane, const ids& ids) : pane_(pane), ids_(ids)
    {
        list_ = pane.controlAs<QListWidget>(ids.list);
        QObject::connect(list_, &QListWidget::currentRowChanged, &pane, [this](int row) {
            if (row >= 0)
                enableButtons(true);
        });
        QObject::connect(list_, &QListWidget::itemDoubleClicked, &pane, [this] { edit(); });
        pane.onCommand(ids.edit, [this] { edit(); });
        pane.onCommand(ids.remove, [this] { remove(); });
        pane.onCommand(ids.duplicate, [this] { duplicate(); });
        pane.onCommand(ids.create, [this] { create(); });
        enableButtons(false);
    }

    void fill(const garrayMapOwned<Coder>& coders)
    {
        garrayMapIterator<Coder> it(coders);
        Coder* coder = nullptr;
        int32_t key = 0;
        while (it.get(coder, key))
            addRow(static_cast<uint32_t>(key), coder->clone());
    }

    void applyTo(garrayMapOwned<Coder>& coders)
    {
        coders.deleteAll();
        for (row& r : rows_) {
            if (r.coder)
                coders.insert(r.coder.release(), static_cast<int32_t>(r.number));
        }
    }

    int addRow(uint32_t number, Coder* coder)
    {
        std::unique_ptr<Coder> owned(coder);
        int at = 0;
        while (at < static_cast<int>(rows_.size()) && rows_[static_cast<size_t>(at)].number <= number)
            ++at;
        gstr text;
        text.format(rowTextBase + owned->getKind(), number);
        rows_.insert(rows_.begin() + at, row{number, std::move(owned)});
        list_->insertItem(at, toUiText(text));
        return at;
    }

    int findRow(uint32_t number, bool skipSelected) const
    {
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].number != number)
                continue;
            if (skipSelected && static_cast<int>(i) == selectedRow())
                return -1;
            return static_cast<int>(i);
        }
        return -1;
    }

    uint32_t nextFreeNumber() const
    {
        if (rows_.empty())
            return 0;
        size_t i = selectedRow() >= 0 ? static_cast<size_t>(selectedRow()) : 0;
        uint32_t number = rows_[i].number;
        while (i + 1 < rows_.size() && rows_[i + 1].number == number + 1) {
            ++i;
            ++number;
        }
        return number + 1;
    }

private:
    struct row {
        uint32_t number;
        std::unique_ptr<Coder> coder;
    };
    using editor = typename editorOf<Coder>::type;

    int selectedRow() const
    {
        QListWidgetItem* item = list_->currentItem();
        return item && item->isSelected() ? list_->row(item) : -1;
    }

    void enableButtons(bool enable)
    {
        pane_.enableControl(ids_.edit, enable);
        pane_.enableControl(ids_.remove, enable);
        pane_.enableControl(ids_.duplicate, enable);
    }

    void deleteRow(int at)
    {
        rows_.erase(rows_.begin() + at);
        delete list_->takeItem(at);
    }

    void selectRow(int at)
    {
        list_->setCurrentRow(at);
        enableButtons(true);
    }

    // The coder under its number, in place of any row of that number.
    void replaceOrAdd(uint32_t number, std::unique_ptr<Coder> coder)
    {
        int same = findRow(number, false);
        if (same >= 0)
            deleteRow(same);
        selectRow(addRow(number, coder.release()));
    }

    void create()
    {
        editor run(&pane_, 0, nullptr, true, &pane_);
        if (run.dialog() && run.dialog()->DoModal() == IDOK)
            replaceOrAdd(run.dialog()->number(), run.dialog()->takeCoder());
    }

    void duplicate()
    {
        int at = selectedRow();
        if (at < 0)
            return;
        const row& r = rows_[static_cast<size_t>(at)];
        editor run(&pane_, r.number, r.coder.get(), true, &pane_);
        if (run.dialog() && run.dialog()->DoModal() == IDOK)
            replaceOrAdd(run.dialog()->number(), run.dialog()->takeCoder());
    }

    void edit()
    {
        int at = selectedRow();
        if (at < 0)
            return;
        const row& r = rows_[static_cast<size_t>(at)];
        editor run(&pane_, r.number, r.coder.get(), false, &pane_);
        if (!run.dialog() || run.dialog()->DoModal() != IDOK)
            return;
        std::unique_ptr<Coder> coder = run.dialog()->takeCoder();
        deleteRow(at);
        replaceOrAdd(run.dialog()->number(), std::move(coder));
    }

    void remove()
    {
        int at = selectedRow();
        if (at < 0)
            return;
        deleteRow(at);
        if (rows_.empty()) {
            enableButtons(false);
            return;
        }
        selectRow(std::min(at, static_cast<int>(rows_.size()) - 1));
    }

    CProgramCodersPane& pane_;
    ids ids_;
    QListWidget* list_;
    std::vector<row> rows_;
};

CProgramCodersPane::CProgramCodersPane() : CDialog(879)
{
    addLabel(-1, "Data &decoders:", 0, 0, 180, 8);
    addListBox(decoderListId, 0, 10, 188, 56);
    addButton(decoderEditId, "Edit...", 194, 10, 50, 14);
    addButton(decoderDeleteId, "Delete", 194, 24, 50, 14);
    addButton(decoderDuplicateId, "Duplicate...", 194, 38, 50, 14);
    addButton(decoderNewId, "New...", 194, 52, 50, 14);
    addLabel(-1, "Data &encoders:", 0, 70, 180, 8);
    addListBox(encoderListId, 0, 80, 188, 56);
    addButton(encoderEditId, "Edit...", 194, 80, 50, 14);
    addButton(encoderDeleteId, "Delete", 194, 94, 50, 14);
    addButton(encoderDuplicateId, "Duplicate...", 194, 108, 50, 14);
    addButton(encoderNewId, "New...", 194, 122, 50, 14);
    setDialogSize(250, 136);
    decoders_ = std::make_unique<coderRows<gdecoder>>(
        *this, coderRows<gdecoder>::ids{decoderListId, decoderEditId, decoderDeleteId, decoderDuplicateId, decoderNewId});
    encoders_ = std::make_unique<coderRows<gencoder>>(
        *this, coderRows<gencoder>::ids{encoderListId, encoderEditId, encoderDeleteId, encoderDuplicateId, encoderNewId});
}

CProgramCodersPane::~CProgramCodersPane() = default;

void CProgramCodersPane::create(CDialog& parent, int placeholderId, const gsclProgramBody* body)
{
    setParent(&parent, Qt::Widget);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QWidget* placeholder = parent.control(placeholderId);
    move(placeholder ? placeholder->mapTo(&parent, QPoint(0, 0)) : QPoint(0, 0));
    if (body) {
        decoders_->fill(body->decoders());
        encoders_->fill(body->encoders());
    }
    ensureInitialized();
    show();
}

int CProgramCodersPane::apply(gsclProgramBody& body)
{
    decoders_->applyTo(body.decoders());
    encoders_->applyTo(body.encoders());
    return 1;
}

int CProgramCodersPane::addDecoderRow(uint32_t number, gdecoder* coder) { return decoders_->addRow(number, coder); }

int CProgramCodersPane::addEncoderRow(uint32_t number, gencoder* coder) { return encoders_->addRow(number, coder); }

uint32_t CProgramCodersPane::nextFreeDecoderNumber() const { return decoders_->nextFreeNumber(); }

uint32_t CProgramCodersPane::nextFreeEncoderNumber() const { return encoders_->nextFreeNumber(); }

int CProgramCodersPane::findDecoderRow(uint32_t number, bool skipSelected) const
{
    return decoders_->findRow(number, skipSelected);
}

int CProgramCodersPane::findEncoderRow(uint32_t number, bool skipSelected) const
{
    return encoders_->findRow(number, skipSelected);
}
