#pragma once

#include "foundation/gqueueObject.h"
#include "foundation/gstr.h"

class gusesLink;

// What a referring object offers to the lists of the objects it refers to:
// a one-line description of itself for the in-use messages.
class greferrer {
public:
    virtual void describeReferrer(gstr& text) const = 0;

protected:
    ~greferrer() = default;
};

// The referred side of cross references: the links of the objects that
// refer to this one, oldest first. An object whose list is not empty must
// not be deleted, renamed or retyped.
class gusedByList {
public:
    gusedByList() noexcept = default;
    // A copy of an object starts without users.
    gusedByList(const gusedByList&) noexcept {}
    // Users refer to this object, not to its contents: they stay.
    gusedByList& operator=(const gusedByList&) noexcept { return *this; }
    // Unqueues every link still queued (unless an alias); the links stay in
    // their uses lists, pointing nowhere.
    virtual ~gusedByList();

    virtual bool isUnused() const;
    // For each user, oldest first: "\n" and its description.
    virtual void describeUsers(gstr& text) const;

    void add(gusesLink& link);
    // Shows the string-table message id followed by the users in a warning
    // box; the caller then refuses what was asked.
    void reportInUse(int messageId) const;
    // Shows the users of the other list instead of its own.
    void makeAliasOf(gusedByList& other) noexcept { aliasOf_ = &other; }
    // Keeps its own users again, before the list it showed goes away.
    void dropAlias() noexcept { aliasOf_ = nullptr; }
    bool isAlias() const noexcept { return aliasOf_ != nullptr; }

    gqueue& users() noexcept { return aliasOf_ ? aliasOf_->users() : queue_; }
    const gqueue& users() const noexcept { return aliasOf_ ? aliasOf_->users() : queue_; }

private:
    gqueue queue_;
    gusedByList* aliasOf_ = nullptr;
};

// The used-by side of objects that two kinds of users refer to: its own list
// plus a member list that receives the links made through
// gusesList::addToList. Members are listed first.
class greferenceNode : public gusedByList {
public:
    bool isUnused() const override;
    void describeUsers(gstr& text) const override;

    gusedByList& members() noexcept { return members_; }

private:
    gusedByList members_;
};

// The used-by list of a program, which also answers the program's tag: a
// program call holds the program through it.
class gprogramUsedByList : public gusedByList {
public:
    virtual const gstr& programTag() const = 0;
};

// One reference: queued in the referred object's list, chained in the
// referring object's uses list.
class gusesLink : public gqueueObject {
public:
    explicit gusesLink(const greferrer* owner) noexcept : owner_(owner) {}
    gusesLink(const gusesLink&) = delete;
    gusesLink& operator=(const gusesLink&) = delete;
    ~gusesLink();

    gusesLink* getNext() const noexcept { return next_; }
    void setNext(gusesLink* link) noexcept { next_ = link; }
    void describeOwner(gstr& text) const;

private:
    gusesLink* next_ = nullptr;
    const greferrer* owner_;
};

// The referring side: the links of one object (or one field of it) to the
// objects it refers to, newest first.
class gusesList {
public:
    explicit gusesList(const greferrer* owner) noexcept : owner_(owner) {}
    gusesList(const gusesList&) = delete;
    gusesList& operator=(const gusesList&) = delete;
    ~gusesList() { clear(); }

    void add(gusedByList& list);
    // The same for a queue held outside a used-by list (the member list of a
    // reference node, or a queue an object keeps its own way).
    void addToList(gqueue& queue);
    // Points the list at one object: clear, then add.
    void set(gusedByList& list);
    void setInList(gqueue& queue);
    // Deletes every link; each leaves its queue. The name is kept.
    void clear() noexcept;
    bool isEmpty() const noexcept { return first_ == nullptr; }

    // A text kept for the owning class.
    gstr& name() noexcept { return name_; }

private:
    const greferrer* owner_;
    gusesLink* first_ = nullptr;
    gstr name_;
};
