// numstats: reads a count and that many integers from input.txt and writes their sum,
// average, maximum and minimum to output1.txt.
#include "statistics.hpp"

#include <cctype>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iostream>

namespace {

constexpr int MAX_VALUES = 1000;

// A write that failed anywhere in the run turns the status into 1.
int exitStatus(int status) {
    std::cout.flush();
    return std::cout ? status : 1;
}

int fail(const char* message) {
    std::cout << message << '\n';
    return exitStatus(1);
}

// A value is a whole token: it must end at white space or at the end of the file, so that
// "1e9" or "6.7" is refused rather than read as 1 or 6. Only the one character after it is
// looked at, so nothing beyond the last value is read.
bool readValue(std::istream& in, int& value) {
    if (!(in >> value)) {
        return false;
    }
    const int next = in.peek();
    return next == std::char_traits<char>::eof() || std::isspace(next) != 0;
}

} // namespace

int main() {
    std::ifstream fin("input.txt");
    fin.peek(); // a directory opens like a file and fails only at its first read
    if (!fin.is_open() || fin.bad()) {
        return fail("File input.txt is not opened");
    }

    // A count that is no 32-bit integer (empty file, a word, too many digits) is invalid too.
    int n = 0;
    if (!(fin >> n) || n <= 0 || n > MAX_VALUES) {
        return fail("Number elements of array is invalid.");
    }

    // Exactly n values: past the n-th, only the one character that ends it is looked at.
    int arr[MAX_VALUES];
    for (int i = 0; i < n; ++i) {
        if (!readValue(fin, arr[i])) {
            return fail("Values of array are missing or invalid.");
        }
    }
    fin.close();

    const std::int64_t s = sum(arr, n);
    const float av = average(arr, n);
    const int ma = Max(arr, n);
    const int mi = Min(arr, n);

    // Opened only now, so a refused list leaves an earlier result file as it was.
    std::ofstream fout("output1.txt");
    if (!fout.is_open()) {
        return fail("Can't open file output.txt");
    }
    fout << "Sum: " << s << '\n'
         << "Average: " << std::fixed << std::setprecision(2) << static_cast<double>(av) << '\n'
         << "Max: " << ma << '\n'
         << "Min: " << mi << '\n';
    fout.close(); // flushes: a full disk shows here
    if (!fout) {
        return fail("Can't write file output1.txt");
    }

    std::cout << "Results are writen to file output.txt\n";
    return exitStatus(0);
}
