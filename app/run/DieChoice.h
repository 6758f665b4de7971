#pragma once

#include "app/run/Die.h"

#include <optional>
#include <string>
#include <vector>

// The window's "Die" choice: the dice it offers, by their names, the default first, and last
// "loaded...", which opens the loaded-die dialog instead.
class DieChoice {
public:
    static const std::vector<std::string>& Labels();
    // The die of the item at `index`; none for "loaded..." or an index out of range.
    static std::optional<Die> At(int index);
    // The item that shows `die`: "loaded..." for any die not offered by name.
    static int IndexOf(const Die& die);
};
