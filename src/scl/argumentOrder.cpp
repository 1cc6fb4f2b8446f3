#include "scl/argumentOrder.h"

#include "scl/gprogramArgument.h"
#include "store/gprocessorCall.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

namespace {

struct nameLess {
    bool operator()(const gstr* a, const gstr* b) const { return a->compareNoCase(*b) < 0; }
};

} // namespace

void setArgumentsInOrderOf(gprocessorCall& call, const std::vector<const gprogramArgument*>& arguments,
                           const gprocessorCall& order)
{
    std::map<const gstr*, int, nameLess> places;
    for (int i = 0; i < order.argumentCount(); ++i) {
        if (const gprogramArgument* a = order.getArgument(i))
            places.emplace(&a->name(), i);
    }
    // Copies first: the arguments may be the call's own, and so may the
    // names the places are keyed by.
    std::vector<std::pair<int, std::unique_ptr<gprogramArgument>>> placed;
    placed.reserve(arguments.size());
    int next = order.argumentCount();
    for (const gprogramArgument* a : arguments) {
        auto found = places.find(&a->name());
        placed.emplace_back(found != places.end() ? found->second : next++, std::make_unique<gprogramArgument>(*a));
    }
    std::stable_sort(placed.begin(), placed.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    call.clearArguments();
    for (auto& [place, argument] : placed) {
        if (call.addArgument(argument.get(), true))
            argument.release();
    }
}
