#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/gregexp.h"
#include "legacy/glegacyCommand.h"
#include "legacy/glegacyResponse.h"
#include "store/gimportableDriver.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <vector>

using glegacyCommandTable = jhashTypedDatabaseTable<glegacyCommand>;
using glegacyResponseTable = jhashTypedDatabaseTable<glegacyResponse>;

// A legacy device driver (object type DRIVER), kept in the station's or the
// library's legacy driver table: its commands and replies, its responses and
// messages, the response prefix, suffix and error pattern that apply where a
// data mask sets none, and the delay after commands without a response.
class glegacyDriver : public gtitledObject, public gimportableDriver {
public:
    static constexpr int32_t tableBuckets = 20;

    glegacyDriver();
    glegacyDriver(const glegacyDriver&) = delete;
    glegacyDriver& operator=(const glegacyDriver&) = delete;
    ~glegacyDriver() override;

    const gobjectType* getObjectType() const override;
    // One line per placeholder of the response table, then of the command
    // table, described by the kind the references gave it.
    void listUndefinedReferences(gstr& text) const override;
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

    glegacyCommandTable& commands() noexcept { return commands_; }
    const glegacyCommandTable& commands() const noexcept { return commands_; }
    glegacyResponseTable& responses() noexcept { return responses_; }
    const glegacyResponseTable& responses() const noexcept { return responses_; }
    // The entry of the name, a placeholder of kind 0 when absent, with this
    // driver set.
    glegacyCommand* referenceCommand(const gstrSlice& name);
    glegacyResponse* referenceResponse(const gstrSlice& name);

    // Copies the editor's working tables back: entries are kept by name (so
    // references from outside stay valid), filled from the working entry of
    // their name; entries the working tables no longer hold are deleted.
    void assignEntries(const glegacyCommandTable& commands, const glegacyResponseTable& responses,
                       gmilliseconds delay);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // A delay not read becomes 0; the entries take the order of their lines.
    void afterLoad() override;

private:
    gloadStatus loadPattern(gregexp& pattern, const gstr& value, bool bracesLiteral);
    gloadStatus loadCommand(const gstr& value, bool isCommand);
    gloadStatus loadResponse(const gstr& value, bool isMessage);

    gusedByList usedBy_;
    gmilliseconds delay_;
    gregexp prefix_{false};
    gregexp suffix_{false};
    gregexp errorPattern_{false};
    glegacyResponseTable responses_{tableBuckets};
    glegacyCommandTable commands_{tableBuckets};
    // The entries in the order of their lines while the block is read.
    std::vector<glegacyResponse*> responsesRead_;
    std::vector<glegacyCommand*> commandsRead_;
};
