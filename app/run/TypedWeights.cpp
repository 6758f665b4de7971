#include "app/run/TypedWeights.h"

#include "app/run/QuotedText.h"
#include "app/run/RunArguments.h"

TypedWeights::TypedWeights(const std::vector<std::string>& texts)
{
    std::vector<int> weights;
    for (const std::string& text : texts) {
        const std::string face = "The weight of face " + std::to_string(weights.size() + 1);
        int weight = 0;
        if (!ParseRunArgument(text.substr(0, text.find_last_not_of(" \t") + 1), weight)) {
            error = face + ", " + QuotedText(text) + ", is not a whole number.";
            return;
        }
        if (weight < 0 || weight > Die::MAX_WEIGHT) {
            error = face + ", " + QuotedText(text) + ", is not from 0 to " +
                    std::to_string(Die::MAX_WEIGHT) + ".";
            return;
        }
        weights.push_back(weight);
    }
    die = Die::Loaded(weights);
    if (die)
        return;
    const int faces = static_cast<int>(weights.size());
    if (faces < Die::MIN_FACES || faces > Die::MAX_FACES)
        error = "A loaded die has " + std::to_string(Die::MIN_FACES) + " to " +
                std::to_string(Die::MAX_FACES) + " faces.";
    else
        error = "Every weight is 0: at least one face needs a weight above 0 to come up.";
}
