// hollowtri: asks for a height and draws a hollow inverted triangle of asterisks.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>

namespace {

// A row can be far wider than any buffer (the top row of the largest height has over
// four billion asterisks), so rows are written in pieces taken from these fixed runs.
constexpr std::size_t PIECE_SIZE = 8192;
using Piece = std::array<char, PIECE_SIZE>;

constexpr Piece filledWith(char c) {
    Piece piece{};
    piece.fill(c);
    return piece;
}

constexpr Piece SPACES = filledWith(' ');
constexpr Piece ASTERISKS = filledWith('*');

void writeRepeated(const Piece& piece, std::int64_t count) {
    while (count > 0 && std::cout) {
        const std::int64_t length = std::min<std::int64_t>(count, PIECE_SIZE);
        std::cout.write(piece.data(), length);
        count -= length;
    }
}

// Row i (0 at the top) of a triangle of height n: i leading spaces, then a run of
// 2 * (n - i) - 1 characters that is full on the top row and hollow below it.
// Widths are 64-bit because 2 * n overflows 32 bits for heights of 2^30 and more.
void drawRow(std::int64_t i, std::int64_t n) {
    const std::int64_t runLength = 2 * (n - i) - 1;
    writeRepeated(SPACES, i);
    if (i == 0) {
        writeRepeated(ASTERISKS, runLength);
    } else if (runLength == 1) {
        std::cout.put('*');
    } else {
        std::cout.put('*');
        writeRepeated(SPACES, runLength - 2);
        std::cout.put('*');
    }
    std::cout.put('\n');
}

// A write that failed anywhere in the run turns the status into 1.
int exitStatus(int status) {
    std::cout.flush();
    return std::cout ? status : 1;
}

} // namespace

int main() {
    std::ios::sync_with_stdio(false);

    std::cout << "Nhap n: ";
    int n = 0;
    if (!(std::cin >> n)) {
        return exitStatus(1); // no height given: nothing to draw
    }

    std::cout << "OUTPUT:\n";
    for (std::int64_t i = 0; i < n && std::cout; ++i) {
        drawRow(i, n);
    }
    return exitStatus(0);
}
