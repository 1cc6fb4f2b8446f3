#include "resources/stringTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    int id;
    const char* text;
};

// Kept sorted by id (checked at compile time below). Texts are quoted exactly
// as the program has always shown them, spelling included.
constexpr Entry entries[] = {
    {10060, "You do not have permission to open the file \"%1.\""},
    {10061, "The path \" %1\" is not valid."},
    {10062, "Could not open the file \"%1.\""},
    {10063, "A hardware error occured trying to open the file \"%1.\""},
    {10064, "Could not find the file \"%1.\""},
    {10065, "Could not open \"%1.\" Too many files are open already."},
    {10066, "An error occured accessing the file \"%1.\""},
    {20115,
     "######################################\n"
     "#                                    #\n"
     "#                                    #\n"
     "#     K.O.R.V.E.L. station file      #\n"
     "#                                    #\n"
     "# This  file is  machine  generated. #\n"
     "# Please do not edit, as the content #\n"
     "# may be permanently damaged.        #\n"
     "######################################\n"
     "\n"},
};

constexpr bool sortedById()
{
    for (size_t i = 1; i < std::size(entries); ++i) {
        if (entries[i - 1].id >= entries[i].id)
            return false;
    }
    return true;
}
static_assert(sortedById(), "string table entries must be sorted by id, each id once");

} // namespace

const char* stringTableText(int id)
{
    const auto* it = std::lower_bound(std::begin(entries), std::end(entries), id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(entries) || it->id != id)
        return nullptr;
    return it->text;
}
