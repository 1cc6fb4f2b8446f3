#pragma once

#include "platform/CDialog.h"
#include "sabus/ui/sabusDialogItems.h"

#include <QListWidget>

#include <memory>
#include <vector>

// A list of a dialog whose rows each own one object (a copy the dialog works
// on), kept in row order, with the dialog's Edit, Delete and Duplicate
// buttons of the list: they start disabled, a selection enables them, an
// emptied list disables them, and a double click presses Edit.
template <class T>
class COwningList {
public:
    void attach(CDialog& dialog, QListWidget* list, std::vector<int> selectionButtons, int editId)
    {
        dialog_ = &dialog;
        list_ = list;
        buttons_ = std::move(selectionButtons);
        enableButtons(false);
        QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] {
            if (selected() >= 0)
                enableButtons(true);
        });
        QObject::connect(list_, &QListWidget::itemDoubleClicked, list_,
                         [this, editId] { dialog_->sendCommand(editId); });
    }

    QListWidget& list() const { return *list_; }
    int count() const { return static_cast<int>(objects_.size()); }
    T* at(int row) const
    {
        return row >= 0 && row < count() ? objects_[static_cast<size_t>(row)].get() : nullptr;
    }
    int selected() const { return sabusItems::selectedRow(*list_); }
    T* selectedObject() const { return at(selected()); }

    void enableButtons(bool enable)
    {
        for (int id : buttons_)
            dialog_->enableControl(id, enable);
    }

    // Appends without selecting (filling the list when the dialog opens).
    void append(std::unique_ptr<T> object, const gstrSlice& text) { insertAt(count(), std::move(object), text); }

    // After the selected row, at the end when none is; the row is selected.
    int insertAfterSelected(std::unique_ptr<T> object, const gstrSlice& text)
    {
        int row = selected() >= 0 ? selected() + 1 : count();
        return select(insertAt(row, std::move(object), text));
    }

    // At the row's sorted place by text; the row is selected.
    int insertSorted(std::unique_ptr<T> object, const gstrSlice& text)
    {
        int row = sabusItems::insertSorted(*list_, text, {});
        objects_.insert(objects_.begin() + row, std::move(object));
        return select(row);
    }

    // The row's entry made again with its object's new text, selected.
    void refreshRow(int row, const gstrSlice& text)
    {
        std::unique_ptr<T> object = take(row);
        select(insertAt(row, std::move(object), text));
    }

    // Takes the row's object out with its row.
    std::unique_ptr<T> take(int row)
    {
        std::unique_ptr<T> object = std::move(objects_[static_cast<size_t>(row)]);
        objects_.erase(objects_.begin() + row);
        delete list_->takeItem(row);
        return object;
    }

    // Deletes the selected row's object; the row now at its place (the new
    // last one when the last went) is selected.
    void deleteSelected()
    {
        int row = selected();
        if (row < 0)
            return;
        take(row);
        if (count() == 0) {
            enableButtons(false);
            return;
        }
        select(row < count() ? row : count() - 1);
    }

    std::vector<std::unique_ptr<T>> takeAll()
    {
        list_->clear();
        std::vector<std::unique_ptr<T>> all;
        all.swap(objects_);
        return all;
    }

private:
    int insertAt(int row, std::unique_ptr<T> object, const gstrSlice& text)
    {
        row = sabusItems::insertRow(*list_, row, text);
        objects_.insert(objects_.begin() + row, std::move(object));
        return row;
    }

    int select(int row)
    {
        sabusItems::selectRow(*list_, row);
        enableButtons(true);
        return row;
    }

    CDialog* dialog_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<int> buttons_;
    std::vector<std::unique_ptr<T>> objects_;
};
