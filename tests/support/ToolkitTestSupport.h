#pragma once

// What every test program that starts the toolkit needs.

#include <functional>

// Whether the arguments ask only for the list of tests; look before GoogleTest takes its flags
// out of them. Listing must work without a display, so it is answered before the toolkit starts.
bool OnlyListingTests(int argc, char** argv);

// Makes the toolkit's asserts fail the running test instead of opening a dialog that would hang
// the run, and so does a warning or critical message of GTK's.
void FailOnToolkitAsserts();

// Lets the program's events run until `done` holds, for at most `seconds`; whether it came to hold.
bool WaitFor(const std::function<bool()>& done, double seconds);

// Lets the program's events run for `seconds`, such as those that a key or a click just caused.
void LetEventsThrough(double seconds);
