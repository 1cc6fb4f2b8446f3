#pragma once

#include <cstdint>

// The order of sorted-list keys. Integer keys compare as unsigned 32-bit
// numbers, so a negative key sorts after every non-negative one (-1 last).
constexpr bool gsortedKeyLess(int32_t a, int32_t b) noexcept
{
    return static_cast<uint32_t>(a) < static_cast<uint32_t>(b);
}

constexpr bool gsortedKeyLess(double a, double b) noexcept { return a < b; }

// The integer-key node: the key index of garrayMap (value = slot index) and
// the value maps of register sources (source value to object value).
struct gvalueMapEntry {
    gvalueMapEntry* next = nullptr;
    int32_t key = 0;
    int32_t value = 0;
};

// A singly linked list of nodes in strictly ascending key order, never two
// with the same key. A node class has the public fields next and key (and
// whatever it carries besides); gsortedKeyLess orders its key type. The list
// owns its nodes (allocated with new).
template <class Node>
class gsortedList {
public:
    using Key = decltype(Node::key);

    gsortedList() noexcept = default;
    gsortedList(const gsortedList& other) { *this = other; }
    virtual ~gsortedList() { clear(); }

    // Copies the other's nodes in order.
    gsortedList& operator=(const gsortedList& other)
    {
        if (this == &other)
            return *this;
        clear();
        Node** tail = &first_;
        for (const Node* n = other.first_; n; n = n->next) {
            *tail = new Node(*n);
            (*tail)->next = nullptr;
            tail = &(*tail)->next;
        }
        return *this;
    }

    // 1 when linked in; 0 when the key is taken (the caller still owns the
    // node then).
    int insert(Node* node)
    {
        Node** link = &first_;
        while (*link && gsortedKeyLess((*link)->key, node->key))
            link = &(*link)->next;
        if (*link && !gsortedKeyLess(node->key, (*link)->key))
            return 0;
        node->next = *link;
        *link = node;
        return 1;
    }

    Node* find(Key key) const noexcept
    {
        Node* n = first_;
        while (n && gsortedKeyLess(n->key, key))
            n = n->next;
        return n && !gsortedKeyLess(key, n->key) ? n : nullptr;
    }

    Node* first() const noexcept { return first_; }

    void clear() noexcept
    {
        while (first_) {
            Node* n = first_;
            first_ = n->next;
            delete n;
        }
    }

    // Frees the own nodes and takes over the other's; the other is left empty.
    void transferFrom(gsortedList& other) noexcept
    {
        if (&other == this)
            return;
        clear();
        first_ = other.first_;
        other.first_ = nullptr;
    }

private:
    Node* first_ = nullptr;
};
