#include "app/run/DieChoice.h"

namespace {

// The dice offered by name: the default, then fair dice of these faces.
const std::vector<Die>& Offered()
{
    static const std::vector<Die> dice = {Die(),          *Die::Fair(4),  *Die::Fair(8),
                                          *Die::Fair(10), *Die::Fair(12), *Die::Fair(20)};
    return dice;
}

} // namespace

const std::vector<std::string>& DieChoice::Labels()
{
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> names;
        for (const Die& die : Offered())
            names.push_back(die.Kind());
        names.push_back("loaded...");
        return names;
    }();
    return labels;
}

std::optional<Die> DieChoice::At(int index)
{
    if (index < 0 || index >= static_cast<int>(Offered().size()))
        return std::nullopt;
    return Offered()[static_cast<std::size_t>(index)];
}

int DieChoice::IndexOf(const Die& die)
{
    int index = 0;
    while (index < static_cast<int>(Offered().size()) &&
           Offered()[static_cast<std::size_t>(index)] != die)
        ++index;
    return index;
}
