#pragma once

#include <optional>
#include <string>

// How large the main window draws its texts, as a percentage: one of a fixed set of steps from
// 100% up. In and Out move one step and stay at the ends; every length the window scales goes
// through Scale, so that texts, rows, columns and lines grow together.
class ZoomLevel {
public:
    static constexpr int STEPS[] = {100, 125, 150, 175, 200, 250, 300};

    // The step that `text` names in plain decimal digits, or nothing.
    static std::optional<int> Parse(const std::string& text);
    // The steps as a reader sees them: "100, 125, ... or 300".
    static std::string StepList();

    int Percent() const { return STEPS[step]; }
    double Factor() const { return Percent() / 100.0; }
    // Each returns whether the zoom changed.
    bool Set(int percent);
    bool In();
    bool Out();
    bool Reset() { return Set(100); }

    // A length drawn at 100% as it is drawn at this zoom, rounded to whole pixels or points;
    // a positive length stays at least 1.
    int Scale(int length) const;

private:
    int step = 0;
};
