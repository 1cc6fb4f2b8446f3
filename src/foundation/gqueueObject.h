#pragma once

class gqueue;

// The link of an intrusive doubly linked queue, a base of the queued object.
// A link is in at most one queue at a time and knows which; queuing, leaving
// and the membership test take constant time and allocate nothing. A link
// that is destroyed while queued leaves its queue first.
class gqueueObject {
public:
    gqueueObject() noexcept = default;
    // A copy is a new link, in no queue.
    gqueueObject(const gqueueObject&) noexcept {}
    gqueueObject& operator=(const gqueueObject&) noexcept { return *this; }
    ~gqueueObject() { unqueue(); }

    // Puts the link at the newest end; a queued link throws.
    void queue(gqueue& q);
    // Takes the link out of its queue; an unqueued link is left as it is.
    void unqueue() noexcept;
    int isQueued() const noexcept { return owner_ != nullptr; }
    gqueue* getQueue() const noexcept { return owner_; }

    // The newer neighbour (toward the newest end), null for the newest link.
    gqueueObject* getPrev() const noexcept { return newer_; }
    // The older neighbour, null for the oldest link.
    gqueueObject* getOlder() const noexcept { return older_; }

    // Walk a queue's objects from the oldest to the newest, in queuing order:
    // the object of the oldest link, then the object of each newer neighbour.
    template <class T = gqueueObject>
    static T* firstObject(const gqueue& q) noexcept;
    template <class T = gqueueObject>
    static T* nextObject(const gqueueObject* link) noexcept
    {
        return static_cast<T*>(link->newer_);
    }

private:
    friend class gqueue;

    gqueue* owner_ = nullptr;
    gqueueObject* newer_ = nullptr;
    gqueueObject* older_ = nullptr;
};

// The head of a queue: only its two ends. A queue that is destroyed while
// links are in it lets them go (they are left in no queue).
class gqueue {
public:
    gqueue() noexcept = default;
    gqueue(const gqueue&) = delete;
    gqueue& operator=(const gqueue&) = delete;
    ~gqueue() { unqueueAll(); }

    // Takes over the other's links, in their order, after any links of its
    // own; the other is left empty.
    void takeFrom(gqueue& other) noexcept;
    // Takes every link out, oldest first.
    void unqueueAll() noexcept;

    gqueueObject* getNewest() const noexcept { return newest_; }
    gqueueObject* getOldest() const noexcept { return oldest_; }
    bool isEmpty() const noexcept { return oldest_ == nullptr; }

private:
    friend class gqueueObject;

    gqueueObject* newest_ = nullptr;
    gqueueObject* oldest_ = nullptr;
};

template <class T>
T* gqueueObject::firstObject(const gqueue& q) noexcept
{
    return static_cast<T*>(q.getOldest());
}
