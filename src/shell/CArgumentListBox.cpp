#include "shell/CArgumentListBox.h"

#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "shell/ownerDrawItems.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// An entry's record lives in its item: its presence, its disabled flag and
// the caller's data.
constexpr int recordRole = Qt::UserRole;
constexpr int disabledRole = Qt::UserRole + 1;
constexpr int dataRole = Qt::UserRole + 2;

class argumentItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        bool disabled = index.data(disabledRole).toBool();
        const QRect& r = option.rect;
        QColor text;
        if (isSelectedItem(option)) {
            painter->fillRect(r, systemColour(sysColour::highlight));
            text = systemColour(disabled ? sysColour::grayText : sysColour::highlightText);
        } else if (disabled) {
            painter->fillRect(r, halftoneBrush(systemColour(sysColour::buttonFace), systemColour(sysColour::window)));
            text = systemColour(sysColour::grayText);
        } else {
            itemColours colours = itemColoursFor(false);
            painter->fillRect(r, colours.background);
            text = colours.text;
        }
        painter->setPen(text);
        painter->drawText(r.adjusted(2, 1, 0, 0), Qt::AlignTop | Qt::TextSingleLine | Qt::TextHideMnemonic,
                          index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, r);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), measuredTextHeight() + 2};
    }
};

} // namespace

CArgumentListBox::CArgumentListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new argumentItemDelegate(this));
}

int CArgumentListBox::addString(const gstrSlice& text) { return insertString(count(), text); }

int CArgumentListBox::insertString(int index, const gstrSlice& text)
{
    if (index == -1)
        index = count();
    if (index < 0 || index > count())
        return listError;
    insertItem(index, toUiText(text));
    return index;
}

bool CArgumentListBox::deleteString(int index)
{
    QListWidgetItem* it = item(index);
    delete it;
    return it != nullptr;
}

uint32_t CArgumentListBox::getItemData(int index) const
{
    const QListWidgetItem* it = item(index);
    if (!it)
        return static_cast<uint32_t>(listError);
    return it->data(recordRole).toBool() ? it->data(dataRole).toUInt() : 0;
}

int CArgumentListBox::setItemData(int index, uint32_t data)
{
    QListWidgetItem* it = item(index);
    if (!it)
        return listError;
    it->setData(recordRole, true);
    it->setData(dataRole, data);
    return 0;
}

bool CArgumentListBox::setItemDisabled(int index, bool disabled)
{
    QListWidgetItem* it = item(index);
    if (!it)
        return false;
    if (!it->data(recordRole).toBool() && !disabled)
        return true;
    it->setData(recordRole, true);
    if (it->data(disabledRole).toBool() != disabled) {
        it->setData(disabledRole, disabled);
        viewport()->update(visualItemRect(it));
    }
    return true;
}

bool CArgumentListBox::isItemDisabled(int index) const
{
    const QListWidgetItem* it = item(index);
    return it && it->data(disabledRole).toBool();
}

bool CArgumentListBox::hasRecord(int index) const
{
    const QListWidgetItem* it = item(index);
    return it && it->data(recordRole).toBool();
}
