#pragma once

#include "foundation/gstr.h"
#include "store/gprocessorCall.h"
#include "store/gstorable.h"

#include <memory>
#include <vector>

class gsabusCommand;
class gsabusParameter;
class gsabusQuery;
class gsabusRequest;
class gsabusResponseData;
class gusesList;
struct gsabusReplaceOptions;

// What a request does: a query answers with its response data, a command
// runs an SCL program with parameters cut from the request. Its block starts
// with the request's TYPE line and ends with its own "END".
class gsabusRequestBody : public gstorable {
public:
    enum kind : int { queryKind = 1, commandKind = 2 };

    // A link to every register and program the body names.
    virtual void addReferences(gusesList& uses) const = 0;
    virtual std::unique_ptr<gsabusRequestBody> clone() const = 0;
    // The batch find and replace in the tags and arguments the body names;
    // the number of changes.
    virtual int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log) = 0;
    virtual int getKind() const = 0;
    virtual gsabusQuery* asQuery() { return nullptr; }
    virtual gsabusCommand* asCommand() { return nullptr; }
};

// An empty body for the TYPE keyword token (QUERY or COMMAND); null for any
// other.
std::unique_ptr<gsabusRequestBody> createRequestBody(int token);

// TYPE QUERY: the ordered response data, each a DATA block.
class gsabusQuery : public gsabusRequestBody {
public:
    gsabusQuery() = default;
    gsabusQuery(const gsabusQuery& other);
    gsabusQuery& operator=(const gsabusQuery&) = delete;
    ~gsabusQuery() override;

    int itemCount() const noexcept { return static_cast<int>(items_.size()); }
    gsabusResponseData* getItem(int index) const;
    void clearItems();
    // Takes ownership; appended.
    void addItem(std::unique_ptr<gsabusResponseData> item);

    // "TYPE" "QUERY".
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !items_.empty(); }
    void addReferences(gusesList& uses) const override;
    std::unique_ptr<gsabusRequestBody> clone() const override;
    int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log) override;
    int getKind() const override { return queryKind; }
    gsabusQuery* asQuery() override { return this; }

private:
    std::vector<std::unique_ptr<gsabusResponseData>> items_;
};

// TYPE COMMAND: the program the request runs, with its arguments, and the
// ordered parameters, each a PARAMETER block. The program is written as the
// block "PROGRAM" ... "END"; the one-line form "PROGRAM <tag>" of older
// files is read too.
class gsabusCommand : public gsabusRequestBody {
public:
    gsabusCommand() = default;
    gsabusCommand(const gsabusCommand& other);
    gsabusCommand& operator=(const gsabusCommand&) = delete;
    ~gsabusCommand() override;

    const gprocessorCall& call() const noexcept { return call_; }
    // The program and every argument of the other call.
    void setCall(const gprocessorCall& other) { call_.assign(other); }

    int parameterCount() const noexcept { return static_cast<int>(parameters_.size()); }
    gsabusParameter* getParameter(int index) const;
    void clearParameters();
    void addParameter(std::unique_ptr<gsabusParameter> parameter);

    // "TYPE" "COMMAND".
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return call_.isSet(); }
    void addReferences(gusesList& uses) const override;
    std::unique_ptr<gsabusRequestBody> clone() const override;
    int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log) override;
    int getKind() const override { return commandKind; }
    gsabusCommand* asCommand() override { return this; }

private:
    gloadStatus loadProgram(const gstr& value);

    gprocessorCall call_;
    std::vector<std::unique_ptr<gsabusParameter>> parameters_;
};
