#pragma once

#include "formats/ui/CDataFormatPage.h"

#include <cstdint>

class gintegerInputFormat;

// What the integer and number input pages share: the encoding combo 1569,
// the leading character group, the fixed width and the trailing character
// group, with their enabling rules and their part of apply. The derived page
// adds the controls and says which TYPE the combo selects.
class CInputFormatPageBase : public CDataFormatPage {
public:
    static constexpr int skipLeadingId = 1847;
    static constexpr int leadingSpacesId = 1848;
    static constexpr int leadingAnyId = 1850;
    static constexpr int leadingTheseId = 1851;
    static constexpr int leadingFieldId = 1718;
    static constexpr int allowTrailingId = 1849;
    static constexpr int trailingSpacesId = 1852;
    static constexpr int trailingAnyId = 1853;
    static constexpr int trailingTheseId = 1854;
    static constexpr int trailingFieldId = 1719;

protected:
    // The TYPE the combo selects; 0 when none.
    virtual int32_t selectedType() const = 0;
    // The page's own enabling rules; the base's run first.
    virtual void enableControls();

    // The controls of the two groups and the width, placed from the given
    // corners (dialog units): the leading group at (lx, ly), the width and
    // the trailing group at (tx, ty).
    void addCharacterGroups(int lx, int ly, int tx, int ty);
    // Click and change handlers of those controls and of the combo.
    void connectCharacterGroups();

    // LEADING and the trailing set as the integer input page shows them for
    // a text encoding.
    void showCharacterSets(const gintegerInputFormat& format);
    // Only spaces in both groups, both boxes clear.
    void showSpacesOnly();

    // LEADING, WIDTH and the trailing set into the format, in that order.
    bool applyCharacterGroups(gintegerInputFormat& format, int32_t type);

private:
    bool readCharacterSet(int radioSpaces, int radioAny, int field, int emptyMessage, int escapeMessage, gstr& out);
};
