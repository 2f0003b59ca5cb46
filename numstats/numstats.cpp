// numstats: reads a count and that many integers from input.txt and writes their sum,
// average, maximum and minimum to output1.txt.
//
// A run is over in about a millisecond, most of it start-up, so it uses C stdio: the C++ streams
// would cost more to set up than all the work they would do.
#include "statistics.hpp"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int MAX_VALUES = 1000;

// A write that failed anywhere in the run turns the status into 1.
int exitStatus(int status) {
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? status : 1;
}

int fail(const char* message) {
    std::puts(message);
    return exitStatus(1);
}

bool isWhiteSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads one integer after any white space: an optional sign and at least one digit. It ends at
// its first non-digit, which is left for the next read. False when there is no such integer
// or it lies beyond 32 bits; a read error counts as the end of the file.
bool readInteger(std::FILE* in, int& value) {
    int c = std::getc(in);
    while (isWhiteSpace(c)) {
        c = std::getc(in);
    }
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        c = std::getc(in);
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
        c = std::getc(in);
    }
    std::ungetc(c, in);
    if (!hasDigits || magnitude > (negative ? LIMIT : LIMIT - 1)) {
        return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

// A value is a whole token: it must end at white space or at the end of the file, so that
// "1e9" or "6.7" is refused rather than read as 1 or 6. Only the one character after it is
// looked at, so nothing beyond the last value is read.
bool readValue(std::FILE* in, int& value) {
    if (!readInteger(in, value)) {
        return false;
    }
    const int next = std::getc(in);
    return next == EOF || isWhiteSpace(next);
}

} // namespace

int main() {
    std::FILE* fin = std::fopen("input.txt", "r");
    if (fin == nullptr) {
        return fail("File input.txt is not opened");
    }
    // A directory opens like a file and fails only at its first read.
    const int first = std::getc(fin);
    if (first == EOF && std::ferror(fin) != 0) {
        std::fclose(fin);
        return fail("File input.txt is not opened");
    }
    std::ungetc(first, fin);

    // A count that is no 32-bit integer (empty file, a word, too many digits) is invalid too.
    int n = 0;
    if (!readInteger(fin, n) || n <= 0 || n > MAX_VALUES) {
        std::fclose(fin);
        return fail("Number elements of array is invalid.");
    }

    // Exactly n values: past the n-th, only the one character that ends it is looked at.
    int arr[MAX_VALUES];
    for (int i = 0; i < n; ++i) {
        if (!readValue(fin, arr[i])) {
            std::fclose(fin);
            return fail("Values of array are missing or invalid.");
        }
    }
    std::fclose(fin);

    const std::int64_t s = sum(arr, n);
    const float av = average(arr, n);
    const int ma = Max(arr, n);
    const int mi = Min(arr, n);

    // Opened only now, so a refused list leaves an earlier result file as it was.
    std::FILE* fout = std::fopen("output1.txt", "w");
    if (fout == nullptr) {
        return fail("Can't open file output.txt");
    }
    std::fprintf(fout, "Sum: %" PRId64 "\nAverage: %.2f\nMax: %d\nMin: %d\n", s,
                 static_cast<double>(av), ma, mi);
    // Closing flushes, so a full disk shows here if not before.
    const bool written = std::ferror(fout) == 0;
    if (std::fclose(fout) != 0 || !written) {
        return fail("Can't write file output1.txt");
    }

    std::puts("Results are writen to file output.txt");
    return exitStatus(0);
}
