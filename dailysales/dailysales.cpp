// dailysales: keeps up to MAX_DAYS daily sales figures behind a numbered menu: enter them, list
// them, view them sorted either way, and list the days above a target.
#include <array>
#include <charconv>
#include <cstdint>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

namespace {

constexpr std::int32_t MAX_DAYS = 100;

// A plain value: every operation gets its own copy, so a sorted view never reorders the record
// that main keeps.
struct SalesData {
    std::int32_t sales[MAX_DAYS];
    std::int32_t count;
};

enum class Outcome { number, badAnswer, endOfInput };

struct Answer {
    Outcome outcome;
    std::int32_t value; // meaningful for a number only
};

bool isWhiteSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads one white-space-separated integer. The number ends at its first non-digit, which stays
// for the next read. A token without digits or beyond 32 bits is a bad answer; it is read up to
// the next white space, however long, without being stored. Once standard output has failed,
// nobody sees the questions any more: nothing more is read, as at the end of input.
Answer readInteger() {
    constexpr int END = std::char_traits<char>::eof();
    // Flushing before a read that may wait shows every prompt before the user has to answer it,
    // while a scripted input, already at hand, costs no flush per prompt. Characters come through
    // the stream, not straight from its buffer, because the buffer throws on a read error (input
    // from a directory, a closed descriptor), where the stream just reports the end.
    const auto peek = [] {
        if (std::cin.rdbuf()->in_avail() <= 0 && !std::cout.flush()) {
            return END;
        }
        return std::cin.peek();
    };
    const auto advance = [&peek] {
        std::cin.ignore();
        return peek();
    };

    if (!std::cout) {
        return {Outcome::endOfInput, 0};
    }
    int c = peek();
    while (isWhiteSpace(c)) {
        c = advance();
    }
    if (c == END) {
        return {Outcome::endOfInput, 0};
    }
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        c = advance();
    }
    // Digits past the 32-bit range are still read, but the magnitude stops growing there.
    constexpr std::int64_t LIMIT = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    bool hasDigits = false;
    while (c >= '0' && c <= '9') {
        hasDigits = true;
        if (magnitude <= LIMIT) {
            magnitude = magnitude * 10 + (c - '0');
        }
        c = advance();
    }
    if (hasDigits && magnitude <= (negative ? LIMIT : LIMIT - 1)) {
        return {Outcome::number, static_cast<std::int32_t>(negative ? -magnitude : magnitude)};
    }
    while (c != END && !isWhiteSpace(c)) {
        c = advance();
    }
    return {Outcome::badAnswer, 0};
}

// Integers are written as plain decimal digits: the stream's own formatting goes through the
// locale and would cost more than all the rest of a long listing.
struct Decimal {
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, Decimal number) {
    std::array<char, 16> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number.value).ptr;
    return out.write(digits.data(), end - digits.data());
}

// Nothing when the input ends before the record is complete.
std::optional<SalesData> inputSales() {
    SalesData data{};
    while (data.count == 0) {
        std::cout << "Enter number of days (1 - " << Decimal{MAX_DAYS} << "): ";
        const Answer answer = readInteger();
        if (answer.outcome == Outcome::endOfInput) {
            return std::nullopt;
        }
        if (answer.outcome == Outcome::number && answer.value >= 1 && answer.value <= MAX_DAYS) {
            data.count = answer.value;
        }
    }
    for (std::int32_t day = 0; day < data.count;) {
        std::cout << "Day " << Decimal{day + 1} << " sales: ";
        const Answer answer = readInteger();
        if (answer.outcome == Outcome::endOfInput) {
            return std::nullopt;
        }
        if (answer.outcome == Outcome::number) {
            data.sales[day] = answer.value;
            ++day;
        }
    }
    return data;
}

void displaySales(SalesData data) {
    std::cout << "\n--- Sales Data ---\n";
    for (std::int32_t day = 0; day < data.count; ++day) {
        std::cout << "Day " << Decimal{day + 1} << ": " << Decimal{data.sales[day]} << '\n';
    }
}

// Exchanges elements i < j at once whenever they are out of order; equal figures never move.
template <typename OutOfOrder> void sortByExchanges(SalesData& data, OutOfOrder outOfOrder) {
    for (std::int32_t i = 0; i < data.count - 1; ++i) {
        for (std::int32_t j = i + 1; j < data.count; ++j) {
            if (outOfOrder(data.sales[i], data.sales[j])) {
                std::swap(data.sales[i], data.sales[j]);
            }
        }
    }
}

void writeFigures(const SalesData& data) {
    for (std::int32_t day = 0; day < data.count; ++day) {
        std::cout << Decimal{data.sales[day]} << ' ';
    }
    std::cout << '\n';
}

void sortAscending(SalesData data) {
    sortByExchanges(data, std::greater<>());
    std::cout << "\n--- Sales Data Ascending ---\n";
    writeFigures(data);
}

void sortDescending(SalesData data) {
    sortByExchanges(data, std::less<>());
    std::cout << "\n--- Sales Data Descending ---\n";
    writeFigures(data);
}

void searchGreaterThan(SalesData data, std::int32_t target) {
    std::int32_t found = 0;
    std::cout << "\n--- Sales Greater Than " << Decimal{target} << " ---\n";
    for (std::int32_t day = 0; day < data.count; ++day) {
        if (data.sales[day] > target) {
            std::cout << "Day " << Decimal{day + 1} << ": " << Decimal{data.sales[day]} << '\n';
            found = 1;
        }
    }
    if (found == 0) {
        std::cout << "No sales greater than " << Decimal{target} << " found.\n";
    }
}

// Nothing when the input ends before a target is given.
std::optional<std::int32_t> inputTarget() {
    for (;;) {
        std::cout << "Enter target: ";
        const Answer answer = readInteger();
        if (answer.outcome == Outcome::endOfInput) {
            return std::nullopt;
        }
        if (answer.outcome == Outcome::number) {
            return answer.value;
        }
    }
}

constexpr const char* MENU = "\n=== Enhanced Sales Data Management Menu ===\n"
                             "1. Input Sales Data\n"
                             "2. Display Sales Data\n"
                             "3. Sort Sales Data in Ascending Order\n"
                             "4. Sort Sales Data in Descending Order\n"
                             "5. Search for Sales Greater Than a Target\n"
                             "6. Exit\n";

// A write that failed anywhere in the run turns the status into 1.
int exitStatus(int status) {
    std::cout.flush();
    return std::cout ? status : 1;
}

} // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);

    SalesData data{};
    std::int32_t hasData = 0;
    for (;;) {
        std::cout << MENU << "Enter your choice: ";
        const Answer answer = readInteger();
        if (answer.outcome == Outcome::endOfInput) {
            return exitStatus(1); // the user left without choosing to exit
        }
        // A bad answer is one more invalid choice.
        const std::int32_t choice = answer.outcome == Outcome::number ? answer.value : 0;
        if (hasData == 0 && choice >= 2 && choice <= 5) {
            std::cout << "Please input sales data first!\n";
            continue;
        }
        switch (choice) {
        case 1: {
            const std::optional<SalesData> entered = inputSales();
            if (!entered) {
                return exitStatus(1);
            }
            data = *entered;
            hasData = 1;
            break;
        }
        case 2:
            displaySales(data);
            break;
        case 3:
            sortAscending(data);
            break;
        case 4:
            sortDescending(data);
            break;
        case 5: {
            const std::optional<std::int32_t> target = inputTarget();
            if (!target) {
                return exitStatus(1);
            }
            searchGreaterThan(data, *target);
            break;
        }
        case 6:
            std::cout << "Exiting program...\n";
            return exitStatus(0);
        default:
            std::cout << "Invalid choice! Please try again.\n";
            break;
        }
    }
}
