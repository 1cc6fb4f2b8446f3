#include "shell/CProgramCombo.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driverProgram.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "scl/gprogramArgument.h"
#include "scl/gsclProgram.h"
#include "shell/ownerDrawItems.h"
#include "store/gprocessorCall.h"
#include "store/gstation.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <algorithm>
#include <vector>

namespace {

constexpr int noneText = 10223;

QVariant programData(gprogramUsedByList* program) { return QVariant::fromValue(reinterpret_cast<quintptr>(program)); }

// The entries of the drop-down list: the common colours, grey on the button
// face while the combo is disabled, the text 2 pixels in.
class programItemDelegate : public QStyledItemDelegate {
public:
    // The combo owns its delegate (setItemDelegate takes no ownership).
    programItemDelegate(CProgramCombo& combo) : QStyledItemDelegate(&combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        itemColours colours = itemColoursFor(isSelectedItem(option));
        if (!combo_.isEnabled())
            colours = {systemColour(sysColour::buttonFace), systemColour(sysColour::grayText)};
        painter->fillRect(option.rect, colours.background);
        painter->setPen(colours.text);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, option.rect);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), combo_.itemHeight()};
    }

private:
    const CProgramCombo& combo_;
};

struct programEntry {
    gstr text;
    gprogramUsedByList* program;
};

} // namespace

CProgramCombo::CProgramCombo(gprocessorCall* call, QWidget* parent)
    : CAutoWidthCombo(parent), call_(call), itemHeight_(measuredTextHeight())
{
    setItemDelegate(new programItemDelegate(*this));
}

void CProgramCombo::PreSubclassWindow() { itemHeight_ = measuredTextHeight(); }

void CProgramCombo::fill(bool withNone)
{
    clear();
    std::vector<programEntry> entries;
    if (gprocessorCall::programTable* table = call_->getProgramTable()) {
        jhashTypedIterator<g2driverProgram> it(*table);
        g2driverProgram* program = nullptr;
        while (it.get(program))
            entries.push_back({program->getName(), program});
    } else {
        jhashTypedIterator<gsclProgram> it(station::programs());
        gsclProgram* program = nullptr;
        while (it.get(program)) {
            if (program->isDefined())
                entries.push_back({program->getTitle(true), program});
        }
    }
    if (sorted_) {
        std::stable_sort(entries.begin(), entries.end(), [](const programEntry& a, const programEntry& b) {
            return std::lexicographical_compare(
                a.text.view().begin(), a.text.view().end(), b.text.view().begin(), b.text.view().end(),
                [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
        });
    }
    for (const programEntry& e : entries)
        addItem(toUiText(e.text), programData(e.program));
    if (withNone)
        insertItem(0, toUiText(gstrSlice(stringTableText(noneText))), programData(nullptr));
    int current = call_->getProgram() ? findData(programData(call_->getProgram())) : -1;
    setCurrentIndex(current >= 0 ? current : (count() > 0 ? 0 : -1));
}

gprogramUsedByList* CProgramCombo::programAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return reinterpret_cast<gprogramUsedByList*>(itemData(index).value<quintptr>());
}

gstr CProgramCombo::selectionText() const
{
    int index = currentIndex();
    if (index < 0)
        return gstr("");
    gstr text = fromUiText(itemText(index));
    if (programAt(index))
        text.append(describeProgramArgumentList(*call_));
    return text;
}

void CProgramCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = toUiText(selectionText());
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
