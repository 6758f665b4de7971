#pragma once
#include "graph/model/worldPoint.h"

#include <string>
#include <vector>

// One setting as the document gave it: its key, its text, and for the keys that have them the
// labels collected from its "label" sub-elements and the point of its "x" and "y" ones.
struct parsedSetting {
    std::string key;
    std::string value;
    std::vector<std::string> labels;
    worldPoint intersection;
};
