// Text helpers: joining pieces, float-to-text for the game's messages, and money formatting.
#pragma once

#include <string>

// The pieces a, b, c and d one after the other; a null piece is skipped.
std::string JoinStrings(const char* a, const char* b, const char* c = nullptr, const char* d = nullptr);
// The value with a point and four digits after it, cut rather than rounded; below 0.1, four significant digits.
std::string FloatToText(float value);
// "1234567.89" grouped as "1,234,567.89" behind the prefix; a negative number in brackets when flags bit 0 is set.
std::string FormatMoney(const std::string& number, const char* prefix, unsigned flags);
// "1234567" grouped as "1,234,567" behind the prefix; a negative number in brackets when flags bit 0 is set.
std::string FormatMoneyWhole(const std::string& number, const char* prefix, unsigned flags);
