#include "store/gusedByList.h"

#include "foundation/messageBoxes.h"

gusedByList::~gusedByList() { queue_.unqueueAll(); }

bool gusedByList::isUnused() const { return users().isEmpty(); }

void gusedByList::describeUsers(gstr& text) const
{
    for (auto* link = gqueueObject::firstObject<gusesLink>(users()); link;
         link = gqueueObject::nextObject<gusesLink>(link)) {
        text.append('\n');
        link->describeOwner(text);
    }
}

void gusedByList::add(gusesLink& link) { link.queue(users()); }

void gusedByList::reportInUse(int messageId) const
{
    gstr text;
    text.loadString(messageId);
    describeUsers(text);
    warningBox(text, messageId);
}

bool greferenceNode::isUnused() const { return gusedByList::isUnused() && members_.isUnused(); }

void greferenceNode::describeUsers(gstr& text) const
{
    members_.describeUsers(text);
    gusedByList::describeUsers(text);
}

gusesLink::~gusesLink() { unqueue(); }

void gusesLink::describeOwner(gstr& text) const
{
    if (owner_)
        owner_->describeReferrer(text);
}

void gusesList::add(gusedByList& list) { addToList(list.users()); }

void gusesList::addToList(gqueue& queue)
{
    auto* link = new gusesLink(owner_);
    link->queue(queue);
    link->setNext(first_);
    first_ = link;
}

void gusesList::set(gusedByList& list)
{
    clear();
    add(list);
}

void gusesList::setInList(gqueue& queue)
{
    clear();
    addToList(queue);
}

void gusesList::clear() noexcept
{
    while (gusesLink* link = first_) {
        first_ = link->getNext();
        delete link;
    }
}
