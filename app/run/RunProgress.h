#pragma once

// How a run of a given number of rolls moves the progress bar and lets events through.
struct RunProgress {
    explicit RunProgress(long rolls);

    long gaugeDivisor;   // rolls per unit of the progress bar: 1, 100 or 10000
    long gaugeRange;     // the progress bar's range, rolls / gaugeDivisor
    long updateInterval; // the bar moves (and a non-progressive run yields) every this many rolls

    // Whether the bar moves after n rolls, and where it then stands.
    bool IsUpdatePoint(long n) const { return n % updateInterval == 0; }
    long GaugeValue(long n) const { return n / gaugeDivisor; }
};
