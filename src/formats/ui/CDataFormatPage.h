#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <QPoint>
#include <cstdint>
#include <initializer_list>

class CEscapedStringEdit;
class gcharOption;

// The base of the data-format pages: a borderless child dialog that its host
// creates over a hidden placeholder control, fills from a record (or with
// its defaults) and reads back into a record on the host's OK. A page holds
// no record. Its apply stores each field as soon as it has read it, so a
// host applies into a record it can throw away when apply refuses.
class CDataFormatPage : public CDialog {
public:
    CDataFormatPage();
    // A page that keeps the hex mode writes it back to the settings.
    ~CDataFormatPage() override;

    bool isCreated() const { return created_; }
    // When the page exists: back to where it was created, lowered by dy
    // pixels, same size and stacking, shown without being activated.
    void moveTo(int dy);

    // The "HexMode" value of "Dialogs\Edit G2Driver" that every page showing
    // byte strings shares: 0 text, 1 hexadecimal.
    static int readHexModeSetting();
    static void writeHexModeSetting(int hexMode);

    // The controls every encoding page has: the combo and the fixed width.
    static constexpr int encodingId = 1569;
    static constexpr int fixedWidthId = 1717;
    static constexpr int widthFieldId = 1510;

    // Radio buttons 1435 "Show as text" and 1434 "Show as hex".
    static constexpr int showAsTextId = 1435;
    static constexpr int showAsHexId = 1434;

protected:
    // The first step of every create: the template the page builds, before
    // its controls are added.
    void beginPage(int templateId, int cx, int cy);
    // The last one: a child of host at the top-left corner of the
    // placeholder, stacked right below it, shown without activation. The
    // controls are filled and enabled by the caller after this.
    void placeOver(CDialog& host, int placeholderId);

    // A control of a class without meta-object information (the spin and
    // filtered edits).
    template <class T>
    T* controlOf(int id) const
    {
        return dynamic_cast<T*>(control(id));
    }

    // Makes the radio buttons one exclusive group (the dialog may hold
    // several groups side by side).
    void groupRadioButtons(std::initializer_list<int> ids);
    // A click on a check box or radio button runs the handler after the
    // button has changed.
    void onClick(int id, std::function<void()> handler) { onCommand(id, std::move(handler)); }

    // Bytes shown in a plain edit in the escaped form of station-file
    // strings, without the quotes.
    void showEscaped(int id, const gstrSlice& bytes);
    // The edit's escaped text decoded; false (out untouched) when it holds a
    // bad escape.
    bool readEscaped(int id, gstr& out) const;
    // Exactly one byte after decoding.
    bool readSingleByte(int id, char& out) const;

    // A symbol's box and field: a character checks the box and shows it
    // escaped; none shows the default text with the box clear.
    void showSymbol(int boxId, int fieldId, const gcharOption& symbol, const char* defaultText);
    // A clear box gives none; a checked one needs exactly one byte in the
    // field (the message, else).
    bool readSymbol(int boxId, int fieldId, int messageId, gcharOption& symbol);

    // A message from the string table and the focus on the field, its text
    // selected; false, so that apply can return it.
    bool refuse(int id, int messageId) { return refuseField(id, messageId); }
    // The same, the focus moved without selecting the text.
    bool refuseFocusOnly(int id, int messageId);

    // "Use fixed width" and the width field from WIDTH (1 shown when there
    // is no fixed width).
    void showWidth(int32_t width);
    // The width spin's range for a TYPE: 1 to 1 for the single bytes, 2 to
    // 4 for the multibytes, 1 to 2147483647 for the others.
    void setWidthRange(int32_t type);
    // A new encoding: its range, and for the byte types "Use fixed width"
    // checked with a width that suits them.
    void adaptWidthToEncoding(int32_t type);
    // WIDTH from the two controls: 0 without a fixed width, else at least 1
    // (message 10524).
    bool readWidth(int32_t& width);
    // The width a byte TYPE needs (10529, 10528, 10530; focus on the width).
    bool checkWidthFits(int32_t type, int32_t width);

    // The two exponent prefixes of the number pages: each edit's bytes
    // (its own message when it cannot read its text), neither empty, as a
    // file needs them.
    bool readExponentPrefixes(CEscapedStringEdit& positiveEdit, CEscapedStringEdit& negativeEdit, gstr& positive,
                              gstr& negative);

    // The text-or-hex radio buttons of a pair of escaped-string edits: a
    // click takes the mode from "Show as hex"; both edits switch (first,
    // then second) or, when either cannot read its text, the first goes
    // back to the kept mode and the buttons show it again.
    void switchHexMode(CEscapedStringEdit& first, CEscapedStringEdit& second);
    void showHexMode(CEscapedStringEdit& first, CEscapedStringEdit& second);

    // True while create fills the controls: the change handlers leave the
    // values alone then.
    bool filling_ = false;
    int hexMode_ = 0;
    // Set by the pages that read the hex mode at creation.
    bool keepsHexMode_ = false;

private:
    bool OnInitDialog() override;

    bool created_ = false;
    QPoint origin_;
};
