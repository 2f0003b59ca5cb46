#include "program.hpp"

#include <string>
#include <vector>

namespace {

using test::Case;

const std::string PROGRAM = PROGRAM_PATH;

const std::string MENU = "---menu---\n"
                         "1. nhap data\n"
                         "2. hien  data\n"
                         "3. tim 1 so\n"
                         "4. tinh toan\n"
                         "5 exit\n";
const std::string COUNT_PROMPT = "Enter number of elements (1 to 100): ";
const std::string INVALID_SIZE = "Invalid size. Must be between 1 and 100.\n";
const std::string COMPLETED = "Data input completed!\n";
const std::string NO_DATA_TO_LIST = "khong co du lieu . vui long nhap du lieu truoc\n";
const std::string NO_DATA_TO_SEARCH = "khong co data . vui long nhap data truoc\n";
const std::string NO_DATA_FOR_STATISTICS = "khong co data de tinh . vui long nhap data truoc\n";
const std::string SEARCH_PROMPT = "nhap so muon tim \n";
const std::string GOODBYE = "thoat chuong trinh\n";
const std::string EXIT = MENU + GOODBYE; // the last menu, answered by 5

std::string elementPrompt(int number) {
    return "Enter element " + std::to_string(number) + ": ";
}

// The whole dialogue of an accepted entry of `count` elements, each answered at once.
std::string entry(int count) {
    std::string text = COUNT_PROMPT;
    for (int number = 1; number <= count; ++number) {
        text += elementPrompt(number);
    }
    return text + COMPLETED;
}

std::string listing(const std::string& values) {
    return "Array elements: " + values + "\n";
}

std::string found(const std::string& target, const std::string& index) {
    return "tim thay so " + target + " trong mang " + index + ".\n";
}

std::string notFound(const std::string& target) {
    return "so " + target + " khong tim thay trong mang \n";
}

std::string statistics(const std::string& sum, const std::string& average, const std::string& max,
                       const std::string& min) {
    return "Sum = " + sum + "\nAverage = " + average + "\nMaximum = " + max + "\nMinimum = " + min +
           "\n";
}

// A run that enters `values` (answers of one line), asks for the statistics and ends.
Case statisticsCase(const std::string& name, int count, const std::string& values,
                    const std::string& expected) {
    return {.name = name,
            .input = "1\n" + std::to_string(count) + "\n" + values + "\n4\n5\n",
            .output = MENU + entry(count) + MENU + expected + EXIT};
}

// An entry of 100 copies of `value`, listed, searched for and summed.
Case fullArrayCase(const std::string& name, const std::string& value, const std::string& sum,
                   const std::string& average) {
    return {.name = name,
            .input = "1\n100\n" + test::repeat(value + "\n", 100) + "2\n3\n" + value + "\n4\n5\n",
            .output = MENU + entry(100) + MENU + listing(test::repeat(value + " ", 100)) + MENU +
                      SEARCH_PROMPT + found(value, "0") + MENU +
                      statistics(sum, average, value, value) + EXIT};
}

std::string oneToHundred(const std::string& separator) {
    std::string text;
    for (int value = 1; value <= 100; ++value) {
        text += std::to_string(value) + separator;
    }
    return text;
}

const std::vector<Case> CASES = {
    // The menu and its dispatch.
    {.name = "exit_at_once", .input = "5\n", .output = EXIT},
    {.name = "input_after_exit_is_not_read", .input = "5\n2\n", .output = EXIT},
    {.name = "choices_without_data_each_give_their_own_line",
     .input = "2\n3\n4\n5\n",
     .output =
         MENU + NO_DATA_TO_LIST + MENU + NO_DATA_TO_SEARCH + MENU + NO_DATA_FOR_STATISTICS + EXIT},
    {.name = "search_without_data_reads_no_value",
     .input = "3\n7\n5\n",
     .output = MENU + NO_DATA_TO_SEARCH + MENU + EXIT},
    {.name = "invalid_choices_write_only_the_menu",
     .input = "0\n6\n-1\n100\n5\n",
     .output = test::repeat(MENU, 4) + EXIT},
    {.name = "entry_then_listing",
     .input = "1\n3\n10\n20\n30\n2\n5\n",
     .output = MENU + entry(3) + MENU + listing("10 20 30 ") + EXIT},
    {.name = "every_choice_with_data",
     .input = "1\n3\n5\n7\n5\n2\n3\n5\n3\n7\n3\n9\n4\n0\n5\n",
     .output = MENU + entry(3) + MENU + listing("5 7 5 ") + MENU + SEARCH_PROMPT + found("5", "0") +
               MENU + SEARCH_PROMPT + found("7", "1") + MENU + SEARCH_PROMPT + notFound("9") +
               MENU + statistics("17", "5.67", "7", "5") + MENU + EXIT},
    {.name = "shorter_entry_hides_the_old_tail",
     .input = "1\n4\n1\n2\n3\n4\n1\n2\n8\n9\n2\n3\n3\n3\n4\n3\n8\n4\n5\n",
     .output = MENU + entry(4) + MENU + entry(2) + MENU + listing("8 9 ") + MENU + SEARCH_PROMPT +
               notFound("3") + MENU + SEARCH_PROMPT + notFound("4") + MENU + SEARCH_PROMPT +
               found("8", "0") + MENU + statistics("17", "8.50", "9", "8") + EXIT},
    {.name = "refused_counts_before_an_entry_leave_no_data",
     .input = "1\n0\n1\n101\n1\n-5\n2\n5\n",
     .output = test::repeat(MENU + COUNT_PROMPT + INVALID_SIZE, 3) + MENU + NO_DATA_TO_LIST + EXIT},
    {.name = "refused_counts_after_an_entry_keep_the_data",
     .input = "1\n2\n4\n-6\n1\n101\n1\n0\n2\n4\n5\n",
     .output = MENU + entry(2) + test::repeat(MENU + COUNT_PROMPT + INVALID_SIZE, 2) + MENU +
               listing("4 -6 ") + MENU + statistics("-2", "-1.00", "4", "-6") + EXIT},
    {.name = "search_first_last_and_missing",
     .input = "1\n3\n1\n2\n3\n3\n1\n3\n3\n3\n4\n5\n",
     .output = MENU + entry(3) + MENU + SEARCH_PROMPT + found("1", "0") + MENU + SEARCH_PROMPT +
               found("3", "2") + MENU + SEARCH_PROMPT + notFound("4") + EXIT},
    {.name = "all_answers_on_one_line",
     .input = "1 2 10 -20 2 3 -20 4 5\n",
     .output = MENU + COUNT_PROMPT + elementPrompt(1) + elementPrompt(2) + COMPLETED + MENU +
               listing("10 -20 ") + MENU + SEARCH_PROMPT + found("-20", "1") + MENU +
               statistics("-10", "-5.00", "10", "-20") + EXIT},
    {.name = "answers_after_any_white_space",
     .input = " \t\r\n\v\f\n+1\n\n  \t1   \n\n0007\n\n\n  2 5",
     .output = MENU + entry(1) + MENU + listing("7 ") + EXIT},
    {.name = "number_ended_by_the_end_of_input_is_read", .input = "5", .output = EXIT},

    // The statistics.
    statisticsCase("statistics_of_a_single_element", 1, "7", statistics("7", "7.00", "7", "7")),
    statisticsCase("statistics_of_negative_elements", 3, "-5 -3 -9",
                   statistics("-17", "-5.67", "-3", "-9")),
    statisticsCase("statistics_average_rounds_down", 3, "1 1 2", statistics("4", "1.33", "2", "1")),
    statisticsCase("statistics_average_rounds_up", 3, "2 3 3", statistics("8", "2.67", "3", "2")),
    statisticsCase("statistics_with_repeated_maximum", 4, "4 9 9 -2",
                   statistics("20", "5.00", "9", "-2")),
    statisticsCase("statistics_of_the_32_bit_limits", 2, "2147483647 -2147483648",
                   statistics("-1", "-0.50", "2147483647", "-2147483648")),

    // A full array.
    {.name = "hundred_elements",
     .input = "1\n100\n" + oneToHundred("\n") + "2\n3\n100\n4\n5\n",
     .output = MENU + entry(100) + MENU + listing(oneToHundred(" ")) + MENU + SEARCH_PROMPT +
               found("100", "99") + MENU + statistics("5050", "50.50", "100", "1") + EXIT},
    fullArrayCase("hundred_largest_elements_sum_exactly", "2147483647", "214748364700",
                  "2147483647.00"),
    fullArrayCase("hundred_smallest_elements_sum_exactly", "-2147483648", "-214748364800",
                  "-2147483648.00"),

    // Bad answers at each kind of read.
    {.name = "bad_choice_writes_only_the_menu",
     .input = "abc\n-\n+\n\xff\n2147483648\n-2147483649\n5\n",
     .output = test::repeat(MENU, 6) + EXIT},
    {.name = "binary_bytes_are_one_bad_choice",
     .input = std::string("\0\xff\x01\x80 5\n", 7),
     .output = MENU + EXIT},
    {.name = "bad_count_is_refused",
     .input = "1\nabc\n1\n2147483648\n1\n99999999999999999999\n2\n5\n",
     .output = test::repeat(MENU + COUNT_PROMPT + INVALID_SIZE, 3) + MENU + NO_DATA_TO_LIST + EXIT},
    {.name = "bad_element_asks_for_it_again",
     .input = "1\n2\nx\n-\n4\n2147483648\n-2147483649\n--5\n5\n2\n5\n",
     .output = MENU + COUNT_PROMPT + test::repeat(elementPrompt(1), 3) +
               test::repeat(elementPrompt(2), 4) + COMPLETED + MENU + listing("4 5 ") + EXIT},
    {.name = "bad_search_value_asks_for_it_again",
     .input = "1 1 6\n3\nsix\n4294967302\n6\n5\n",
     .output = MENU + entry(1) + MENU + test::repeat(SEARCH_PROMPT, 3) + found("6", "0") + EXIT},
    {.name = "letters_after_digits_are_the_next_answer",
     .input = "1\n1\n12abc\n2\n5\n",
     .output = MENU + entry(1) + MENU + MENU + listing("12 ") + EXIT},
    {.name = "out_of_range_token_is_consumed_whole",
     .input = "2147483648x 5\n",
     .output = MENU + EXIT},
    {.name = "leading_zeros_do_not_overflow",
     .input = "1 1 000000000000002147483647 2 5\n",
     .output = MENU + entry(1) + MENU + listing("2147483647 ") + EXIT},

    // The end of input at each kind of read ends the run with status 1.
    {.name = "end_of_input_at_the_menu", .input = "", .output = MENU, .status = 1},
    {.name = "end_of_input_after_white_space_at_the_menu",
     .input = " \n\t\n",
     .output = MENU,
     .status = 1},
    {.name = "end_of_input_at_the_count",
     .input = "1\n",
     .output = MENU + COUNT_PROMPT,
     .status = 1},
    {.name = "end_of_input_at_an_element",
     .input = "1\n3\n10\n",
     .output = MENU + COUNT_PROMPT + elementPrompt(1) + elementPrompt(2),
     .status = 1},
    {.name = "end_of_input_after_a_bad_element",
     .input = "1\n2\n7 abc",
     .output = MENU + COUNT_PROMPT + elementPrompt(1) + elementPrompt(2) + elementPrompt(2),
     .status = 1},
    {.name = "end_of_input_at_the_search_value",
     .input = "1 1 4\n3\n",
     .output = MENU + entry(1) + MENU + SEARCH_PROMPT,
     .status = 1},
    {.name = "end_of_input_after_a_bad_choice", .input = "-", .output = MENU + MENU, .status = 1},
};

const bool registered = (test::registerCases(PROGRAM, "arraymenu", CASES), true);

// A token of any length is consumed without being stored.
TEST(arraymenu, megabyte_tokens_are_bad_answers) {
    const std::string digits(4 << 20, '9');
    const std::string letters(4 << 20, 'z');
    const test::Run run = test::runProgram(
        PROGRAM, {.input = digits + "\n" + letters + " 1 1 " + digits + "0 8 2 5"});
    test::expectRun(run,
                    MENU + MENU + MENU + COUNT_PROMPT + elementPrompt(1) + elementPrompt(1) +
                        COMPLETED + MENU + listing("8 ") + EXIT,
                    0);
}

// The menu has no prompt line of its own: the choice is read right after "5 exit".
TEST(arraymenu, every_prompt_is_shown_before_waiting) {
    const test::DialogueRun dialogue =
        test::runDialogue(PROGRAM, {{MENU, "1\n"},
                                    {COUNT_PROMPT, "2\n"},
                                    {elementPrompt(1), "x\n"},
                                    {elementPrompt(1), "3\n"},
                                    {elementPrompt(2), "-4\n"},
                                    {COMPLETED + MENU, "3\n"},
                                    {SEARCH_PROMPT, "nine\n"},
                                    {SEARCH_PROMPT, "-4\n"},
                                    {found("-4", "1") + MENU, "5\n"}});
    EXPECT_EQ(dialogue.stall, "");
    test::expectRun(dialogue.run,
                    MENU + COUNT_PROMPT + elementPrompt(1) + elementPrompt(1) + elementPrompt(2) +
                        COMPLETED + MENU + SEARCH_PROMPT + SEARCH_PROMPT + found("-4", "1") + EXIT,
                    0);
}

// Reading a directory fails at once; the program must end as at the end of input, not crash.
TEST(arraymenu, read_error_ends_like_the_end_of_input) {
    SKIP_UNDER_RUNNER("standard input from a folder");
    test::expectRun(test::runProgram(PROGRAM, {.inputPath = "/"}), MENU, 1);
}

TEST(arraymenu, write_error_is_not_success) {
    SKIP_UNDER_RUNNER("standard output on /dev/full");
    test::expectFailedQuietly(test::runProgram(
        PROGRAM, {.input = "1 3 1 2 3\n2\n3 2\n4\n5\n", .outputPath = "/dev/full"}));
}

// Each invalid choice writes the menu again, so endless input makes endless output.
TEST(arraymenu, failed_write_ends_endless_input) {
    SKIP_UNDER_RUNNER("/dev/full, a closed descriptor and SIGPIPE");
    test::expectEndsAtFailedWrite(PROGRAM, "0\n");
}

// A long scripted session writes far more than its reader may take.
TEST(arraymenu, closed_pipe_ends_a_long_session_quietly) {
    const test::Run run = test::runProgram(
        PROGRAM, {.input = test::repeat("0\n", 200000) + "5\n", .outputLimit = 1 << 16});
    test::expectFailedQuietly(run);
    EXPECT_EQ(run.output.substr(0, 2 * MENU.size()), MENU + MENU);
}

} // namespace
