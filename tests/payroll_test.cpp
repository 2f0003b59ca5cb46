#include "answer_parsing.hpp"
#include "pay_rules.hpp"
#include "program.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

using test::Case;

const std::string PROGRAM = PROGRAM_PATH;

const std::string COUNT_PROMPT = "Nhap so nhan vien (1-100): ";
const std::string SALARY_PROMPT = "Nhap luong co ban: ";
const std::string TITLE = "\n===== CHI TIET LUONG NHAN VIEN =====\n";
const std::string STATISTICS_TITLE = "\n===== THONG KE CONG TY =====\n";
const std::string NOT_AN_INTEGER = "Nhap khong hop le. Vui long nhap so nguyen.\n";
const std::string OUT_OF_RANGE = "Gia tri phai nam trong [1 - 100]. Vui long nhap lai.\n";
const std::string NOT_A_NUMBER = "Nhap khong hop le. Vui long nhap so.\n";
const std::string NEGATIVE = "Gia tri phai >= 0. Vui long nhap lai.\n";
const std::string END_OF_INPUT = "Loi IO. Thoat.\n";
const std::string NUL(1, '\0');

// One employee's amounts as written, two decimals each, and the allowance rate of its tier.
struct Pay {
    std::string salary;
    std::string allowance;
    std::string totalIncome;
    std::string tax;
    std::string netIncome;
    int rate;
};

const Pay PAY_0 = {"0.00", "0.00", "0.00", "0.00", "0.00", 25};
const Pay PAY_5 = {"5.00", "1.25", "6.25", "0.00", "6.25", 25};
const Pay PAY_7 = {"7.00", "1.75", "8.75", "0.00", "8.75", 25};
const Pay PAY_1500000 = {"1500000.00", "375000.00", "1875000.00", "0.00", "1875000.00", 25};
const Pay PAY_5000000 = {"5000000.00", "1250000.00", "6250000.00", "0.00", "6250000.00", 25};
const Pay PAY_5999999 = {"5999999.00", "1499999.75", "7499998.75", "0.00", "7499998.75", 25};
const Pay PAY_6000000 = {"6000000.00", "900000.00", "6900000.00", "0.00", "6900000.00", 15};
const Pay PAY_7000000 = {"7000000.00", "1050000.00", "8050000.00", "5000.00", "8045000.00", 15};
const Pay PAY_10000000 = {"10000000.00", "1500000.00",  "11500000.00",
                          "350000.00",   "11150000.00", 15};
const Pay PAY_15000000 = {"15000000.00", "2250000.00",  "17250000.00",
                          "925000.00",   "16325000.00", 15};
const Pay PAY_15000001 = {"15000001.00", "1500000.10",  "16500001.10",
                          "850000.11",   "15650000.99", 10};
const Pay PAY_20000000 = {"20000000.00", "2000000.00",  "22000000.00",
                          "1400000.00",  "20600000.00", 10};

std::string amounts(const Pay& pay) {
    return "Luong co ban: " + pay.salary + "\nPhu cap: " + pay.allowance +
           "\nTong thu nhap: " + pay.totalIncome + "\nThue: " + pay.tax +
           "\nThu nhap thuc nhan: " + pay.netIncome + "\n";
}

std::string heading(int i) {
    return "\n--- Nhan vien " + std::to_string(i) + " ---\n";
}

// The block of employee i whose salary was accepted at the first asking.
std::string employee(int i, const Pay& pay) {
    return heading(i) + SALARY_PROMPT + amounts(pay);
}

std::string totals(const std::string& company, int count25, int count15, int count10) {
    return STATISTICS_TITLE + "Tong chi phi luong: " + company +
           "\nSo nhan vien phu cap 25%: " + std::to_string(count25) +
           "\nSo nhan vien phu cap 15%: " + std::to_string(count15) +
           "\nSo nhan vien phu cap 10%: " + std::to_string(count10) + "\n";
}

std::string totalsOfOne(const Pay& pay) {
    return totals(pay.netIncome, pay.rate == 25, pay.rate == 15, pay.rate == 10);
}

// A run whose count prompt gets `answers`: each rejected in turn with `messages`, the last one
// gives n, and then each of the n employees earns 0.
Case countCase(std::string name, const std::string& answers,
               const std::vector<std::string>& messages, int n) {
    std::string output = COUNT_PROMPT;
    for (const auto& message : messages) {
        output += message + COUNT_PROMPT;
    }
    output += TITLE;
    for (int i = 1; i <= n; ++i) {
        output += employee(i, PAY_0);
    }
    output += totals("0.00", n, 0, 0);
    return {.name = std::move(name), .input = answers + test::repeat("0\n", n), .output = output};
}

// A run of one employee whose salary prompt gets `answers`: each rejected in turn with
// `messages`, the last one gives `pay`.
Case salaryCase(std::string name, const std::string& answers,
                const std::vector<std::string>& messages, const Pay& pay) {
    std::string output = COUNT_PROMPT + TITLE + heading(1) + SALARY_PROMPT;
    for (const auto& message : messages) {
        output += message + SALARY_PROMPT;
    }
    output += amounts(pay) + totalsOfOne(pay);
    return {.name = std::move(name), .input = "1\n" + answers, .output = output};
}

const std::vector<Case> CASES = {
    // The employee count.
    countCase("count_1_gives_one_block", "1\n", {}, 1),
    countCase("count_100_gives_100_blocks", "100\n", {}, 100),
    countCase("count_0_is_out_of_range", "0\n1\n", {OUT_OF_RANGE}, 1),
    countCase("count_101_is_out_of_range", "101\n1\n", {OUT_OF_RANGE}, 1),
    countCase("count_minus_5_is_out_of_range", "-5\n1\n", {OUT_OF_RANGE}, 1),
    countCase("count_beyond_32_bits_is_out_of_range_not_wrapped",
              "4294967297\n-2147483649\n99999999999999999999999999999999\n1\n",
              {OUT_OF_RANGE, OUT_OF_RANGE, OUT_OF_RANGE}, 1),
    countCase("count_empty_line_is_not_an_integer", "\n1\n", {NOT_AN_INTEGER}, 1),
    countCase("count_line_of_spaces_is_not_an_integer", "  \t \n1\n", {NOT_AN_INTEGER}, 1),
    countCase("count_letter_is_not_an_integer", "abc\n1\n", {NOT_AN_INTEGER}, 1),
    countCase("count_lone_minus_is_not_an_integer", "-\n1\n", {NOT_AN_INTEGER}, 1),
    countCase("count_sign_apart_from_digits_is_not_an_integer", "+ 2\n1\n", {NOT_AN_INTEGER}, 1),
    countCase("count_after_spaces_before_letters_reads_42", "  42abc\n", {}, 42),
    countCase("count_12_9_reads_12", "12.9\n", {}, 12),
    countCase("count_plus_7_reads_7", "+7\n", {}, 7),
    countCase("two_numbers_on_one_line_only_the_first_counts", "2 3\n", {}, 2),
    countCase("line_of_126_characters_and_its_newline_are_one_answer",
              std::string(125, ' ') + "1\n", {}, 1),

    // The salary.
    salaryCase("salary_0_is_accepted", "0\n", {}, PAY_0),
    salaryCase("salary_minus_0_01_is_negative", "-0.01\n5000000\n", {NEGATIVE}, PAY_5000000),
    salaryCase("salary_empty_line_is_not_a_number", "\n5000000\n", {NOT_A_NUMBER}, PAY_5000000),
    salaryCase("salary_line_of_spaces_is_not_a_number", "   \n5000000\n", {NOT_A_NUMBER},
               PAY_5000000),
    salaryCase("salary_letter_is_not_a_number", "abc\n5000000\n", {NOT_A_NUMBER}, PAY_5000000),
    salaryCase("salary_lone_minus_or_point_is_not_a_number", "-\n.\n5000000\n",
               {NOT_A_NUMBER, NOT_A_NUMBER}, PAY_5000000),
    salaryCase("salary_words_for_infinity_and_not_a_number_are_not_numbers",
               "inf\n-inf\nInfinity\nnan\n5000000\n",
               {NOT_A_NUMBER, NOT_A_NUMBER, NOT_A_NUMBER, NOT_A_NUMBER}, PAY_5000000),
    salaryCase("salary_too_large_for_a_double_is_not_a_number", "1e999\n5000000\n", {NOT_A_NUMBER},
               PAY_5000000),
    salaryCase("salary_above_1e306_is_not_a_number", "1.000000000000001e306\n1e307\n5000000\n",
               {NOT_A_NUMBER, NOT_A_NUMBER}, PAY_5000000),
    salaryCase("salary_too_small_for_a_double_is_zero", "1e-400\n", {}, PAY_0),
    salaryCase("salary_negative_zero_is_zero", "-0\n", {}, PAY_0),
    salaryCase("salary_negative_zero_point_zero_is_zero", "-0.0\n", {}, PAY_0),
    salaryCase("salary_with_plus_sign", "+5000000\n", {}, PAY_5000000),
    salaryCase("salary_1_5e6_is_1500000", "1.5e6\n", {}, PAY_1500000),
    salaryCase("salary_point_5e7_is_5000000", ".5e7\n", {}, PAY_5000000),
    salaryCase("salary_7_point_is_7", "7.\n", {}, PAY_7),
    salaryCase("salary_with_thousands_separators_ends_at_the_comma", "5,000,000\n", {}, PAY_5),
    salaryCase("salary_exponent_without_digits_ends_before_the_e", "5e+\n", {}, PAY_5),
    salaryCase("salary_hexadecimal_reads_0_before_the_x", "0x10\n", {}, PAY_0),
    salaryCase("salary_after_spaces_before_letters", " \t5000000 dong\n", {}, PAY_5000000),
    salaryCase("last_answer_without_newline_is_accepted", "5000000", {}, PAY_5000000),
    salaryCase("line_of_200_characters_arrives_in_two_pieces", std::string(199, ' ') + "5\n",
               {NOT_A_NUMBER}, PAY_5),

    // The other pieces of long lines and odd bytes.
    {.name = "line_of_127_characters_and_its_newline_are_two_answers",
     .input = std::string(126, ' ') + "1\n5000000\n",
     .output = COUNT_PROMPT + TITLE + heading(1) + SALARY_PROMPT + NOT_A_NUMBER + SALARY_PROMPT +
               amounts(PAY_5000000) + totalsOfOne(PAY_5000000)},
    {.name = "megabyte_line_without_newline_is_read_in_pieces_of_127",
     .input = std::string(1000000, '7'),
     // 7874 pieces of 127 digits, each far beyond the range, and a last one of 77.
     .output = COUNT_PROMPT + test::repeat(OUT_OF_RANGE + COUNT_PROMPT, 7874) + TITLE + heading(1) +
               SALARY_PROMPT + END_OF_INPUT,
     .status = 1},
    {.name = "nul_and_other_binary_bytes_are_not_numbers",
     .input = NUL + "5\n1" + NUL + "9\n\xff\n5000000" + NUL + "\n",
     .output = COUNT_PROMPT + NOT_AN_INTEGER + COUNT_PROMPT + TITLE + heading(1) + SALARY_PROMPT +
               NOT_A_NUMBER + SALARY_PROMPT + amounts(PAY_5000000) + totalsOfOne(PAY_5000000)},
    {.name = "crlf_line_endings_carriage_return_is_white_space",
     .input = "\r\n1\r\n\r\n5000000\r\n",
     .output = COUNT_PROMPT + NOT_AN_INTEGER + COUNT_PROMPT + TITLE + heading(1) + SALARY_PROMPT +
               NOT_A_NUMBER + SALARY_PROMPT + amounts(PAY_5000000) + totalsOfOne(PAY_5000000)},

    // Whole runs.
    {.name = "tiers_around_the_boundaries_are_counted_apart",
     .input = "4\n0\n5999999\n7000000\n15000001\n",
     .output = COUNT_PROMPT + TITLE + employee(1, PAY_0) + employee(2, PAY_5999999) +
               employee(3, PAY_7000000) + employee(4, PAY_15000001) +
               totals("31194999.74", 2, 1, 1)},

    // The end of input.
    {.name = "end_of_input_at_the_count_prompt",
     .input = "",
     .output = COUNT_PROMPT + END_OF_INPUT,
     .status = 1},
    {.name = "end_of_input_after_a_rejected_count",
     .input = "abc",
     .output = COUNT_PROMPT + NOT_AN_INTEGER + COUNT_PROMPT + END_OF_INPUT,
     .status = 1},
    {.name = "end_of_input_after_a_count_without_newline",
     .input = "2",
     .output = COUNT_PROMPT + TITLE + heading(1) + SALARY_PROMPT + END_OF_INPUT,
     .status = 1},
    {.name = "end_of_input_at_the_third_salary_prompt",
     .input = "3\n5000000\n6000000\n",
     .output = COUNT_PROMPT + TITLE + employee(1, PAY_5000000) + employee(2, PAY_6000000) +
               heading(3) + SALARY_PROMPT + END_OF_INPUT,
     .status = 1},
};

const bool registered = (test::registerCases(PROGRAM, "payroll", CASES), true);

std::string twoDecimals(double amount) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

TEST(payroll_rules, amounts_at_and_around_the_boundaries) {
    const std::vector<Pay> rows = {PAY_0,        PAY_5000000,  PAY_5999999,
                                   PAY_6000000,  PAY_7000000,  PAY_10000000,
                                   PAY_15000000, PAY_15000001, PAY_20000000};
    for (const Pay& row : rows) {
        const double salary = std::stod(row.salary);
        const double allowance = calculateAllowance(salary);
        const double totalIncome = salary + allowance;
        const double tax = calculateTax(totalIncome);
        EXPECT_EQ(twoDecimals(allowance), row.allowance) << row.salary;
        EXPECT_EQ(twoDecimals(totalIncome), row.totalIncome) << row.salary;
        EXPECT_EQ(twoDecimals(tax), row.tax) << row.salary;
        EXPECT_EQ(twoDecimals(totalIncome - tax), row.netIncome) << row.salary;
    }
}

TEST(payroll_rules, each_tier_ends_where_it_should) {
    const double belowAllow1 = std::nextafter(ALLOW1, 0.0);
    const double aboveAllow2 = std::nextafter(ALLOW2, 2 * ALLOW2);
    EXPECT_EQ(calculateAllowance(belowAllow1), 0.25 * belowAllow1);
    EXPECT_EQ(calculateAllowance(ALLOW1), 0.15 * ALLOW1);
    EXPECT_EQ(calculateAllowance(ALLOW2), 0.15 * ALLOW2);
    EXPECT_EQ(calculateAllowance(aboveAllow2), 0.10 * aboveAllow2);
}

TEST(payroll_rules, tax_only_above_the_tax_free_amount) {
    EXPECT_EQ(calculateTax(0), 0);
    EXPECT_EQ(calculateTax(8000000), 0);
    EXPECT_GT(calculateTax(std::nextafter(TAX_FREE, 2 * TAX_FREE)), 0);
    EXPECT_DOUBLE_EQ(calculateTax(8000010), 1);
    EXPECT_DOUBLE_EQ(calculateTax(18000000), 1000000);
}

struct IntAnswer {
    std::string answer;
    int min;
    int max;
    Verdict verdict;
    int value;
};

TEST(payroll_parsing, integer_at_the_start_of_an_answer) {
    constexpr int LOWEST = std::numeric_limits<int>::min();
    constexpr int HIGHEST = std::numeric_limits<int>::max();
    const std::vector<IntAnswer> answers = {
        {"1\n", 1, 100, Verdict::Accepted, 1},
        {"100\n", 1, 100, Verdict::Accepted, 100},
        {"  42abc\n", 1, 100, Verdict::Accepted, 42},
        {"12.9\n", 1, 100, Verdict::Accepted, 12},
        {"+7\n", 1, 100, Verdict::Accepted, 7},
        {" \t\r\v\f\n9", 1, 100, Verdict::Accepted, 9},
        {"0000000000000000000000000000000000000042", 1, 100, Verdict::Accepted, 42},
        {"-0000000000000000000000000000000000000042", -100, 100, Verdict::Accepted, -42},
        {"5" + NUL + "7", 1, 100, Verdict::Accepted, 5},
        {"2147483647", LOWEST, HIGHEST, Verdict::Accepted, HIGHEST},
        {"-2147483648", LOWEST, HIGHEST, Verdict::Accepted, LOWEST},
        {"0\n", 1, 100, Verdict::OutOfRange, 0},
        {"101\n", 1, 100, Verdict::OutOfRange, 0},
        {"-5\n", 1, 100, Verdict::OutOfRange, 0},
        {"2147483648", LOWEST, HIGHEST, Verdict::OutOfRange, 0},
        {"-2147483649", LOWEST, HIGHEST, Verdict::OutOfRange, 0},
        {"4294967297", 1, 100, Verdict::OutOfRange, 0},
        {"18446744073709551617", 1, 100, Verdict::OutOfRange, 0},
        {std::string(1000, '9'), LOWEST, HIGHEST, Verdict::OutOfRange, 0},
        {"-" + std::string(1000, '9'), LOWEST, HIGHEST, Verdict::OutOfRange, 0},
        {"", 1, 100, Verdict::NotANumber, 0},
        {"\n", 1, 100, Verdict::NotANumber, 0},
        {"   \n", 1, 100, Verdict::NotANumber, 0},
        {"abc\n", 1, 100, Verdict::NotANumber, 0},
        {"-\n", 1, 100, Verdict::NotANumber, 0},
        {"- 5\n", 1, 100, Verdict::NotANumber, 0},
        {"+-5\n", 1, 100, Verdict::NotANumber, 0},
        {NUL + "5", 1, 100, Verdict::NotANumber, 0},
    };
    for (const IntAnswer& a : answers) {
        int value = -1;
        EXPECT_EQ(parseIntAnswer(a.answer, a.min, a.max, value), a.verdict) << a.answer;
        if (a.verdict == Verdict::Accepted) {
            EXPECT_EQ(value, a.value) << a.answer;
        }
    }
}

struct AmountAnswer {
    std::string answer;
    Verdict verdict;
    double value;
};

TEST(payroll_parsing, decimal_number_at_the_start_of_an_answer) {
    const std::string TINY = "0." + std::string(400, '0') + "1e10";
    const std::string HUGE = "1" + std::string(400, '0') + "e-10";
    const std::vector<AmountAnswer> answers = {
        {"0\n", Verdict::Accepted, 0},
        {"5000000\n", Verdict::Accepted, 5000000},
        {"  12.25abc\n", Verdict::Accepted, 12.25},
        {"+7\n", Verdict::Accepted, 7},
        {"1.5e6\n", Verdict::Accepted, 1500000},
        {".5\n", Verdict::Accepted, 0.5},
        {"7.\n", Verdict::Accepted, 7},
        {"5.e1\n", Verdict::Accepted, 50},
        {"1E3\n", Verdict::Accepted, 1000},
        {"2e+2\n", Verdict::Accepted, 200},
        {"2e-2\n", Verdict::Accepted, 0.02},
        {"5e\n", Verdict::Accepted, 5},
        {"5e+\n", Verdict::Accepted, 5},
        {"5e-x\n", Verdict::Accepted, 5},
        {"5,000,000\n", Verdict::Accepted, 5},
        {"0x10\n", Verdict::Accepted, 0},
        {"-0\n", Verdict::Accepted, 0},
        {"-0.0\n", Verdict::Accepted, 0},
        {"-.0e5\n", Verdict::Accepted, 0},
        {"5" + NUL + "7", Verdict::Accepted, 5},
        {"1e306", Verdict::Accepted, MAX_SALARY},
        {"0.1e307", Verdict::Accepted, MAX_SALARY},
        {"1e-400\n", Verdict::Accepted, 0},
        {"-1e-400\n", Verdict::Accepted, 0},
        {"1e-99999999999999999999\n", Verdict::Accepted, 0},
        {TINY, Verdict::Accepted, 0},
        {"-0.01\n", Verdict::OutOfRange, 0},
        {"-1e-320\n", Verdict::OutOfRange, 0},
        {"-5\n", Verdict::OutOfRange, 0},
        {"1.000000000000001e306", Verdict::NotANumber, 0},
        {"1e307", Verdict::NotANumber, 0},
        {"1.7976931348623157e308", Verdict::NotANumber, 0},
        {"1e999\n", Verdict::NotANumber, 0},
        {"-1e999\n", Verdict::NotANumber, 0},
        {"1.8e308\n", Verdict::NotANumber, 0},
        {"1e99999999999999999999\n", Verdict::NotANumber, 0},
        {HUGE, Verdict::NotANumber, 0},
        {"", Verdict::NotANumber, 0},
        {"\n", Verdict::NotANumber, 0},
        {"abc\n", Verdict::NotANumber, 0},
        {"-\n", Verdict::NotANumber, 0},
        {".\n", Verdict::NotANumber, 0},
        {"+.e5\n", Verdict::NotANumber, 0},
        {"e5\n", Verdict::NotANumber, 0},
        {"inf\n", Verdict::NotANumber, 0},
        {"-infinity\n", Verdict::NotANumber, 0},
        {"nan\n", Verdict::NotANumber, 0},
        {NUL + "5", Verdict::NotANumber, 0},
    };
    for (const AmountAnswer& a : answers) {
        double value = -1;
        EXPECT_EQ(parseNonNegativeAnswer(a.answer, MAX_SALARY, value), a.verdict) << a.answer;
        if (a.verdict == Verdict::Accepted) {
            EXPECT_EQ(value, a.value) << a.answer;
            EXPECT_FALSE(std::signbit(value)) << a.answer;
        }
    }
}

TEST(payroll, five_employees_give_the_company_totals_in_43_lines) {
    const test::Run run =
        test::runProgram(PROGRAM, {.input = "5\n5000000\n6000000\n10000000\n15000000\n20000000\n"});
    test::expectRun(run,
                    COUNT_PROMPT + TITLE + employee(1, PAY_5000000) + employee(2, PAY_6000000) +
                        employee(3, PAY_10000000) + employee(4, PAY_15000000) +
                        employee(5, PAY_20000000) + totals("61225000.00", 1, 3, 1),
                    0);
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 43);
}

// The largest salary taken, for every employee there may be: the amounts and the company total
// are huge but finite numbers, never inf or nan.
TEST(payroll, largest_salaries_keep_every_amount_finite) {
    const test::Run run =
        test::runProgram(PROGRAM, {.input = "100\n" + test::repeat("1e306\n", 100)});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(test::sameText("", run.errors)) << "standard error";
    EXPECT_EQ(run.output.find("inf"), std::string::npos);
    EXPECT_EQ(run.output.find("nan"), std::string::npos);
    const std::string total = "Tong chi phi luong: ";
    const std::size_t at = run.output.find(total);
    ASSERT_NE(at, std::string::npos);
    const std::string amount =
        run.output.substr(at + total.size(), run.output.find('\n', at) - at - total.size());
    EXPECT_EQ(amount.find_first_not_of("0123456789."), std::string::npos) << amount;
    EXPECT_EQ(amount.size(), 308 + 3) << amount; // about 9.9e307, with two decimals
    EXPECT_TRUE(run.output.ends_with(totals(amount, 0, 0, 100)));
}

TEST(payroll, prompts_are_shown_before_waiting) {
    const test::DialogueRun dialogue =
        test::runDialogue(PROGRAM, {{COUNT_PROMPT, "x\n"},
                                    {NOT_AN_INTEGER + COUNT_PROMPT, "2\n"},
                                    {TITLE + heading(1) + SALARY_PROMPT, "5000000\n"},
                                    {amounts(PAY_5000000) + heading(2) + SALARY_PROMPT, "-1\n"},
                                    {NEGATIVE + SALARY_PROMPT, "6000000\n"}});
    EXPECT_EQ(dialogue.stall, "");
    test::expectRun(dialogue.run,
                    COUNT_PROMPT + NOT_AN_INTEGER + COUNT_PROMPT + TITLE +
                        employee(1, PAY_5000000) + heading(2) + SALARY_PROMPT + NEGATIVE +
                        SALARY_PROMPT + amounts(PAY_6000000) + totals("13150000.00", 1, 1, 0),
                    0);
}

// Reading a directory fails at once: the same message and status as the end of input.
TEST(payroll, read_error_ends_like_the_end_of_input) {
    SKIP_UNDER_RUNNER("standard input from a folder");
    test::expectRun(test::runProgram(PROGRAM, {.inputPath = "/"}), COUNT_PROMPT + END_OF_INPUT, 1);
}

TEST(payroll, write_error_is_not_success) {
    SKIP_UNDER_RUNNER("standard output on /dev/full");
    test::expectFailedQuietly(
        test::runProgram(PROGRAM, {.input = "1\n5000000\n", .outputPath = "/dev/full"}));
}

// Each rejected answer writes a message and the prompt, so endless input makes endless output.
TEST(payroll, failed_write_ends_endless_input) {
    SKIP_UNDER_RUNNER("/dev/full, a closed descriptor and SIGPIPE");
    test::expectEndsAtFailedWrite(PROGRAM, "x\n");
}

// Every rejected answer is answered, so a long input of them is a long output; a reader that
// stops must stop the program too.
TEST(payroll, closed_pipe_ends_a_long_run_of_rejections_quietly) {
    const test::Run run =
        test::runProgram(PROGRAM, {.input = test::repeat("\n", 1 << 20), .outputLimit = 1 << 16});
    test::expectFailedQuietly(run);
    EXPECT_EQ(run.output.substr(0, COUNT_PROMPT.size() + NOT_AN_INTEGER.size()),
              COUNT_PROMPT + NOT_AN_INTEGER);
}

} // namespace
