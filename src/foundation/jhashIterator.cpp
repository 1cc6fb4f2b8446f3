#include "foundation/jhashIterator.h"

#include "foundation/gfault.h"
#include "foundation/jhashTable.h"

void jhashIterator::attach(const jhashTable& table) noexcept
{
    table_ = &table;
    bucket_ = -1;
    current_ = nullptr;
}

int jhashIterator::get(jhashObject*& entry)
{
    if (!table_)
        throw gfault("unitialized iterator in jhashIterator::get()");
    if (current_ && current_->next_) {
        current_ = current_->next_;
        entry = current_;
        return 1;
    }
    while (++bucket_ < table_->getBucketCount()) {
        if (jhashObject* head = table_->getBucket(bucket_)) {
            current_ = head;
            entry = head;
            return 1;
        }
    }
    table_ = nullptr;
    current_ = nullptr;
    entry = nullptr;
    return 0;
}
