// Text built for the log and for the screens.
#include "base/text.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int FractionPlaces = 18;   // FloatToText takes its digits rounded at this place after the point
constexpr int ShownDigits = 4;       // digits FloatToText writes after the point (or after the leading zeros)
constexpr unsigned BracketNegative = 1u;

void Append(std::string& text, const char* piece)
{
    if (piece != nullptr)
        text += piece;
}

// Splits "-1234.56" into the sign and the rest.
bool TakeSign(const std::string& number, std::string& rest)
{
    bool negative = !number.empty() && number[0] == '-';
    rest = negative ? number.substr(1) : number;
    return negative;
}

}  // namespace

std::string JoinStrings(const char* a, const char* b, const char* c, const char* d)
{
    std::string joined;
    Append(joined, a);
    Append(joined, b);
    Append(joined, c);
    Append(joined, d);
    return joined;
}

std::string FloatToText(float value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0.0f ? "-inf" : "inf";

    // The exact decimal digits of the magnitude, rounded at the 18th place.
    char digits[80];
    std::snprintf(digits, sizeof digits, "%.*f", FractionPlaces, static_cast<double>(std::fabs(value)));
    std::string text = digits;
    std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = text.substr(point + 1);

    std::string result = value < 0.0f ? "-" : "";
    if (whole != "0")
        return result + whole + "." + fraction.substr(0, ShownDigits);

    std::size_t zeros = fraction.find_first_not_of('0');
    if (zeros == std::string::npos)
        return "0.0000";  // nothing survives the rounding: zero, or too small to show
    std::string significant = fraction.substr(zeros, ShownDigits);
    significant.resize(ShownDigits, '0');
    return result + "0." + std::string(zeros, '0') + significant;
}

std::string FormatMoney(const std::string& number, const char* prefix, unsigned flags)
{
    std::string grouped;
    bool negative = TakeSign(number, grouped);
    std::size_t n = grouped.size();
    // The last six characters are the hundreds and the cents (".89" included).
    if (n >= 10 && n <= 12)
        grouped.insert(n - 9, ",");
    if (n >= 7 && n <= 12)
        grouped.insert(grouped.size() - 6, ",");

    std::string result;
    if (negative && (flags & BracketNegative) != 0) {
        Append(result, prefix);
        return result + "(" + grouped + ")";
    }
    if (negative)
        result = "-";
    Append(result, prefix);
    return result + grouped;
}

std::string FormatMoneyWhole(const std::string& number, const char* prefix, unsigned flags)
{
    std::string grouped;
    bool negative = TakeSign(number, grouped);
    std::size_t n = grouped.size();
    if (n >= 7 && n <= 9)
        grouped.insert(n - 6, ",");
    if (n >= 4 && n <= 9)
        grouped.insert(grouped.size() - 3, ",");

    std::string result;
    if (negative && (flags & BracketNegative) != 0) {
        result = "(";
        Append(result, prefix);
        return result + grouped + ")";
    }
    Append(result, prefix);
    if (negative)
        result += "-";
    return result + grouped;
}
