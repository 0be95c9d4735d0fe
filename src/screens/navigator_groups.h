#pragma once
// The entries of the frame's navigator tree, in tree order, as the
// navigator widget takes them.
#include <vector>

#include "interview/navigator.h"

namespace cgt {

const std::vector<NavigatorEntry>& NavigatorGroups();

}  // namespace cgt
