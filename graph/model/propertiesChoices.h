#pragma once

// How the choices of the properties window stand for setting values. The position choices
// list only the usual codes; a value without an item of its own shows as the last item, and a
// selection outside the list reads as the setting's default code. The grid and axes choices
// list the codes themselves, one item per code.
class propertiesChoices {
public:
    // x tick labels: 0 "above axis" (ABOVE), 1 "below axis" (BELOW).
    static int XTickPositionIndex(int position);
    static int XTickPositionValue(int index);
    // y tick labels: 0 "left of axis" (LEFT), 1 "right of axis" (RIGHT).
    static int YTickPositionIndex(int position);
    static int YTickPositionValue(int index);
    // Axis labels: 0 above/top left, 1 above/top right, 2 below/bottom left, 3 below/bottom right.
    static int AxisLabelPositionIndex(int position);
    static int AxisLabelPositionValue(int index);

    // The item of a code in a list of `count` codes 0, 1, ...: the code itself, or -1 (no item
    // selected) for a code the list does not have.
    static int CodeIndex(int code, int count);
};
