#pragma once

#include <ostream>

class RunModel;

// The frequency table of the run last made, for spreadsheets: the header
// "sum,count,relative_frequency,expected_probability" and one row for every sum the dice can
// make. Shares are fractions of 1 and every number is written in the C locale with as many
// digits as it takes to read it back exactly; lines end with "\n".
void WriteRunCsv(const RunModel& run, std::ostream& out);
