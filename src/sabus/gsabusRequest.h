#pragma once

#include "foundation/gstr.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

#include <memory>
#include <vector>

class gsabusCommand;
class gsabusQuery;
class gsabusRequestBody;
struct gsabusReplaceOptions;

// A request that the station answers on the SABus (object type REQUEST): a
// peer names it by its opcode, one printable character other than "U" and
// "A", which built-in requests use. Opcodes need not be unique. Its body is
// a query, answered with response data, or a command, which runs an SCL
// program with parameters from the request's data; any request also carries
// fixed parameters, a list of strings. Its uses list links it to the
// registers and programs its body names, which list it as "The SABus request
// <title>"; nothing refers to a request.
class gsabusRequest : public gtitledObject, public greferrer {
public:
    gsabusRequest();
    // The duplicate: tag, title, library flag, opcode, fixed parameters and a
    // copy of the body, listed among the users of what the body names.
    gsabusRequest(const gsabusRequest& other);
    gsabusRequest& operator=(const gsabusRequest&) = delete;
    ~gsabusRequest() override;

    const gobjectType* getObjectType() const override;
    gsabusRequest* clone() const { return new gsabusRequest(*this); }

    // 0 while not set.
    char getOpcode() const noexcept { return opcode_; }
    void setOpcode(char opcode) noexcept { opcode_ = opcode; }
    // Whether the loader takes the character as an opcode.
    static bool isValidOpcode(char opcode);

    int parameterCount() const noexcept { return static_cast<int>(parameters_.size()); }
    const gstr& getParameter(int index) const;
    void clearParameters() { parameters_.clear(); }
    void addParameter(const gstrSlice& text) { parameters_.emplace_back(text); }

    // 1 query, 2 command, 0 without a body.
    int getKind() const;
    gsabusRequestBody* getBody() const noexcept { return body_.get(); }
    // The body as a query; a request without a body gets an empty query.
    // Null for a command.
    gsabusQuery* getQuery();
    // The same for a command.
    gsabusCommand* getCommand();

    // Points the uses list at what the body names now.
    void refreshReferences();
    // The batch find and replace: title, fixed parameters and the body's
    // references as the options choose; lines about tags that name nothing
    // go to log. The number of changes.
    int findAndReplace(const gsabusReplaceOptions& options, gstr& log);

    // "The SABus request <title>".
    void describeReferrer(gstr& text) const override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    // A body and an opcode.
    bool isComplete() const override;

private:
    gloadStatus loadOpcode(const gstr& value);
    gloadStatus loadParameters(const gstr& value);
    gloadStatus loadType(const gstr& value);

    char opcode_ = 0;
    std::vector<gstr> parameters_;
    std::unique_ptr<gsabusRequestBody> body_;
    gusesList uses_{this};
};
