#pragma once

#include <vector>

class gprocessorCall;
class gprogramArgument;

// The call's arguments become copies of the given ones, whose names differ
// without regard to case, in the order in which `order` (which may be the
// call itself) held arguments of their names; arguments of other names
// follow in the order given. Arguments are passed in order, so an editor
// that shows them sorted keeps the order the call had.
void setArgumentsInOrderOf(gprocessorCall& call, const std::vector<const gprogramArgument*>& arguments,
                           const gprocessorCall& order);
