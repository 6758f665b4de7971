#pragma once

// The 1-2-5 sequence of tick units: 1, 2, 5, 10, 20, 50, ... times a power of ten. The step is
// tracked as a mantissa (1, 2 or 5) and a decimal exponent, so every value is the double
// nearest to its decimal value and no logarithm decides which step comes next.
class unitSequence {
public:
    // Starts at the power of ten at or just below value.
    explicit unitSequence(double value);

    double Value() const;
    void Step();
    // Steps until factor * Value() is at least limit, and returns that value.
    double FirstCovering(double limit, double factor);

private:
    int mantissa = 1;
    int exponent = 0;
};
