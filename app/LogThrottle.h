#pragma once

// Spaces out updates of a view whose every update costs more the more it holds (the log box
// lays out its whole text on each change). After an update that took c seconds, counting the
// event processing after it, the next one is due only SPACING x c seconds later, so the updates
// take at most 1 / (1 + SPACING) of the time however long the text grows. The measured span may
// hold other work of the same moment too; that only spaces the updates further, so the bound
// still holds.
class LogThrottle {
public:
    static constexpr double SPACING = 4.0;

    // Makes the next update due at once (a new run).
    void Reset();

    bool Due(double now) const { return !measuring && now >= nextDue; }

    // An update begins at `now`; its cost runs until Finished.
    void Began(double now);
    void Finished(double now);

private:
    double nextDue = 0.0;
    double began = 0.0;
    bool measuring = false;
};
