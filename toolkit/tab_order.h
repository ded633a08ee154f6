#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ipb {

// Moves an item of a tab order to position n: the items from n up to its old place move one
// place back (or forward, when it moves later), so positions stay unique and gapless.
template <class T>
void moveToTabPosition(std::vector<T>& order, const T& item, std::size_t position) {
    const auto it = std::find(order.begin(), order.end(), item);
    if (it == order.end()) {
        return;
    }
    order.erase(it);
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(std::min(position, order.size())),
                 item);
}

} // namespace ipb
