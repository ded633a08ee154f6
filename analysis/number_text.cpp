#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
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

// What the windows' text boxes count as white space: the separators of Unicode and the
// white-space controls.
bool isUnicodeBlank(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

} // namespace

std::string_view trimmedText(std::string_view text) {
    std::size_t begin = text.size(), end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        // A stray continuation byte is no character, let alone a blank.
        char32_t c = lead < 0x80 ? lead : n == 1 ? 0xFFFD : lead & (0x7F >> n);
        for (std::size_t k = 1; k < n && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        if (!isUnicodeBlank(c)) {
            begin = std::min(begin, i);
            end = std::min(i + n, text.size());
        }
        i += n;
    }
    return begin < end ? text.substr(begin, end - begin) : std::string_view();
}

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

    // Significant digits without leading zeros, and the power of ten of the last one. Room for
    // "e-200000" behind the digits.
    char normal[800 + 16];
    std::size_t digitCount = 0;
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
        if (digitCount == 0 && c == '0') {
            continue; // a leading zero only moves the weight of the digits after it
        }
        if (digitCount < 800) {
            normal[digitCount++] = c;
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

    if (digitCount == 0) {
        return 0.0;
    }
    exponent = std::clamp<std::int64_t>(exponent, -2 * kExponentLimit, 2 * kExponentLimit);

    char* end = normal + digitCount;
    *end++ = 'e';
    end = std::to_chars(end, normal + sizeof normal, exponent).ptr;
    double value = 0.0;
    const auto result = std::from_chars(normal, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        const auto magnitude = exponent + static_cast<std::int64_t>(digitCount);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string textFromNumber(double value, int decimals, char decimalSeparator) {
    // Fifteen significant digits, "d.dddddddddddddde+XX".
    char form[32];
    const auto [end, error] = std::to_chars(form, form + sizeof form, std::fabs(value),
                                            std::chars_format::scientific, 14);
    if (error != std::errc{}) {
        return {};
    }
    // digits[k] has the weight 10^(exponent - k); digits[0] stays free for a carry out of the
    // first digit. Everything here lives on the stack: this runs ten times per calculation.
    char digits[16];
    digits[0] = '0';
    digits[1] = form[0];
    std::copy(form + 2, form + 16, digits + 2);
    int exponent = 0;
    const char* e = form + 17; // after "d.dddddddddddddde"
    std::from_chars(e + (*e == '+'), end, exponent);

    const char* first = digits + 1;
    int count = 15;
    int intDigits = exponent + 1; // may be zero or negative for values below 1
    const int keep = intDigits + decimals;
    if (keep < count) {
        const bool roundUp = keep >= 0 && first[keep] >= '5';
        count = std::max(keep, 0);
        if (roundUp) {
            int k = keep - 1;
            while (k >= 0 && first[k] == '9') {
                digits[1 + k] = '0';
                --k;
            }
            if (k >= 0) {
                ++digits[1 + k];
            } else {
                digits[0] = '1';
                --first;
                ++count;
                ++intDigits;
            }
        }
    }
    // Past the digits kept come zeros, on either side of the separator.
    const auto digitAt = [&](int k) { return k >= 0 && k < count ? first[k] : '0'; };

    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(intDigits, 1) + decimals + 2));
    text += '-'; // dropped again below unless the value is negative and not shown as zero
    bool zero = true;
    if (intDigits > 0) {
        for (int k = 0; k < intDigits; ++k) {
            text += digitAt(k);
            zero = zero && text.back() == '0';
        }
    } else {
        text += '0';
    }
    if (decimals > 0) {
        text += decimalSeparator;
        for (int k = intDigits; k < intDigits + decimals; ++k) {
            text += digitAt(k);
            zero = zero && text.back() == '0';
        }
    }
    if (!(value < 0) || zero) {
        text.erase(0, 1);
    }
    return text;
}

std::string utilisationFigure(double percent, char decimalSeparator) {
    std::string text = textFromNumber(percent, 1, decimalSeparator);
    for (int decimals = 2; percent > 100 && decimals <= 6; ++decimals) {
        const std::string hundred =
            std::string("100") + decimalSeparator + std::string(std::size_t(decimals - 1), '0');
        if (text != hundred) {
            break;
        }
        text = textFromNumber(percent, decimals, decimalSeparator);
    }
    return text;
}

std::string germanNumber(double value, int significantDigits) {
    // Positional, never in exponent form: every figure of the record must compute on a pocket
    // calculator as it is printed. The digits are those of the rounded scientific form.
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf"; // as before: none expected
    }
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                   std::max(significantDigits, 1) - 1);
    const std::string_view scientific(text, static_cast<std::size_t>(end.ptr - text));
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    if (digits == "0") {
        return "0";
    }
    const int point = exponent + 1; // digits before the decimal comma
    std::string out = negative ? "-" : "";
    if (point <= 0) {
        out += "0," + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        out += digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(point)) + "," +
               digits.substr(static_cast<std::size_t>(point));
    }
    return out;
}

std::string stressText(double sigma, char decimalSeparator) {
    if (sigma < 0.001) {
        return std::string(kBelowThousandth);
    }
    if (sigma > 1000) {
        return std::string(kAboveThousand);
    }
    return textFromNumber(sigma, 3, decimalSeparator);
}

std::string deflectionText(double f, char decimalSeparator) {
    return f < 0.001 ? std::string(kBelowThousandth) : textFromNumber(f, 3, decimalSeparator);
}

} // namespace ipb
