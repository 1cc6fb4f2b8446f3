#pragma once

#include "foundation/gmilliseconds.h"
#include "scl/gexecutionTime.h"
#include "scl/gsclProgramBody.h"
#include "store/gtitledObject.h"

#include <cstdint>

// A station SCL program (object type PROGRAM): its body (text, limit,
// coders), whether it may run without a user signed on, whether it runs when
// the station starts, its execution interval and its schedule. The body is
// the used-by list that program calls hold it by.
//
// The two flags are -1 while a file is read and has not given them, 0 or 1
// otherwise. The schedule is a list of rules owned by the program.
class gsclProgram : public gtitledObject, public gsclProgramBody {
public:
    // Empty code, no limit, no coders, both flags -1, no interval, no rules.
    gsclProgram() = default;
    // Tag, title and library flag, the body, the flags, the interval and a
    // copy of every rule in the same order; no callers.
    gsclProgram(const gsclProgram& other);
    // The same, but the tag (the key in its table) and the callers stay.
    gsclProgram& operator=(const gsclProgram& other);
    ~gsclProgram() override;

    const gobjectType* getObjectType() const override;
    const gstr& programTag() const override { return getTag(); }
    // The title, or the tag when there is none.
    const gstr& getOwnerTitle() const override { return getTitle(true); }
    gsclProgram* clone() const { return new gsclProgram(*this); }

    const gsclProgramBody& body() const noexcept { return *this; }
    gsclProgramBody& body() noexcept { return *this; }

    int32_t getShowAlways() const noexcept { return showAlways_; }
    void setShowAlways(int32_t flag) noexcept { showAlways_ = flag != 0 ? 1 : 0; }
    int32_t getExecAtStartup() const noexcept { return execAtStartup_; }
    void setExecAtStartup(int32_t flag) noexcept { execAtStartup_ = flag != 0 ? 1 : 0; }
    // Not set: the program has no interval.
    gmilliseconds getInterval() const noexcept { return interval_; }
    void setInterval(gmilliseconds interval) noexcept { interval_ = interval; }

    // The first rule; each rule's next gives the following one.
    gexecutionTime* firstExecutionTime() const noexcept { return schedule_; }
    void clearSchedule() noexcept;
    // Links the rule in at the front; the program takes it over.
    void addExecutionTime(gexecutionTime* rule) noexcept;

    // TITLE, the body, SHOW_ALWAYS and EXEC_AT_STARTUP when set, INTERVAL
    // when set, then each rule as a SCHEDULE block from the first.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Flags still unset become 0.
    void afterLoad() override;

private:
    void copySchedule(const gsclProgram& other);
    gloadStatus loadInterval(const gstr& value);
    gloadStatus loadSchedule(const gstr& value);

    int32_t showAlways_ = -1;
    int32_t execAtStartup_ = -1;
    gmilliseconds interval_;
    gexecutionTime* schedule_ = nullptr;
    // The last rule that a SCHEDULE line linked in: rules read from a file
    // follow each other in file order, so that saving keeps the order.
    gexecutionTime* lastRead_ = nullptr;
};
