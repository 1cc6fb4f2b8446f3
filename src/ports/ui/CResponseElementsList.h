#pragma once

#include "foundation/gstr.h"

#include <QColor>
#include <QListWidget>

class g2serialTransaction;

// The list of the Test Port that shows, for the last exchange, one line per
// element of the response (or error response) the transaction settled on:
// the element's label in a column of its own and the bytes it matched, in
// text or hexadecimal, or why it has none. It never owns the transaction.
class CResponseElementsList : public QListWidget {
public:
    explicit CResponseElementsList(QWidget* parent = nullptr);

    void setTransaction(const g2serialTransaction* transaction);
    // Refills in the other representation when a transaction is shown.
    void setHexMode(int hexMode);
    // Nothing shown. (The item view's own reset is a slot the model calls.)
    void resetList();

    int hexMode() const { return hexMode_; }
    const g2serialTransaction* transaction() const { return transaction_; }
    int labelWidth() const { return labelWidth_; }
    int itemHeight() const { return itemHeight_; }
    // A line: its label ("name:"), its text and the colour of its text.
    gstr lineLabel(int line) const;
    gstr lineText(int line) const;
    QColor lineColour(int line) const;

private:
    void refill();

    gstr skipped_;
    gstr badElement_;
    gstr notFound_;
    const g2serialTransaction* transaction_ = nullptr;
    int labelWidth_ = 32767;
    int itemHeight_;
    int hexMode_ = 0;
};
