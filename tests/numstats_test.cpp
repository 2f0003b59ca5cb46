#include "program.hpp"
#include "statistics.hpp"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using test::Case;
using test::Files;

const std::string PROGRAM = PROGRAM_PATH;

const std::string LIST = "input.txt";
const std::string RESULT = "output1.txt";

const std::string SUCCESS = "Results are writen to file output.txt\n";
const std::string NOT_OPENED = "File input.txt is not opened\n";
const std::string INVALID_COUNT = "Number elements of array is invalid.\n";
const std::string INVALID_VALUES = "Values of array are missing or invalid.\n";
const std::string CANNOT_OPEN_RESULT = "Can't open file output.txt\n";
const std::string CANNOT_WRITE_RESULT = "Can't write file output1.txt\n";

// A result file left by an earlier run, longer than any new one.
const std::string EARLIER_RESULT =
    "Sum: 1\nAverage: 1.00\nMax: 1\nMin: 1\nleft from an earlier run\n";

std::string results(const std::string& sum, const std::string& average, const std::string& max,
                    const std::string& min) {
    return "Sum: " + sum + "\nAverage: " + average + "\nMax: " + max + "\nMin: " + min + "\n";
}

const std::string RESULTS_4_NEG2_10 = results("12", "4.00", "10", "-2");
const std::string RESULTS_5_6 = results("11", "5.50", "6", "5");

// The list is read, the success line is the only output and the result file holds `result`.
Case computes(const std::string& name, const std::string& list, const std::string& result,
              const Files& before = {}) {
    Files files = before;
    files[LIST] = list;
    return {.name = name,
            .output = SUCCESS,
            .files = files,
            .filesAfter = Files{{LIST, list}, {RESULT, result}}};
}

// The list is refused with `message`, and an earlier result file is left as it was.
Case refuses(const std::string& name, const std::string& list, const std::string& message) {
    const Files files = {{LIST, list}, {RESULT, EARLIER_RESULT}};
    return {.name = name, .output = message, .status = 1, .files = files, .filesAfter = files};
}

std::string countingList(int n) {
    std::string list = std::to_string(n) + "\n";
    for (int value = 1; value <= n; ++value) {
        list += std::to_string(value) + "\n";
    }
    return list;
}

const std::vector<Case> CASES = {
    computes("three_values", "3\n4 -2 10\n", RESULTS_4_NEG2_10),
    computes("single_value", "1\n7\n", results("7", "7.00", "7", "7")),
    computes("negative_values_only", "3\n-5 -3 -9\n", results("-17", "-5.67", "-3", "-9")),
    computes("average_with_half", "2\n1 2\n", results("3", "1.50", "2", "1")),
    computes("average_in_single_precision", "3\n1000000 0 0\n",
             results("1000000", "333333.34", "1000000", "0")),
    computes("large_value_average_in_single_precision", "1\n16777217\n",
             results("16777217", "16777216.00", "16777217", "16777217")),
    // 16777221 becomes 16777220 in single precision, and a third of that 5592406.5; the exact
    // quotient would be 5592407.
    computes("sum_rounded_to_single_precision_before_dividing", "3\n16777219 1 1\n",
             results("16777221", "5592406.50", "16777219", "1")),
    // 6442450941 is nearest to 3 * 2^31 in single precision, and a third of that is 2^31.
    computes("sum_beyond_32_bits_is_exact", "3\n2147483647 2147483647 2147483647\n",
             results("6442450941", "2147483648.00", "2147483647", "2147483647")),
    computes("sum_below_32_bits_is_exact", "2\n-2147483648 -2147483648\n",
             results("-4294967296", "-2147483648.00", "-2147483648", "-2147483648")),
    computes("count_1000_accepted", countingList(1000), results("500500", "500.50", "1000", "1")),
    computes("tokens_after_the_last_value_ignored", "2\n5 6 100\n", RESULTS_5_6),
    computes("bad_tokens_after_the_last_value_ignored", "2\n5 6 abc 99999999999 \xff", RESULTS_5_6),
    computes("all_on_one_line", "3 4 -2 10", RESULTS_4_NEG2_10),
    computes("one_token_a_line_with_blanks_and_signs", "\n\t 3\n\n+4\n  -2\t\n\n010",
             RESULTS_4_NEG2_10),
    computes("earlier_result_file_replaced", "3\n4 -2 10\n", RESULTS_4_NEG2_10,
             {{RESULT, EARLIER_RESULT}}),

    refuses("count_1001_refused", countingList(1001), INVALID_COUNT),
    refuses("count_0_refused", "0\n", INVALID_COUNT),
    refuses("negative_count_refused", "-5\n1 2 3 4 5\n", INVALID_COUNT),
    refuses("empty_list_file", "", INVALID_COUNT),
    refuses("blank_list_file", " \n\t\n", INVALID_COUNT),
    refuses("word_for_count", "three 4 -2 10\n", INVALID_COUNT),
    refuses("lone_sign_for_count", "- 3 4 -2 10\n", INVALID_COUNT),
    refuses("binary_bytes_for_count", std::string("\0\xff 1 2", 6), INVALID_COUNT),
    // Both would wrap to 1 if taken modulo 2^32.
    refuses("count_beyond_32_bits", "4294967297\n5\n", INVALID_COUNT),
    refuses("count_below_32_bits", "-4294967295\n5\n", INVALID_COUNT),
    refuses("too_few_values", "3\n4 -2\n", INVALID_VALUES),
    refuses("count_without_values", "1\n", INVALID_VALUES),
    refuses("word_among_values", "3\n4 x 10\n", INVALID_VALUES),
    refuses("value_beyond_32_bits", "2\n2147483648 1\n", INVALID_VALUES),
    refuses("value_below_32_bits", "2\n-2147483649 1\n", INVALID_VALUES),
    // The count's digits end at a letter, which is then a bad value.
    refuses("letters_after_digits_of_the_count", "2abc 5 6\n", INVALID_VALUES),

    // A value is a whole token wherever it stands: it ends at white space or at the end of the
    // file, and what follows the last one after white space is never looked at.
    refuses("letters_after_digits_of_a_value", "2\n12abc 5\n", INVALID_VALUES),
    refuses("exponent_in_a_value", "2 1e9 5", INVALID_VALUES),
    refuses("exponent_in_the_last_value", "2 5 1e9", INVALID_VALUES),
    refuses("decimal_point_in_the_last_value", "2 5 6.7", INVALID_VALUES),
    refuses("letters_after_digits_of_the_last_value", "2 5 6abc", INVALID_VALUES),
    refuses("binary_byte_after_the_last_value", std::string("2 5 6\0", 6), INVALID_VALUES),
    computes("last_value_at_the_end_of_the_file", "2 5 6", RESULTS_5_6),
    computes("last_value_then_a_tab_and_a_word", "2 5 6\tabc", RESULTS_5_6),

    {.name = "no_list_file_creates_no_result_file",
     .output = NOT_OPENED,
     .status = 1,
     .filesAfter = Files{}},
    {.name = "directory_for_list_file",
     .output = NOT_OPENED,
     .status = 1,
     .files = {{RESULT, EARLIER_RESULT}},
     .filesAfter = Files{{RESULT, EARLIER_RESULT}},
     .directories = {LIST}},
    {.name = "refused_list_creates_no_result_file",
     .output = INVALID_VALUES,
     .status = 1,
     .files = {{LIST, "3\n4 -2\n"}},
     .filesAfter = Files{{LIST, "3\n4 -2\n"}}},
    {.name = "directory_for_result_file",
     .output = CANNOT_OPEN_RESULT,
     .status = 1,
     .files = {{LIST, "3\n4 -2 10\n"}},
     .filesAfter = Files{{LIST, "3\n4 -2 10\n"}},
     .directories = {RESULT}},
    {.name = "result_file_on_a_full_device",
     .output = CANNOT_WRITE_RESULT,
     .status = 1,
     .files = {{LIST, "3\n4 -2 10\n"}},
     .filesAfter = Files{{LIST, "3\n4 -2 10\n"}},
     .links = {{RESULT, "/dev/full"}}},
};

const bool registered = (test::registerCases(PROGRAM, "numstats", CASES), true);

TEST(numstats, write_error_is_not_success) {
    SKIP_UNDER_RUNNER("standard output on /dev/full");
    const test::Run run =
        test::runProgram(PROGRAM, {.files = {{LIST, "3\n4 -2 10\n"}}, .outputPath = "/dev/full"});
    test::expectFailedQuietly(run);
    EXPECT_EQ(run.files, (Files{{LIST, "3\n4 -2 10\n"}, {RESULT, RESULTS_4_NEG2_10}}));
}

TEST(numstats_rules, sum_is_exact_beyond_32_bits) {
    const int highest[] = {INT_MAX, INT_MAX, INT_MAX};
    const int lowest[] = {INT_MIN, INT_MIN, INT_MIN};
    EXPECT_EQ(sum(highest, 3), INT64_C(6442450941));
    EXPECT_EQ(sum(lowest, 3), INT64_C(-6442450944));
    EXPECT_EQ(average(highest, 3), 2147483648.0f);
}

TEST(numstats_rules, only_the_first_n_elements_count) {
    const int arr[] = {1, 2, 100, -100};
    EXPECT_EQ(sum(arr, 2), 3);
    EXPECT_EQ(average(arr, 2), 1.5f);
    EXPECT_EQ(Max(arr, 2), 2);
    EXPECT_EQ(Min(arr, 3), 1);
    EXPECT_EQ(sum(arr, 0), 0);
}

TEST(numstats_rules, single_value) {
    const int arr[] = {7};
    EXPECT_EQ(sum(arr, 1), 7);
    EXPECT_EQ(average(arr, 1), 7.0f);
    EXPECT_EQ(Max(arr, 1), 7);
    EXPECT_EQ(Min(arr, 1), 7);
}

TEST(numstats_rules, negative_values_only) {
    const int arr[] = {-5, -3, -9};
    EXPECT_EQ(sum(arr, 3), -17);
    EXPECT_EQ(Max(arr, 3), -3);
    EXPECT_EQ(Min(arr, 3), -9);
}

TEST(numstats_rules, extremes_found_at_either_end) {
    const int rising[] = {-1, 0, 5};
    const int falling[] = {5, 0, -1};
    EXPECT_EQ(Max(rising, 3), 5);
    EXPECT_EQ(Min(rising, 3), -1);
    EXPECT_EQ(Max(falling, 3), 5);
    EXPECT_EQ(Min(falling, 3), -1);
}

// Exact single-precision quotients, which a double-precision average would miss.
TEST(numstats_rules, average_is_single_precision) {
    const int third[] = {1000000, 0, 0};
    const int large[] = {16777217};
    const int roundedSum[] = {16777219, 1, 1};
    EXPECT_EQ(average(third, 3), 333333.34375f);
    EXPECT_EQ(average(large, 1), 16777216.0f);
    EXPECT_EQ(average(roundedSum, 3), 5592406.5f);
}

} // namespace
