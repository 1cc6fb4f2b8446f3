#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>

class CChecksumOptionsPane;
class CDataFormatPage;
class CDialog;

// The checksum kind list of the two checksum element dialogs: it shows the
// options pane of the chosen kind, grows or shrinks the dialog by that
// pane's height from its size at opening, moves the format page below the
// pane, and goes back to the last accepted kind when the pane refuses one.
class checksumTypeChoice {
public:
    static constexpr int typeId = 1570;
    static constexpr int optionsPlaceholderId = 1844;

    // Fills the dialog's list with the kinds (index + 1 = kind).
    static void fillKinds(CDialog& dialog);

    // After the options and the page exist: widens the dialog for the
    // panes, remembers its size, selects the kind (1 to 9) and follows the
    // list from then on.
    void start(CDialog& dialog, CChecksumOptionsPane& options, CDataFormatPage& page, int32_t kind);

private:
    void select(int32_t kind);

    CDialog* dialog_ = nullptr;
    CChecksumOptionsPane* options_ = nullptr;
    CDataFormatPage* page_ = nullptr;
    QSize startSize_;
    int accepted_ = 0;
    bool restoring_ = false;
};
