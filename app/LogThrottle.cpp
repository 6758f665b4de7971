#include "app/LogThrottle.h"

void LogThrottle::Reset()
{
    nextDue = 0.0;
    measuring = false;
}

void LogThrottle::Began(double now)
{
    began = now;
    measuring = true;
}

void LogThrottle::Finished(double now)
{
    if (!measuring)
        return;
    measuring = false;
    nextDue = now + SPACING * (now - began);
}
