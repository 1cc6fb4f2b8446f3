#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"
#include "sabus/ui/COwningList.h"

class gsabusRequest;

// The base of the Edit SABus Query and Edit SABus Command dialogs: tag, name,
// opcode and the fixed parameters of one request. Opened three ways:
//   New        no source, no target: OK defines the typed tag and makes the
//              request, which becomes the target;
//   Edit       the request as source and target; the tag is read-only;
//   Duplicate  the request as source, no target: a new request from its
//              values under the typed tag.
// Nothing of a request changes before OK has passed every check.
class CSabusRequestDialog : public CDialog {
public:
    static constexpr int tagId = 1500;
    static constexpr int nameId = 1501;
    static constexpr int opcodeId = 1502;
    static constexpr int fixedListId = 1503;
    static constexpr int fixedEditId = 1504;
    static constexpr int fixedDeleteId = 1505;
    static constexpr int fixedDuplicateId = 1506;
    static constexpr int fixedNewId = 1507;

    // After OK: the request changed or made.
    gsabusRequest* target() const { return target_; }

    void OnNewFixedParameter();
    void OnEditFixedParameter();
    void OnDuplicateFixedParameter();

protected:
    CSabusRequestDialog(int templateId, const char* caption, int newCaptionId, gsabusRequest* source,
                        gsabusRequest* target, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;

    // The derived dialog's part: its fields from the source (false closes the
    // dialog as cancelled), its checks before the common ones, and storing
    // its fields into the target after the common ones.
    virtual bool fillOwnFields() = 0;
    virtual bool checkOwnFields() = 0;
    virtual void storeOwnFields(gsabusRequest& target) = 0;

    gsabusRequest* source() const { return source_; }

private:
    void buildCommonControls();
    bool checkOpcode();
    // Defines the tag; false after 10452.
    bool defineTarget();

    int newCaptionId_;
    gsabusRequest* source_;
    gsabusRequest* target_;
    COwningList<gstr> fixed_;
};
