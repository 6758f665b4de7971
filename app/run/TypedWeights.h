#pragma once

#include "app/run/Die.h"

#include <optional>
#include <string>
#include <vector>

// The weights of a loaded die as typed in the loaded-die dialog, one text a face, read as the die
// they make. Blanks around a weight are taken, as is a plus sign.
class TypedWeights {
public:
    explicit TypedWeights(const std::vector<std::string>& texts);

    // The die the weights make, or none when they make none; then Error() says why, in words for
    // the teacher who typed them.
    const std::optional<Die>& Result() const { return die; }
    const std::string& Error() const { return error; }

private:
    std::optional<Die> die;
    std::string error;
};
