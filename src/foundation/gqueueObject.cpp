#include "foundation/gqueueObject.h"

#include "foundation/gfault.h"

void gqueueObject::queue(gqueue& q)
{
    if (owner_)
        throw gfault("object already queued in gqueueObject::queue()");
    older_ = q.newest_;
    q.newest_ = this;
    if (older_)
        older_->newer_ = this;
    else
        q.oldest_ = this;
    owner_ = &q;
}

void gqueueObject::unqueue() noexcept
{
    if (!owner_)
        return;
    if (older_)
        older_->newer_ = newer_;
    else
        owner_->oldest_ = newer_;
    if (newer_)
        newer_->older_ = older_;
    else
        owner_->newest_ = older_;
    owner_ = nullptr;
    newer_ = nullptr;
    older_ = nullptr;
}

void gqueue::takeFrom(gqueue& other) noexcept
{
    if (&other == this || !other.oldest_)
        return;
    for (gqueueObject* link = other.oldest_; link; link = link->newer_)
        link->owner_ = this;
    if (newest_) {
        newest_->newer_ = other.oldest_;
        other.oldest_->older_ = newest_;
    } else {
        oldest_ = other.oldest_;
    }
    newest_ = other.newest_;
    other.newest_ = nullptr;
    other.oldest_ = nullptr;
}

void gqueue::unqueueAll() noexcept
{
    while (oldest_)
        oldest_->unqueue();
}
