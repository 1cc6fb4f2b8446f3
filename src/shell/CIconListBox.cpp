#include "shell/CIconListBox.h"

#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "shell/ownerDrawItems.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int levelStatus = 2;
constexpr int objectRole = Qt::UserRole;

class iconItemDelegate : public QStyledItemDelegate {
public:
    explicit iconItemDelegate(CIconListBox& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        itemColours colours = itemColoursFor(isSelectedItem(option));
        const QRect& r = option.rect;
        painter->fillRect(r, colours.background);
        list_.images().draw(*painter, list_.iconOf(index.row()), r.left() + 3, r.top() + list_.iconTop(), true);
        painter->setPen(colours.text);
        painter->drawText(r.adjusted(list_.textIndent(), 0, 0, 0),
                          Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic,
                          index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, r);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width() + list_.textIndent(), list_.itemHeight()};
    }

private:
    const CIconListBox& list_;
};

} // namespace

CIconListBox::CIconListBox(typeCodeOf typeCode, QWidget* parent)
    : QListWidget(parent), typeCode_(std::move(typeCode)), itemHeight_(std::max(measuredTextHeight(), 9)),
      images_(10, 7)
{
    iconTop_ = (itemHeight_ - 7) / 2;
    images_.addStrip(classIconStrip(), iconMaskColour);
    setItemDelegate(new iconItemDelegate(*this));
    // Every row is one line of one height, and like a list box the list does
    // not scroll sideways: no row need be measured, which for every register
    // of a big station would be most of showing the list.
    setUniformItemSizes(true);
}

int CIconListBox::addEntry(const gstrSlice& text, const void* object)
{
    auto* item = new QListWidgetItem(toUiText(text));
    item->setData(objectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    addItem(item);
    return count() - 1;
}

const void* CIconListBox::entryObject(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? reinterpret_cast<const void*>(it->data(objectRole).value<quintptr>()) : nullptr;
}

int CIconListBox::iconOf(int index) const
{
    const void* object = entryObject(index);
    return object && typeCode_ ? typeCode_(object) : -1;
}

CRegisterListBox::CRegisterListBox(int dataObjectMode, typeCodeOf dataObjectType, QWidget* parent)
    : CIconListBox(std::move(dataObjectType), parent), dataObjectMode_(dataObjectMode)
{
}

int CRegisterListBox::iconOf(int index) const
{
    if (dataObjectMode_)
        return CIconListBox::iconOf(index);
    const auto* reg = static_cast<const gregister*>(entryObject(index));
    return reg ? registerIconIndex(*reg) : -1;
}

int registerIconIndex(const gregister& reg)
{
    int code = gregister::classCode(reg);
    if (code == 1 && gregister::getLevel(reg) > levelStatus)
        return 0;
    return code;
}
