// The reading of a number at the start of an answer to one of payroll's questions: pure
// functions of the answer's text, kept here so that they can be checked on their own.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

// The longest number text converted. An answer holds 127 characters at most, so no answer
// comes near it.
inline constexpr std::size_t LONGEST_NUMBER = 1023;

// What an answer gives: a value to use, no number at all, or a number the question does not
// accept (outside the range of an integer question, negative for an amount).
enum class Verdict { Accepted, NotANumber, OutOfRange };

inline bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::size_t skipWhiteSpace(std::string_view text, std::size_t at) {
    while (at < text.size() && isWhiteSpace(text[at])) {
        ++at;
    }
    return at;
}

inline std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

inline bool isSign(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == '+' || text[at] == '-');
}

// The integer at the start of `answer`, checked against min..max (both included). Any number
// of digits is read: the magnitude stops growing once it is past every 32-bit value, so a
// long answer is out of range instead of wrapping round to some value inside it.
inline Verdict parseIntAnswer(std::string_view answer, int min, int max, int& value) {
    constexpr std::int64_t BEYOND_32_BITS = std::int64_t{std::numeric_limits<int>::max()} + 2;
    std::size_t at = skipWhiteSpace(answer, 0);
    const bool negative = at < answer.size() && answer[at] == '-';
    if (isSign(answer, at)) {
        ++at;
    }
    const std::size_t digitsEnd = skipDigits(answer, at);
    if (digitsEnd == at) {
        return Verdict::NotANumber;
    }
    std::int64_t magnitude = 0;
    for (; at < digitsEnd && magnitude < BEYOND_32_BITS; ++at) {
        magnitude = magnitude * 10 + (answer[at] - '0');
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number < min || number > max) {
        return Verdict::OutOfRange;
    }
    value = static_cast<int>(number);
    return Verdict::Accepted;
}

// The decimal number at the start of `answer`: an optional sign, digits with an optional
// decimal point (one digit at least), then an optional exponent. Words for infinity or
// not-a-number and hexadecimal notation are not numbers; "0x10" is 0 followed by other text.
// A number above `largest`, or too large for a double, is not a number either; one too small to
// be told from zero is zero. Negative zero is zero, so it is never written with a minus sign.
inline Verdict parseNonNegativeAnswer(std::string_view answer, double largest, double& value) {
    const std::size_t start = skipWhiteSpace(answer, 0);
    std::size_t at = start;
    if (isSign(answer, at)) {
        ++at;
    }
    const std::size_t integerEnd = skipDigits(answer, at);
    bool hasDigit = integerEnd > at;
    std::size_t end = integerEnd;
    if (end < answer.size() && answer[end] == '.') {
        const std::size_t fractionEnd = skipDigits(answer, end + 1);
        hasDigit = hasDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigit) {
        return Verdict::NotANumber;
    }
    if (end < answer.size() && (answer[end] == 'e' || answer[end] == 'E')) {
        std::size_t exponentStart = end + 1;
        if (isSign(answer, exponentStart)) {
            ++exponentStart;
        }
        const std::size_t exponentEnd = skipDigits(answer, exponentStart);
        if (exponentEnd > exponentStart) {
            end = exponentEnd;
        }
    }

    // The conversion reads a terminated text, and on its own it would go on past the number
    // ("0x10" is hexadecimal to it), so it gets a copy of the number alone.
    std::array<char, LONGEST_NUMBER + 1> number;
    if (end - start > LONGEST_NUMBER) {
        return Verdict::NotANumber;
    }
    answer.copy(number.data(), end - start, start);
    number[end - start] = '\0';
    // Beyond the double range the conversion gives an infinity; below it, zero or a number too
    // small to matter, which is taken as it is.
    const double parsed = std::strtod(number.data(), nullptr);
    if (std::isinf(parsed) || parsed > largest) {
        return Verdict::NotANumber;
    }
    if (parsed < 0) {
        return Verdict::OutOfRange;
    }
    value = parsed == 0 ? 0.0 : parsed;
    return Verdict::Accepted;
}
