#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace ipb {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exponents beyond this are far outside double's range; clamping keeps the sum below from
// overflowing while still giving infinity or zero.
constexpr std::int64_t kExponentLimit = 100000;

} // namespace

double numberFromText(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
    };

    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Significant digits without leading zeros, and the power of ten of the last one.
    std::string digits;
    std::int64_t exponent = 0;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c)) {
            continue;
        }
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c)) {
            break;
        }
        if (seenPoint) {
            --exponent;
        }
        if (digits.empty() && c == '0') {
            continue; // a leading zero only moves the weight of the digits after it
        }
        if (digits.size() < 800) {
            digits += c;
        } else {
            ++exponent; // beyond any double's precision: keep the digit's weight only
        }
    }

    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        while (j < text.size() && isBlank(text[j])) {
            ++j;
        }
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        std::int64_t written = 0;
        for (; j < text.size(); ++j) {
            if (isBlank(text[j])) {
                continue;
            }
            if (!isDigit(text[j])) {
                break;
            }
            written = std::min<std::int64_t>(written * 10 + (text[j] - '0'), kExponentLimit);
        }
        exponent += expNegative ? -written : written;
    }

    if (digits.empty()) {
        return 0.0;
    }
    exponent = std::clamp<std::int64_t>(exponent, -2 * kExponentLimit, 2 * kExponentLimit);

    std::string normal = digits + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const auto magnitude = exponent + static_cast<std::int64_t>(digits.size());
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string textFromNumber(double value, int decimals, char decimalSeparator) {
    // Fifteen significant digits, "d.dddddddddddddde+XX".
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, 14);
    if (error != std::errc{}) {
        return {};
    }
    const std::string_view form(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = form.find('e');
    std::string digits;
    digits += form[0];
    digits += form.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(form.data() + e + 1 + (form[e + 1] == '+'), form.data() + form.size(),
                    exponent);

    // digits[k] has the weight 10^(exponent - k); keep those down to 10^-decimals.
    int intDigits = exponent + 1; // may be zero or negative for values below 1
    const int keep = intDigits + decimals;
    if (keep < static_cast<int>(digits.size())) {
        const bool roundUp = keep >= 0 && digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(std::max(keep, 0)));
        if (roundUp) {
            int k = keep - 1;
            while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') {
                digits[static_cast<std::size_t>(k)] = '0';
                --k;
            }
            if (k >= 0) {
                ++digits[static_cast<std::size_t>(k)];
            } else {
                digits.insert(digits.begin(), '1');
                ++intDigits;
            }
        }
    } else {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    }

    // Place the digits around the separator, padding with zeros on either side.
    std::string integerPart, fraction;
    if (intDigits > 0) {
        integerPart = digits.substr(0, static_cast<std::size_t>(intDigits));
        fraction = digits.substr(static_cast<std::size_t>(intDigits));
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-intDigits), '0') + digits;
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');

    const bool zero = integerPart.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !zero) ? "-" : "";
    text += integerPart;
    if (decimals > 0) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

} // namespace ipb
