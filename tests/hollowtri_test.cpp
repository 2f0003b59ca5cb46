#include "program.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using test::Case;

const std::string PROGRAM = PROGRAM_PATH;
const std::string PROMPT = "Nhap n: ";
const std::string HEADER = PROMPT + "OUTPUT:\n";

const std::vector<Case> CASES = {
    {.name = "height_1_is_one_asterisk", .input = "1\n", .output = HEADER + "*\n"},
    {.name = "height_2",
     .input = "2\n",
     .output = HEADER + "***\n"
                        " *\n"},
    {.name = "height_3",
     .input = "3\n",
     .output = HEADER + "*****\n"
                        " * *\n"
                        "  *\n"},
    {.name = "height_4",
     .input = "4\n",
     .output = HEADER + "*******\n"
                        " *   *\n"
                        "  * *\n"
                        "   *\n"},
    {.name = "height_0_draws_no_row", .input = "0\n", .output = HEADER},
    {.name = "negative_height_draws_no_row", .input = "-5\n", .output = HEADER},
    {.name = "height_after_blank_lines_rest_of_line_unread",
     .input = " \n\t\n  +2abc 9\nxyz",
     .output = HEADER + "***\n"
                        " *\n"},
    {.name = "end_of_input_draws_nothing", .input = "", .output = PROMPT, .status = 1},
    {.name = "non_number_draws_nothing", .input = "abc\n", .output = PROMPT, .status = 1},
    {.name = "lone_sign_draws_nothing", .input = "- 3\n", .output = PROMPT, .status = 1},
    {.name = "height_beyond_32_bits_draws_nothing",
     .input = "2147483648\n",
     .output = PROMPT,
     .status = 1},
    {.name = "binary_bytes_draw_nothing",
     .input = std::string("\0\xff\x01", 3),
     .output = PROMPT,
     .status = 1},
};

const bool registered = (test::registerCases(PROGRAM, "hollowtri", CASES), true);

// Row i of a triangle of height n is 2n - i characters long with its newline, so the rows hold
// 2n^2 - n(n-1)/2 characters in all; every row ends with an asterisk.
TEST(hollowtri, large_height_matches_the_length_formula) {
    const std::int64_t n = 1500;
    const test::Run run = test::runProgram(PROGRAM, {.input = std::to_string(n) + "\n"});
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.output.substr(0, HEADER.size()), HEADER);
    const std::string rows = run.output.substr(HEADER.size());
    EXPECT_EQ(static_cast<std::int64_t>(rows.size()), 2 * n * n - n * (n - 1) / 2);

    std::int64_t i = 0;
    std::size_t start = 0;
    while (start < rows.size()) {
        const std::size_t end = rows.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        ASSERT_EQ(static_cast<std::int64_t>(end - start + 1), 2 * n - i) << "row " << i;
        ASSERT_EQ(rows[end - 1], '*') << "row " << i;
        start = end + 1;
        ++i;
    }
    EXPECT_EQ(i, n);
    EXPECT_EQ(rows.substr(rows.size() - n - 1), std::string(n - 1, ' ') + "*\n");
}

// Reading a directory fails at once: no height, as at the end of input.
TEST(hollowtri, read_error_draws_nothing) {
    SKIP_UNDER_RUNNER("standard input from a folder");
    test::expectRun(test::runProgram(PROGRAM, {.inputPath = "/"}), PROMPT, 1);
}

TEST(hollowtri, write_error_is_not_success) {
    SKIP_UNDER_RUNNER("standard output on /dev/full");
    test::expectFailedQuietly(
        test::runProgram(PROGRAM, {.input = "3\n", .outputPath = "/dev/full"}));
}

// The largest height streams billions of asterisks; a reader that stops must stop it too.
TEST(hollowtri, closed_pipe_ends_largest_height_quietly) {
    const test::Run run =
        test::runProgram(PROGRAM, {.input = "2147483647\n", .outputLimit = 1 << 20});
    test::expectFailedQuietly(run);
    EXPECT_EQ(run.output.substr(0, HEADER.size() + 3), HEADER + "***");
}

TEST(hollowtri, prompt_is_shown_before_waiting) {
    const test::DialogueRun dialogue = test::runDialogue(PROGRAM, {{PROMPT, "2\n"}});
    EXPECT_EQ(dialogue.stall, "");
    test::expectRun(dialogue.run, HEADER + "***\n *\n", 0);
}

} // namespace
