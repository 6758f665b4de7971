#pragma once

#include <array>
#include <string>
#include <vector>

class TheoryComparison;

// The report's compact table: a row for each sum worth showing with the Theory page's four
// columns, in as many blocks side by side as it takes to keep to the room on the page.
class ReportTable {
public:
    static constexpr int COLUMNS = 4;
    using row = std::array<std::string, COLUMNS>;

    // The last heading in two lines, as the Theory page has it.
    static const row HEADINGS;

    explicit ReportTable(const TheoryComparison& comparison);

    const std::vector<row>& Rows() const { return rows; }

    // The blocks the rows go into side by side, each headed by the headings and filled in turn.
    struct shape {
        int blocks = 1;
        int rowsPerBlock = 0;
        // Whether every block holds its rows; if not, the blocks are as many as there is room
        // for, and longer.
        bool fits = true;
    };
    // The fewest blocks, at most `mostBlocks`, that hold `rows` rows with at most `mostRows` in
    // each, shared out evenly.
    static shape Fit(int rows, int mostRows, int mostBlocks);

private:
    std::vector<row> rows;
};
