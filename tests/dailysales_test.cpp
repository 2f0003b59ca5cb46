#include "program.hpp"

#include <string>
#include <utility>
#include <vector>

namespace {

using test::Case;
using namespace std::string_literals;

const std::string PROGRAM = PROGRAM_PATH;

const std::string MENU = "\n=== Enhanced Sales Data Management Menu ===\n"
                         "1. Input Sales Data\n"
                         "2. Display Sales Data\n"
                         "3. Sort Sales Data in Ascending Order\n"
                         "4. Sort Sales Data in Descending Order\n"
                         "5. Search for Sales Greater Than a Target\n"
                         "6. Exit\n"
                         "Enter your choice: ";
const std::string REFUSED = "Please input sales data first!\n";
const std::string INVALID = "Invalid choice! Please try again.\n";
const std::string EXITING = "Exiting program...\n";
const std::string COUNT_PROMPT = "Enter number of days (1 - 100): ";
const std::string TARGET_PROMPT = "Enter target: ";

std::string dayPrompt(int day) {
    return "Day " + std::to_string(day) + " sales: ";
}

// The prompts of an entry of `days` days, each answered at once.
std::string entry(int days) {
    std::string text = COUNT_PROMPT;
    for (int day = 1; day <= days; ++day) {
        text += dayPrompt(day);
    }
    return text;
}

std::string dayLine(int day, int figure) {
    return "Day " + std::to_string(day) + ": " + std::to_string(figure) + "\n";
}

std::string listing(const std::vector<int>& figures) {
    std::string text = "\n--- Sales Data ---\n";
    for (std::size_t k = 0; k < figures.size(); ++k) {
        text += dayLine(static_cast<int>(k) + 1, figures[k]);
    }
    return text;
}

std::string figureLine(const std::vector<int>& figures) {
    std::string text;
    for (const int figure : figures) {
        text += std::to_string(figure) + " ";
    }
    return text + "\n";
}

std::string ascending(const std::vector<int>& sorted) {
    return "\n--- Sales Data Ascending ---\n" + figureLine(sorted);
}

std::string descending(const std::vector<int>& sorted) {
    return "\n--- Sales Data Descending ---\n" + figureLine(sorted);
}

// `days` holds the listed days as (day, figure) pairs.
std::string search(int target, const std::vector<std::pair<int, int>>& days) {
    std::string text = "\n--- Sales Greater Than " + std::to_string(target) + " ---\n";
    for (const auto& [day, figure] : days) {
        text += dayLine(day, figure);
    }
    if (days.empty()) {
        text += "No sales greater than " + std::to_string(target) + " found.\n";
    }
    return text;
}

// 100 days: odd days sell their day number, even days lose it, so both sorted views differ
// from the order of entry.
std::vector<int> hundredFigures() {
    std::vector<int> figures;
    for (int day = 1; day <= 100; ++day) {
        figures.push_back(day % 2 == 1 ? day : -day);
    }
    return figures;
}

Case hundredDays() {
    const std::vector<int> figures = hundredFigures();
    std::string input = "1\n100\n";
    for (const int figure : figures) {
        input += std::to_string(figure) + "\n";
    }
    input += "2\n3\n4\n5\n0\n6\n";

    std::vector<int> up;
    std::vector<int> down;
    std::vector<std::pair<int, int>> aboveZero;
    for (int k = 100; k >= 2; k -= 2) {
        up.push_back(-k);
    }
    for (int k = 1; k <= 99; k += 2) {
        up.push_back(k);
        aboveZero.emplace_back(k, k);
    }
    down.assign(up.rbegin(), up.rend());
    return {.name = "hundred_days_in_every_view",
            .input = input,
            .output = MENU + entry(100) + MENU + listing(figures) + MENU + ascending(up) + MENU +
                      descending(down) + MENU + TARGET_PROMPT + search(0, aboveZero) + MENU +
                      EXITING};
}

const std::string HUGE_NUMBER(3'000'000, '9');
const std::string HUGE_WORD(3'000'000, 'x');
const std::string LEADING_ZEROS(1'000'000, '0');

const std::vector<Case> CASES = {
    // The menu before any entry.
    {.name = "exit_at_once", .input = "6\n", .output = MENU + EXITING},
    {.name = "operations_refused_before_entry_and_no_target_asked",
     .input = "2\n3\n4\n5\n10\n6\n",
     .output = test::repeat(MENU + REFUSED, 4) + MENU + INVALID + MENU + EXITING},
    {.name = "choices_outside_the_menu_are_invalid",
     .input = "0\n-1\n7\n6\n",
     .output = test::repeat(MENU + INVALID, 3) + MENU + EXITING},

    // The menu with a record.
    {.name = "every_choice_after_entry",
     .input = "1\n3\n5\n2\n8\n2\n3\n4\n5\n5\n0\n-1\n7\n6\n",
     .output = MENU + entry(3) + MENU + listing({5, 2, 8}) + MENU + ascending({2, 5, 8}) + MENU +
               descending({8, 5, 2}) + MENU + TARGET_PROMPT + search(5, {{3, 8}}) +
               test::repeat(MENU + INVALID, 3) + MENU + EXITING},
    {.name = "sorted_views_keep_the_entry_order",
     .input = "1\n3\n5\n2\n8\n3\n5\n4\n4\n2\n6\n",
     .output = MENU + entry(3) + MENU + ascending({2, 5, 8}) + MENU + TARGET_PROMPT +
               search(4, {{1, 5}, {3, 8}}) + MENU + descending({8, 5, 2}) + MENU +
               listing({5, 2, 8}) + MENU + EXITING},
    {.name = "second_entry_replaces_the_first",
     .input = "1\n3\n5\n2\n8\n1\n1\n7\n2\n6\n",
     .output = MENU + entry(3) + MENU + entry(1) + MENU + listing({7}) + MENU + EXITING},
    {.name = "day_count_outside_1_to_100_asked_again",
     .input = "1\n0\n-3\n101\n3\n5\n2\n8\n2\n6\n",
     .output = MENU + test::repeat(COUNT_PROMPT, 3) + entry(3) + MENU + listing({5, 2, 8}) + MENU +
               EXITING},
    {.name = "one_day_sorts_to_itself",
     .input = "1\n1\n42\n3\n4\n6\n",
     .output = MENU + entry(1) + MENU + ascending({42}) + MENU + descending({42}) + MENU + EXITING},
    {.name = "equal_figures",
     .input = "1\n3\n4\n4\n1\n3\n4\n5\n3\n6\n",
     .output = MENU + entry(3) + MENU + ascending({1, 4, 4}) + MENU + descending({4, 4, 1}) + MENU +
               TARGET_PROMPT + search(3, {{1, 4}, {2, 4}}) + MENU + EXITING},
    {.name = "negative_figures_sort_and_compare_by_value",
     .input = "1\n3\n-5\n0\n3\n3\n4\n5\n-1\n6\n",
     .output = MENU + entry(3) + MENU + ascending({-5, 0, 3}) + MENU + descending({3, 0, -5}) +
               MENU + TARGET_PROMPT + search(-1, {{2, 0}, {3, 3}}) + MENU + EXITING},
    {.name = "search_is_strictly_greater",
     .input = "1\n3\n5\n2\n8\n5\n5\n5\n8\n5\n100\n6\n",
     .output = MENU + entry(3) + MENU + TARGET_PROMPT + search(5, {{3, 8}}) + MENU + TARGET_PROMPT +
               search(8, {}) + MENU + TARGET_PROMPT + search(100, {}) + MENU + EXITING},
    {.name = "figures_at_the_32_bit_limits",
     .input = "1\n3\n2147483647\n-2147483648\n0\n3\n4\n5\n-2147483648\n2\n6\n",
     .output = MENU + entry(3) + MENU + ascending({-2147483647 - 1, 0, 2147483647}) + MENU +
               descending({2147483647, 0, -2147483647 - 1}) + MENU + TARGET_PROMPT +
               search(-2147483647 - 1, {{1, 2147483647}, {3, 0}}) + MENU +
               listing({2147483647, -2147483647 - 1, 0}) + MENU + EXITING},
    {.name = "answers_all_on_one_line",
     .input = "1 3 5 2 8 2 6",
     .output = MENU + entry(3) + MENU + listing({5, 2, 8}) + MENU + EXITING},
    hundredDays(),

    // Bad answers: each is read to its end and the same question comes again.
    {.name = "word_at_the_menu_is_an_invalid_choice",
     .input = "abc\n6\n",
     .output = MENU + INVALID + MENU + EXITING},
    {.name = "number_ends_at_its_first_non_digit",
     .input = "12abc\n1 2abc 7 -4\n2\n6\n",
     .output = MENU + INVALID + MENU + INVALID + MENU + COUNT_PROMPT + dayPrompt(1) + dayPrompt(1) +
               dayPrompt(2) + MENU + listing({7, -4}) + MENU + EXITING},
    {.name = "bad_day_count_asked_again",
     .input = "1\nthree\n-\n2\n4\n5\n2\n6\n",
     .output =
         MENU + test::repeat(COUNT_PROMPT, 2) + entry(2) + MENU + listing({4, 5}) + MENU + EXITING},
    {.name = "bad_figure_asks_for_the_same_day_again",
     .input = "1\n2\n4\nfour\n+5\n2\n6\n",
     .output = MENU + entry(2) + dayPrompt(2) + MENU + listing({4, 5}) + MENU + EXITING},
    {.name = "bad_target_asked_again",
     .input = "1\n1\n7\n5\nseven\n6\n6\n",
     .output = MENU + entry(1) + MENU + TARGET_PROMPT + TARGET_PROMPT + search(6, {{1, 7}}) + MENU +
               EXITING},
    {.name = "numbers_beyond_32_bits_are_bad_answers",
     .input = "2147483648\n1\n2147483648\n1\n2147483648\n-2147483649\n-2147483648\n5\n"
              "2147483648\n99999999999999999999x\n-2147483647\n6\n",
     .output = MENU + INVALID + MENU + COUNT_PROMPT + entry(1) + test::repeat(dayPrompt(1), 2) +
               MENU + test::repeat(TARGET_PROMPT, 3) + search(-2147483647, {}) + MENU + EXITING},
    {.name = "lone_signs_and_binary_bytes_are_bad_answers",
     .input = "-\n+ -\n\0\xff\x01\n6\n"s,
     .output = test::repeat(MENU + INVALID, 4) + MENU + EXITING},
    {.name = "overlong_tokens_are_read_through",
     .input = HUGE_NUMBER + " " + HUGE_WORD + "\n" + LEADING_ZEROS + "2\n6\n",
     .output = test::repeat(MENU + INVALID, 2) + MENU + REFUSED + MENU + EXITING},

    // The end of input ends the run at once, whatever was asked.
    {.name = "end_of_input_at_the_menu", .input = " \n\t\n", .output = MENU, .status = 1},
    {.name = "end_of_input_after_a_bad_answer",
     .input = "abc",
     .output = MENU + INVALID + MENU,
     .status = 1},
    {.name = "end_of_input_at_the_day_count",
     .input = "1\n",
     .output = MENU + COUNT_PROMPT,
     .status = 1},
    {.name = "end_of_input_at_a_day",
     .input = "1\n3\n5\n",
     .output = MENU + COUNT_PROMPT + dayPrompt(1) + dayPrompt(2),
     .status = 1},
    {.name = "end_of_input_at_the_target",
     .input = "1 1 7 5\n",
     .output = MENU + entry(1) + MENU + TARGET_PROMPT,
     .status = 1},
};

const bool registered = (test::registerCases(PROGRAM, "dailysales", CASES), true);

TEST(dailysales, prompts_are_shown_before_waiting) {
    const test::DialogueRun dialogue =
        test::runDialogue(PROGRAM, {{MENU, "1\n"},
                                    {COUNT_PROMPT, "2\n"},
                                    {dayPrompt(1), "5\n"},
                                    {dayPrompt(2), "9\n"},
                                    {MENU, "5\n"},
                                    {TARGET_PROMPT, "6\n"},
                                    {search(6, {{2, 9}}) + MENU, "6\n"}});
    EXPECT_EQ(dialogue.stall, "");
    test::expectRun(dialogue.run,
                    MENU + entry(2) + MENU + TARGET_PROMPT + search(6, {{2, 9}}) + MENU + EXITING,
                    0);
}

TEST(dailysales, write_error_is_not_success) {
    SKIP_UNDER_RUNNER("standard output on /dev/full");
    test::expectFailedQuietly(
        test::runProgram(PROGRAM, {.input = "1 3 5 2 8 2 6\n", .outputPath = "/dev/full"}));
}

// Each refused choice writes a line and the menu, so endless input makes endless output.
TEST(dailysales, failed_write_ends_endless_input) {
    SKIP_UNDER_RUNNER("/dev/full, a closed descriptor and SIGPIPE");
    test::expectEndsAtFailedWrite(PROGRAM, "2\n");
}

// Reading a directory fails at once; the program must end as at the end of input, not crash.
TEST(dailysales, read_error_ends_like_the_end_of_input) {
    SKIP_UNDER_RUNNER("standard input from a folder");
    test::expectRun(test::runProgram(PROGRAM, {.inputPath = "/"}), MENU, 1);
}

// Each listing writes far more than its answer reads, so a long script makes a lot of output.
TEST(dailysales, closed_pipe_ends_quietly) {
    std::string input = "1\n100\n" + test::repeat("1\n", 100) + test::repeat("2\n", 100000);
    const test::Run run = test::runProgram(PROGRAM, {.input = input, .outputLimit = 1 << 20});
    test::expectFailedQuietly(run);
    EXPECT_EQ(run.output.substr(0, MENU.size()), MENU);
}

} // namespace
