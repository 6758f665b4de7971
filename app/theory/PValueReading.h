#pragma once

#include <string>

// A test's p-value as a pupil reads it: the figure shown, the share of runs it stands for and
// whether it is unusual, all three taken from the figure as shown, so that they agree.
class PValueReading {
public:
    // Below this figure, as shown, differences count as unusual.
    static constexpr double UNUSUAL = 0.05;

    explicit PValueReading(double pValue);

    // "p = 0.43", "p = 0.0031"; "p = 0.0499" near UNUSUAL, where two digits would show 0.050;
    // "p > 0.99" from 0.995 up, "p < 0.001" below 0.001.
    const std::string& Figure() const { return figure; }
    // The same as a share of runs: "43%", "0.31%", "4.99%", "more than 99%", "fewer than 0.1%".
    const std::string& Share() const { return share; }
    // Whether the figure shown is below UNUSUAL; a bound counts as its value.
    bool Unusual() const { return unusual; }
    // Whether the figure is a bound rather than a value.
    bool Bound() const { return bound; }

private:
    std::string figure;
    std::string share;
    bool unusual = false;
    bool bound = false;
};
