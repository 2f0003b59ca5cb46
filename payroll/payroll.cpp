// payroll: asks for the number of employees and each one's base salary, writes each one's
// allowance, income, tax and net income, then the company totals.
#include "answer_parsing.hpp"
#include "pay_rules.hpp"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

namespace {

// A read takes at most 127 characters, what a 128-character line buffer holds with its
// terminating zero, so a longer line arrives as several answers.
constexpr std::size_t ANSWER_LIMIT = 127;
using Buffer = std::array<char, ANSWER_LIMIT + 1>;

enum class Read { Answer, Ended };

// One answer: the next characters of standard input up to and including a newline, at most
// ANSWER_LIMIT of them. Ended when the input ended (or failed) before any character came, and
// once standard output has failed: nobody sees the questions any more, so nothing more is read.
[[nodiscard]] Read readAnswer(Buffer& buf, std::string_view& answer) {
    std::size_t length = 0;
    if (!std::cout) {
        return Read::Ended;
    }
    while (length < ANSWER_LIMIT) {
        // Flush only when the next character may make us wait: the prompt is then visible
        // before any wait, and a scripted input costs no flush per prompt. Characters come
        // through the stream, not straight from its buffer, because the buffer throws on a read
        // error (input from a directory, a closed descriptor) where the stream reports the end.
        if (std::cin.rdbuf()->in_avail() <= 0 && !std::cout.flush()) {
            break;
        }
        const int c = std::cin.get();
        if (c == std::char_traits<char>::eof()) {
            break;
        }
        buf[length++] = std::char_traits<char>::to_char_type(c);
        if (c == '\n') {
            break;
        }
    }
    buf[length] = '\0';
    answer = std::string_view(buf.data(), length);
    return length == 0 ? Read::Ended : Read::Answer;
}

// A write that failed anywhere in the run turns the status into 1.
int exitStatus(int status) {
    std::cout.flush();
    return std::cout ? status : 1;
}

// No question can be answered any more, so the run ends where it stands.
[[noreturn]] void endOfInput() {
    std::cout << "Loi IO. Thoat.\n";
    std::exit(exitStatus(1));
}

int inputInt(std::string_view msg, int min, int max) {
    Buffer buf{};
    int val = 0;
    for (;;) {
        std::cout << msg;
        std::string_view answer;
        if (readAnswer(buf, answer) == Read::Ended) {
            endOfInput();
        }
        switch (parseIntAnswer(answer, min, max, val)) {
        case Verdict::Accepted:
            return val;
        case Verdict::NotANumber:
            std::cout << "Nhap khong hop le. Vui long nhap so nguyen.\n";
            break;
        case Verdict::OutOfRange:
            std::cout << "Gia tri phai nam trong [" << min << " - " << max
                      << "]. Vui long nhap lai.\n";
            break;
        }
    }
}

double inputDoubleNonNegative(std::string_view msg) {
    Buffer buf{};
    double val = 0;
    for (;;) {
        std::cout << msg;
        std::string_view answer;
        if (readAnswer(buf, answer) == Read::Ended) {
            endOfInput();
        }
        switch (parseNonNegativeAnswer(answer, MAX_SALARY, val)) {
        case Verdict::Accepted:
            return val;
        case Verdict::NotANumber:
            std::cout << "Nhap khong hop le. Vui long nhap so.\n";
            break;
        case Verdict::OutOfRange:
            std::cout << "Gia tri phai >= 0. Vui long nhap lai.\n";
            break;
        }
    }
}

} // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    std::cout << std::fixed << std::setprecision(2); // every amount is written as %.2f

    double totalCompanyCost = 0;
    int count25 = 0;
    int count15 = 0;
    int count10 = 0;

    const int n = inputInt("Nhap so nhan vien (1-100): ", 1, MAX_EMPLOYEES);
    std::cout << "\n===== CHI TIET LUONG NHAN VIEN =====\n";
    for (int i = 1; i <= n; ++i) {
        std::cout << "\n--- Nhan vien " << i << " ---\n";
        const double salary = inputDoubleNonNegative("Nhap luong co ban: ");
        const double allowance = calculateAllowance(salary);
        const double totalIncome = salary + allowance;
        const double tax = calculateTax(totalIncome);
        const double netIncome = totalIncome - tax;
        std::cout << "Luong co ban: " << salary << '\n'
                  << "Phu cap: " << allowance << '\n'
                  << "Tong thu nhap: " << totalIncome << '\n'
                  << "Thue: " << tax << '\n'
                  << "Thu nhap thuc nhan: " << netIncome << '\n';

        totalCompanyCost += netIncome;
        if (salary < ALLOW1) {
            ++count25;
        } else if (salary <= ALLOW2) {
            ++count15;
        } else {
            ++count10;
        }
    }

    std::cout << "\n===== THONG KE CONG TY =====\n"
              << "Tong chi phi luong: " << totalCompanyCost << '\n'
              << "So nhan vien phu cap 25%: " << count25 << '\n'
              << "So nhan vien phu cap 15%: " << count15 << '\n'
              << "So nhan vien phu cap 10%: " << count10 << '\n';
    return exitStatus(0);
}
