#pragma once
#include <string>

// Numbers in a settings document: written with a point as the decimal separator whatever the
// user's locale, read without consulting the C library's locale.

// Reads the longest prefix of text, after leading white space, that forms a decimal number
// (optional sign, digits with an optional point, optional exponent). Returns false and leaves
// number as it was when the text starts with no such number, or when the number lies beyond
// the range of a double. "inf", "nan" and hexadecimal forms are not numbers here.
bool ReadDocumentNumber(const std::string& text, double& number);

// The same number truncated toward zero; false when there is none or it does not fit an int.
bool ReadDocumentInt(const std::string& text, int& number);
