#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A die as the program rolls it: its faces, a whole-number weight for each face, and the table
// that turns a draw (0 to DRAWS - 1, all equally likely) into a face.
//
// Face i comes up with chance exactly w_i / W, W the weights' total. The table's first M
// entries, M the largest multiple of W not above DRAWS, hold face 1 (M / W) x w_1 times, then
// face 2 (M / W) x w_2 times, and so on; a draw at or past M gives no face and is drawn again.
// The draws below M are equally likely, so each face's chance is its share of them, w_i / W.
// Were the last DRAWS - M draws given faces instead, the faces they fell to would come up a
// little more often than their weights say. At most W - 1 of the DRAWS draws are redrawn.
//
// The default die is the program's six-sided one, whose faces follow the rule
// 1 + trunc(r x 5.999 / 32767) for the draw r: its weights are the draws that give each face,
// 5463, 5462, 5462, 5462, 5462 and 5457, whose total is DRAWS, so its table is that rule and it
// never redraws. Its 6 is a little rarer than its other faces.
class Die {
public:
    static constexpr int DRAWS = 32768;
    static constexpr int MIN_FACES = 2;
    static constexpr int MAX_FACES = 20;
    // The largest weight of a loaded die's face.
    static constexpr int MAX_WEIGHT = 1000;
    static constexpr int SIX_SIDED_FACES = 6;

    // The face that the draw r (0 to DRAWS - 1) gives on the default die.
    static constexpr int SixSidedFace(int r) { return 1 + static_cast<int>(r * 5.999 / 32767); }

    // The default six-sided die.
    Die();
    // A fair die of `faces` faces (MIN_FACES to MAX_FACES), or none.
    static std::optional<Die> Fair(int faces);
    // A die of as many faces as weights, face i coming up with the chance w_i / W; none unless
    // it has MIN_FACES to MAX_FACES faces whose weights are 0 to MAX_WEIGHT and not all 0.
    // Weights with a common factor are taken in lowest terms (2, 2, 4 makes the die 1, 1, 2):
    // the same chances, the same die.
    static std::optional<Die> Loaded(const std::vector<int>& weights);

    int Faces() const { return static_cast<int>(weights.size()); }
    // One weight a face, the first face's first.
    const std::vector<int>& Weights() const { return weights; }
    int WeightTotal() const { return total; }
    // The default die.
    bool IsSixSided() const;
    // Every face as likely as the next.
    bool IsFair() const;
    // Neither fair nor the default.
    bool IsLoaded() const { return !IsFair() && !IsSixSided(); }

    // "six-sided" for the default die, "20-sided" for a fair die ("fair 6-sided" for the fair
    // one of six faces), "loaded 6-sided" for any other.
    std::string Kind() const;
    // The kind, and a loaded die's weights: "loaded 6-sided, weights 1, 1, 1, 1, 1, 5".
    std::string Name() const;
    // So many of these dice: "1 six-sided die", "3 loaded 6-sided dice, weights 1, 1, 1, 1, 1, 5".
    std::string Counted(int dice) const;

    // The face that the draw r (0 to DRAWS - 1) gives, or 0 for a draw to be drawn again.
    int Face(int r) const { return table[static_cast<std::size_t>(r)]; }
    // M: the draws from here on are drawn again.
    int TableEnd() const { return DRAWS / total * total; }
    // The table whole: DRAWS entries.
    const std::uint8_t* Table() const { return table.data(); }

    bool operator==(const Die& other) const { return weights == other.weights; }
    bool operator!=(const Die& other) const { return !(*this == other); }

private:
    explicit Die(std::vector<int> weights);
    std::string WithWeights(const std::string& text) const;

    std::vector<int> weights;
    int total = 0;
    std::vector<std::uint8_t> table;
};
