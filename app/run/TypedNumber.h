#pragma once

#include <string>

// What the text of a number box (the dice or the rolls) makes of the number in force. A whole
// number from 1 on is taken, a larger one than the box allows as its largest. An emptied box is
// an edit in progress while the user is still in it, and refused once the edit ends (the box
// loses the focus, or Start is pressed). Any other text is refused at once.
struct TypedNumber {
    enum Verdict { TAKE, WAIT, REFUSE };

    // `editing`: the user is still in the box, typing.
    static TypedNumber Judge(const std::string& text, int most, bool editing);

    Verdict verdict = REFUSE;
    int number = 0;      // the number taken
    bool capped = false; // the number taken is less than the one typed
};
