#pragma once

#include "foundation/garray.h"
#include "scl/gprogramArgument.h"
#include "store/gstorable.h"

#include <memory>
#include <string>
#include <unordered_set>

class g2driverProgram;
class gprogramUsedByList;
template <class E>
class jhashTypedDatabaseTable;

// A reference to an SCL program by tag with the arguments passed to it; one
// per occasion on which an object runs a program. Its lines are one PROGRAM
// line with the program's tag and one ARGUMENT line per argument. The program
// is one of the station's, or of a G2 driver's when the call is bound to that
// driver's program table. The owner keeps its own uses list pointed at the
// program; the call itself holds no link.
class gprocessorCall : public gstorable {
public:
    using programTable = jhashTypedDatabaseTable<g2driverProgram>;

    gprocessorCall() = default;
    // Copies the program, the table and every argument.
    gprocessorCall(const gprocessorCall& other);
    gprocessorCall& operator=(const gprocessorCall& other);
    ~gprocessorCall() override;

    void assign(const gprocessorCall& other);
    // Copies program and table and takes over the other's arguments.
    void takeFrom(gprocessorCall& other);

    // Null: the station's programs.
    void setProgramTable(programTable* table) noexcept { table_ = table; }
    programTable* getProgramTable() const noexcept { return table_; }
    // Refers to the tag in the call's program table (a placeholder until
    // the program is defined).
    void setProgramByName(const gstrSlice& tag);
    void setProgram(gprogramUsedByList* program) noexcept { program_ = program; }
    gprogramUsedByList* getProgram() const noexcept { return program_; }
    bool isSet() const noexcept { return program_ != nullptr; }

    void clear();
    void clearArguments();
    // Takes ownership; with check an argument whose name is already there
    // (ignoring case) is refused with 0 and not taken.
    int addArgument(gprogramArgument* argument, bool check);
    int addArgumentCopy(const gprogramArgument& argument, bool check);
    // Deletes the argument; its slot stays empty until packArguments.
    void removeArgument(int index);
    void packArguments();
    // The number of slots; an emptied slot holds null.
    int argumentCount() const noexcept { return arguments_.size(); }
    gprogramArgument* getArgument(int index) const;
    // The index of the last argument with the same name, or -1.
    int findArgument(const gprogramArgument& argument) const;
    int replaceInArguments(const gstrSlice& find, const gstrSlice& replace, bool wholeWord, bool matchCase);

    // Never a top-level object: no header.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return isSet(); }

private:
    bool hasArgumentNamed(const gprogramArgument& argument);
    void forgetNames() noexcept { names_.reset(); }

    gprogramUsedByList* program_ = nullptr;
    garrayOwned<gprogramArgument> arguments_;
    programTable* table_ = nullptr;
    // The arguments' names in upper case, made once a call holds many, so
    // that reading a file with a long ARGUMENT list stays linear.
    std::unique_ptr<std::unordered_set<std::string>> names_;
};
