#pragma once

#include "formats/ui/coderNumberLists.h"
#include "platform/CDialog.h"

#include <cstdint>
#include <memory>

class gdecoder;
class gencoder;
class gsclProgramBody;

// The pane of the Program Properties dialog that lists a station program's
// numbered data decoders and encoders (template 879). It edits private
// copies, kept in ascending number order, and hands them to the program only
// when the dialog's OK applies them; whatever it still owns goes with it, so
// Cancel discards every change. The coder dialogs ask it for the numbers in
// use.
class CProgramCodersPane : public CDialog, public coderNumberLists {
public:
    static constexpr int decoderListId = 1422;
    static constexpr int decoderEditId = 1224;
    static constexpr int decoderDeleteId = 1203;
    static constexpr int decoderDuplicateId = 1218;
    static constexpr int decoderNewId = 1331;
    static constexpr int encoderListId = 1421;
    static constexpr int encoderEditId = 1225;
    static constexpr int encoderDeleteId = 1204;
    static constexpr int encoderDuplicateId = 1219;
    static constexpr int encoderNewId = 1332;

    CProgramCodersPane();
    ~CProgramCodersPane() override;

    // Makes the pane a child of the parent at the top-left corner of the
    // placeholder and shows it; with a body, one row per coder holding a
    // clone of it.
    void create(CDialog& parent, int placeholderId, const gsclProgramBody* body);
    // The body's coders are replaced by the rows' coders, which the rows give
    // up. Answers 1.
    int apply(gsclProgramBody& body);

    // After the last row whose number is not greater; the pane takes the
    // coder. Answers the row's index.
    int addDecoderRow(uint32_t number, gdecoder* coder);
    int addEncoderRow(uint32_t number, gencoder* coder);

    uint32_t nextFreeDecoderNumber() const override;
    uint32_t nextFreeEncoderNumber() const override;
    int findDecoderRow(uint32_t number, bool skipSelected) const override;
    int findEncoderRow(uint32_t number, bool skipSelected) const override;

private:
    template <class Coder>
    class coderRows;

    std::unique_ptr<coderRows<gdecoder>> decoders_;
    std::unique_ptr<coderRows<gencoder>> encoders_;
};
