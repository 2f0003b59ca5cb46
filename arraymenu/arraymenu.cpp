// arraymenu: keeps up to 100 integers behind a numbered menu: enter them, list them, search
// them for a value, and print their sum, average, maximum and minimum.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <string>

namespace {

constexpr int max_size = 100;

constexpr const char* MENU = "---menu---\n"
                             "1. nhap data\n"
                             "2. hien  data\n"
                             "3. tim 1 so\n"
                             "4. tinh toan\n"
                             "5 exit\n";

enum class Outcome { number, badAnswer, endOfInput };

struct Answer {
    Outcome outcome;
    int value; // meaningful for a number only
};

bool isWhiteSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// Reads one answer: skips white space (newlines included), then takes an optionally signed
// decimal integer whose first following character stays for the next read. A token without
// digits, or beyond the 32-bit range, is a bad answer and is consumed up to the next white space.
// Once standard output has failed, nobody sees the questions any more: nothing more is read, as
// at the end of input.
Answer readInteger() {
    constexpr int END = std::char_traits<char>::eof();
    // Output is flushed only when the next character may have to be waited for: every prompt
    // is on screen before a wait, and a scripted input costs no flush per prompt. Characters
    // come through the stream, not straight from its buffer, because the buffer throws on a
    // read error (input from a directory, a closed descriptor) where the stream reports the end.
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
    // The magnitude stops growing just past the 32-bit range, so digits of any length are safe.
    constexpr std::int64_t BEYOND_RANGE = std::int64_t{INT_MAX} + 2;
    std::int64_t magnitude = 0;
    bool hasDigits = false;
    while (isDigit(c)) {
        hasDigits = true;
        magnitude = std::min(magnitude * 10 + (c - '0'), BEYOND_RANGE);
        c = advance();
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (hasDigits && number >= INT_MIN && number <= INT_MAX) {
        return {Outcome::number, static_cast<int>(number)};
    }
    while (c != END && !isWhiteSpace(c)) {
        c = advance();
    }
    return {Outcome::badAnswer, 0};
}

// Returns false when the input ended; a refused count leaves `arr` and `size` as they were.
[[nodiscard]] bool inputarray(int* arr, int* size) {
    std::cout << "Enter number of elements (1 to " << max_size << "): ";
    const Answer answer = readInteger();
    if (answer.outcome == Outcome::endOfInput) {
        return false;
    }
    const int n = answer.value;
    if (answer.outcome == Outcome::badAnswer || n < 1 || n > max_size) {
        std::cout << "Invalid size. Must be between 1 and " << max_size << ".\n";
        return true;
    }
    *size = n;
    for (int i = 0; i < n;) {
        std::cout << "Enter element " << i + 1 << ": ";
        const Answer element = readInteger();
        if (element.outcome == Outcome::endOfInput) {
            return false;
        }
        if (element.outcome == Outcome::number) {
            arr[i] = element.value;
            ++i;
        }
    }
    std::cout << "Data input completed!\n";
    return true;
}

void displayarray(const int* arr, int size) {
    std::cout << "Array elements: ";
    for (int i = 0; i < size; ++i) {
        std::cout << arr[i] << ' ';
    }
    std::cout << '\n';
}

int searchvalue(const int* arr, int size, int target) {
    for (int i = 0; i < size; ++i) {
        if (arr[i] == target) {
            return i;
        }
    }
    return -1;
}

void caculatestatistics(const int* arr, int size) {
    std::int64_t sum = 0; // 100 elements near the 32-bit limits would wrap a 32-bit sum
    int max = arr[0];
    int min = arr[0];
    for (int i = 0; i < size; ++i) {
        sum += arr[i];
        if (arr[i] > max) {
            max = arr[i];
        }
        if (arr[i] < min) {
            min = arr[i];
        }
    }
    const double avg = static_cast<double>(sum) / static_cast<double>(size);
    std::cout << "Sum = " << sum << '\n'
              << "Average = " << std::fixed << std::setprecision(2) << avg << '\n'
              << "Maximum = " << max << '\n'
              << "Minimum = " << min << '\n';
}

// A write that failed anywhere in the run turns the status into 1.
int exitStatus(int status) {
    std::cout.flush();
    return std::cout ? status : 1;
}

} // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);

    int arr[max_size] = {};
    int size = 0;
    for (;;) {
        std::cout << MENU;
        const Answer answer = readInteger();
        if (answer.outcome == Outcome::endOfInput) {
            return exitStatus(1);
        }
        if (answer.outcome == Outcome::badAnswer) {
            continue; // an unreadable choice is ignored like any other invalid one
        }
        const int choice = answer.value;
        switch (choice) {
        case 1:
            if (!inputarray(arr, &size)) {
                return exitStatus(1);
            }
            break;
        case 2:
            if (size == 0) {
                std::cout << "khong co du lieu . vui long nhap du lieu truoc\n";
            } else {
                displayarray(arr, size);
            }
            break;
        case 3: {
            if (size == 0) {
                std::cout << "khong co data . vui long nhap data truoc\n";
                break;
            }
            Answer searched{Outcome::badAnswer, 0};
            while (searched.outcome == Outcome::badAnswer) {
                std::cout << "nhap so muon tim \n";
                searched = readInteger();
            }
            if (searched.outcome == Outcome::endOfInput) {
                return exitStatus(1);
            }
            const int target = searched.value;
            const int index = searchvalue(arr, size, target);
            if (index == -1) {
                std::cout << "so " << target << " khong tim thay trong mang \n";
            } else {
                std::cout << "tim thay so " << target << " trong mang " << index << ".\n";
            }
            break;
        }
        case 4:
            if (size == 0) {
                std::cout << "khong co data de tinh . vui long nhap data truoc\n";
            } else {
                caculatestatistics(arr, size);
            }
            break;
        case 5:
            std::cout << "thoat chuong trinh\n";
            return exitStatus(0);
        default:
            break; // other choices write nothing: the menu follows
        }
    }
}
