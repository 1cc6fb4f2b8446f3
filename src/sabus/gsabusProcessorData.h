#pragma once

#include "sabus/gsabusResponseData.h"
#include "store/gprocessorCall.h"

// PROCESSOR: the answer's data comes from an SCL program of the station,
// run with its arguments. Its lines are those of the program call: PROGRAM
// with the program's tag and one ARGUMENT line per argument.
class gsabusProcessorData : public gsabusResponseData {
public:
    gprocessorCall& call() noexcept { return call_; }
    const gprocessorCall& call() const noexcept { return call_; }
    // The program and every argument of the other call.
    void setCall(const gprocessorCall& other) { call_.assign(other); }

    void writeFields(CObjectFile& file, int indent) const override;
    // Everything but "END" goes to the call.
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return call_.isSet(); }
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    void addReferences(gusesList& uses) const override;
    int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log) override;
    int getKind() const override { return processor; }

private:
    gprocessorCall call_;
};
