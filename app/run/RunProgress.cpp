#include "app/run/RunProgress.h"

#include <algorithm>

RunProgress::RunProgress(long rolls)
    : gaugeDivisor(rolls > 1000000  ? 10000
                   : rolls >= 10001 ? 100
                                    : 1),
      gaugeRange(rolls / gaugeDivisor), updateInterval(std::max(rolls / 200, 1L))
{
}
