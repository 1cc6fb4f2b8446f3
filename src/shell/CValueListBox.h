#pragma once

#include "foundation/gstr.h"

#include <QListWidget>

// A list of entries of the form number, tab, text, kept in the order of
// their numbers.
class CValueListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

    // A text without a leading number goes first; otherwise before the
    // first entry that starts with a greater number (entries without a
    // number are passed over), or last. Returns the new entry's index.
    int insertSorted(const gstrSlice& text);
};
