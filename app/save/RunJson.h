#pragma once

#include <ostream>

class RunModel;

// Everything about the run last made, for programs, as one JSON object whose fields come in this
// order: dice, rolls, seed, faces and weights (the die: its faces and their weights, for the
// six-sided die how many of its 32768 draws give each, for a fair die all 1), table (per sum its
// count and its exact probability), mean and sd (observed and expected, the deviations with n as
// the divisor), chi_square (statistic, df, p, all null when there are too few rolls for the
// test, and tested_against, "fair" or "die": fair dice of as many faces, or the run's die),
// running_mean (the mean of the sum over the first n rolls, as roll and mean pairs, at most
// 5000 of them, the last at the last roll) and first_rolls (the faces of the first rolls, as many
// as the record holds). Observed values of a run without rolls are null. Numbers read back exactly;
// the same run gives the same text.
void WriteRunJson(const RunModel& run, std::ostream& out);
