#include "app/save/RunCsv.h"

#include "app/run/RunModel.h"
#include "app/save/RoundTrip.h"
#include "app/theory/SumDistribution.h"

void WriteRunCsv(const RunModel& run, std::ostream& out)
{
    const SumDistribution theory(run.RunDice(), run.RunDie());
    const std::vector<int>& counts = run.Counts();
    const long rolls = run.Made();
    out << "sum,count,relative_frequency,expected_probability\n";
    for (std::size_t k = 0; k < theory.Chances().size(); ++k) {
        const int count = k < counts.size() ? counts[k] : 0;
        const double share = rolls > 0 ? static_cast<double>(count) / rolls : 0.0;
        out << theory.LowestSum() + static_cast<int>(k) << ',' << count << ',' << RoundTrip(share)
            << ',' << RoundTrip(theory.Chances()[k]) << '\n';
    }
}
