#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/gregexp.h"
#include "legacy/glegacyCommand.h"
#include "legacy/glegacyResponse.h"
#include "store/gimportableDriver.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

// A legacy device driver (object type DRIVER), kept in the station's or the
// library's legacy driver table: its commands and replies, its responses and
// messages, the response prefix, suffix and error pattern that apply where a
// data mask sets none, and the delay after commands without a response.
// Editing and the listing of undefined entries come with the legacy drivers.
class glegacyDriver : public gtitledObject, public gimportableDriver {
public:
    glegacyDriver();
    glegacyDriver(const glegacyDriver&) = delete;
    glegacyDriver& operator=(const glegacyDriver&) = delete;
    ~glegacyDriver() override;

    const gobjectType* getObjectType() const override;
    // Moves into the station; responses whose mask is a library mask take
    // the station's mask of the same tag, or bring the mask along.
    void importIntoStation() override;

    gusedByList& usedBy() noexcept { return usedBy_; }
    // Not set until read or edited.
    gmilliseconds getDelay() const noexcept { return delay_; }
    void setDelay(gmilliseconds delay) noexcept { delay_ = delay; }
    gregexp& prefix() noexcept { return prefix_; }
    gregexp& suffix() noexcept { return suffix_; }
    gregexp& errorPattern() noexcept { return errorPattern_; }
    const gregexp& prefix() const noexcept { return prefix_; }
    const gregexp& suffix() const noexcept { return suffix_; }
    const gregexp& errorPattern() const noexcept { return errorPattern_; }

    jhashTypedDatabaseTable<glegacyCommand>& commands() noexcept { return commands_; }
    const jhashTypedDatabaseTable<glegacyCommand>& commands() const noexcept { return commands_; }
    jhashTypedDatabaseTable<glegacyResponse>& responses() noexcept { return responses_; }
    // The entry of the name, a placeholder of kind 0 when absent, with this
    // driver set.
    glegacyCommand* referenceCommand(const gstrSlice& name);
    glegacyResponse* referenceResponse(const gstrSlice& name);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;

private:
    gloadStatus loadPattern(gregexp& pattern, const gstr& value, bool bracesLiteral);
    gloadStatus loadCommand(const gstr& value, bool isCommand);
    gloadStatus loadResponse(const gstr& value, bool isMessage);
    void bindMasksToStation();

    gusedByList usedBy_;
    gmilliseconds delay_;
    gregexp prefix_{false};
    gregexp suffix_{false};
    gregexp errorPattern_{false};
    jhashTypedDatabaseTable<glegacyResponse> responses_{20};
    jhashTypedDatabaseTable<glegacyCommand> commands_{20};
};
