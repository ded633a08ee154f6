#include "position_text.h"

#include "filed_check.h"
#include "number_text.h"

#include <utility>

namespace ipb {
namespace {

constexpr char32_t kBroken = 0xFFFFFFFF;

// The code point at text[i] and its length in bytes; kBroken for a byte that begins no
// well-formed UTF-8 sequence (overlong, a surrogate, beyond U+10FFFF, cut off), length 1.
std::pair<char32_t, std::size_t> decoded(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t n = lead >= 0xC2 && lead <= 0xDF   ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    if (n == 0 || i + n > text.size()) {
        return {kBroken, 1};
    }
    char32_t c = lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return {kBroken, 1};
        }
        c = (c << 6) | (byte(k) & 0x3F);
    }
    const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < lowest[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return {kBroken, 1};
    }
    return {c, n};
}

bool lineBreak(char32_t c) {
    return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x85 ||
           c == 0x2028 || c == 0x2029;
}

bool printable(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool noncharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
    return c != kBroken && !control && !noncharacter && c != 0x2028 && c != 0x2029;
}

} // namespace

std::string cleanedLine(std::string_view text, std::size_t maxUnits) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, n] = decoded(text, i);
        if (lineBreak(c)) {
            line += ' ';
        } else if (printable(c)) {
            line.append(text.substr(i, n));
        }
        i += n;
    }
    std::string_view kept = trimmedText(line);
    std::size_t units = 0, end = 0;
    for (std::size_t i = 0; i < kept.size();) {
        const std::size_t n = decoded(kept, i).second;
        units += n == 4 ? 2 : 1; // beyond the first plane: a surrogate pair
        if (units > maxUnits) {
            break;
        }
        i += n;
        end = i;
    }
    return std::string(trimmedText(kept.substr(0, end)));
}

std::string positionField(std::string_view text) {
    return cleanedLine(text, kPositionFieldLength);
}

bool printableText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, n] = decoded(text, i);
        if (!printable(c)) {
            return false;
        }
        i += n;
    }
    return true;
}

} // namespace ipb
