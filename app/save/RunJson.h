#pragma once

#include <ostream>

class RunModel;

// Everything about the run last made, for programs, as one JSON object whose fields come in this
// order: dice, rolls, seed, faces and weights (the die: its faces and how many of its 32768
// draws give each), table (per sum its count and its exact probability), mean and sd (observed
// and expected, the deviations with n as the divisor), chi_square (statistic, df, p; all null
// when there are too few rolls for the test), running_mean (empty for now) and first_rolls (the
// faces of the first rolls, as many as the record holds). Observed values of a run without rolls
// are null. Numbers read back exactly; the same run gives the same text.
void WriteRunJson(const RunModel& run, std::ostream& out);
