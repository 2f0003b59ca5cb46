// Soak: every program meets many seeded pseudo-random inputs. Whatever the input, a run
// ends by itself in time, not by a signal, with status 0 or 1 and nothing on standard error,
// and its output ends the way that status says (the last prompt at the end of input, the
// closing text after a normal end). Where the input itself says how the run must end (a whole
// session, one cut short, a bad answer spliced in, a list file), the run must end that way.
//
// Case k of a program draws everything from std::mt19937_64 seeded with BASE_SEED + k, so a case
// replays alone: SOAK_SEED=<seed> soak_test --gtest_filter=soak.<program>. SOAK_SCALE=<n> runs n
// times as many cases.
#include "program.hpp"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Rng = std::mt19937_64;

constexpr std::uint64_t BASE_SEED = 1;
constexpr auto RUN_TIMEOUT = std::chrono::seconds(10);
constexpr std::size_t OUTPUT_LIMIT = std::size_t{64} << 20; // far above any sound run's output
constexpr std::size_t MEGABYTE = std::size_t{1} << 20;
constexpr int REPORTED_FAILURES = 3; // past these, a broken program would only repeat itself
constexpr std::int32_t INT32_LOWEST = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t INT32_HIGHEST = std::numeric_limits<std::int32_t>::max();

// ---------------------------------------------------------------------------------------------
// Drawing

std::int64_t between(Rng& rng, std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(rng);
}

bool chance(Rng& rng, int percent) {
    return between(rng, 0, 99) < percent;
}

const std::string& pick(Rng& rng, const std::vector<std::string>& items) {
    return items[static_cast<std::size_t>(between(rng, 0, std::ssize(items) - 1))];
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

// A 32-bit value, often at or next to an edge where arithmetic goes wrong.
std::int32_t anyValue(Rng& rng) {
    switch (between(rng, 0, 3)) {
    case 0: {
        static constexpr std::int32_t edges[] = {INT32_LOWEST,      INT32_LOWEST + 1, -1, 0, 1,
                                                 INT32_HIGHEST - 1, INT32_HIGHEST};
        return edges[between(rng, 0, std::ssize(edges) - 1)];
    }
    case 1:
        return static_cast<std::int32_t>(between(rng, -100, 100));
    case 2:
        return static_cast<std::int32_t>(between(rng, -1000000, 1000000));
    default:
        return static_cast<std::int32_t>(between(rng, INT32_LOWEST, INT32_HIGHEST));
    }
}

std::string letters(Rng& rng, std::int64_t length) {
    std::string text;
    for (std::int64_t k = 0; k < length; ++k) {
        text += static_cast<char>(chance(rng, 50) ? 'a' + between(rng, 0, 25)
                                                  : 'A' + between(rng, 0, 25));
    }
    return text;
}

std::string digits(Rng& rng, std::int64_t length) {
    std::string text;
    for (std::int64_t k = 0; k < length; ++k) {
        text += static_cast<char>('0' + between(rng, 0, 9));
    }
    return text;
}

// Tokens with no 32-bit integer at their start: a token reader refuses each one whole.
std::string badToken(Rng& rng) {
    static const std::vector<std::string> tokens = {
        "abc",   "x7",       "-",          "+",           "--5",
        "+-3",   "-x",       ".5",         "e9",          "nan",
        "inf",   "Enter",    "2147483648", "-2147483649", "99999999999999999999999999",
        "\xff",  "\x01\x02", "\x7f",       "\xc3\xa9",    "\0"s,
        "\0007"s};
    switch (between(rng, 0, 3)) {
    case 0:
        return letters(rng, between(rng, 1, 12));
    case 1:
        return (chance(rng, 50) ? "-" : "") + std::string("9") + digits(rng, between(rng, 10, 300));
    default:
        return pick(rng, tokens);
    }
}

// Printable tokens of every sort a user might type: numbers of every size, signs, words, and
// numbers run together with words. Menu choices and counts come often, so that the menus go
// deep.
std::string randomToken(Rng& rng) {
    switch (between(rng, 0, 11)) {
    case 0:
    case 1:
    case 2:
        return number(between(rng, -3, 8));
    case 3:
        return number(between(rng, 0, 120));
    case 4:
        return number(anyValue(rng));
    case 5:
        return badToken(rng);
    case 6:
        return letters(rng, between(rng, 1, 8));
    case 7:
        return pick(rng, {"", "+", "-"}) + digits(rng, between(rng, 1, 40));
    case 8:
        return number(between(rng, -200, 200)) + letters(rng, between(rng, 1, 4));
    case 9:
        return pick(rng, {"+", "-", "+-", "--", "-+1", "+0", "-0", "007", "00000000000000000001"});
    default:
        return pick(rng, {"3.5", "1e5", ".5", "7.", "-0.0", "1,000", "0x10", "1e999", "1e308",
                          "-1e-320", "6000000", "15000000.5"});
    }
}

// Bytes of any value, NUL and 0xFF included, leaning towards those that carry meaning.
std::string randomBytes(Rng& rng, std::int64_t length) {
    static const std::string meaningful = " \n\t0123456789-+.";
    std::string text;
    for (std::int64_t k = 0; k < length; ++k) {
        if (chance(rng, 35)) {
            text +=
                meaningful[static_cast<std::size_t>(between(rng, 0, std::ssize(meaningful) - 1))];
        } else if (chance(rng, 10)) {
            text += '\0';
        } else {
            text += static_cast<char>(between(rng, 0, 255));
        }
    }
    return text;
}

// One line of `length` characters without a newline, of one kind.
std::string longLine(Rng& rng, std::size_t length) {
    switch (between(rng, 0, 5)) {
    case 0:
        return digits(rng, static_cast<std::int64_t>(length));
    case 1:
        return "-" + std::string(length - 1, '9');
    case 2:
        return std::string(length, ' ');
    case 3:
        return std::string(length, '\0');
    case 4:
        return std::string(length - 1, '0') + "7";
    default:
        return letters(rng, static_cast<std::int64_t>(length));
    }
}

// ---------------------------------------------------------------------------------------------
// Well-formed sessions

// An answer of a session; `reasked` when a bad answer in its place is refused and the same
// question comes again, so that the session goes on as before.
enum class Question { Any, EmployeeCount };
struct Answer {
    std::string text{};
    bool reasked = true;
    Question question = Question::Any;
};
using Session = std::vector<Answer>;

// A session as typed: each answer followed by its separator. `ends[k]` is where the input
// holding the first k answers ends; `tokenEnds[k]` the same without the last separator.
struct Typed {
    std::string text{};
    std::vector<std::size_t> ends{0};
    std::vector<std::size_t> tokenEnds{0};
};

Typed type(Rng& rng, const Session& session, bool lines) {
    static const std::vector<std::string> separators = {" ", "\n", "\t", "  ", "\n\n", " \n"};
    Typed typed;
    for (const auto& answer : session) {
        typed.text += answer.text;
        typed.tokenEnds.push_back(typed.text.size());
        typed.text += lines ? (chance(rng, 10) ? "\r\n" : "\n") : pick(rng, separators);
        typed.ends.push_back(typed.text.size());
    }
    return typed;
}

// Bad answers spliced in where they are asked again: the session still ends as it would.
Session splice(Rng& rng, Session session, std::string (*bad)(Rng&, const Answer&)) {
    const auto count = between(rng, 1, 4);
    for (std::int64_t k = 0; k < count; ++k) {
        const auto at = static_cast<std::size_t>(between(rng, 0, std::ssize(session) - 1));
        if (session[at].reasked) {
            session.insert(session.begin() + static_cast<std::ptrdiff_t>(at),
                           Answer{bad(rng, session[at]), true, session[at].question});
        }
    }
    return session;
}

std::string badTokenAnswer(Rng& rng, const Answer&) {
    return badToken(rng);
}

Session dailysalesSession(Rng& rng, std::int64_t steps, std::int64_t maxDays) {
    static const std::vector<std::string> choices = {
        "1", "1", "1", "2", "3", "4", "5", "5", "0", "7", "-1", number(INT32_LOWEST)};
    static const std::vector<std::string> refusedCounts = {"0", "-3", "101", number(INT32_HIGHEST)};
    Session session;
    bool hasData = false;
    for (std::int64_t step = 0; step < steps; ++step) {
        const std::string& choice = pick(rng, choices);
        session.push_back({choice});
        if (choice == "1") {
            while (chance(rng, 20)) {
                session.push_back({pick(rng, refusedCounts)});
            }
            const auto days = chance(rng, 5) ? maxDays : between(rng, 1, maxDays);
            session.push_back({number(days)});
            for (std::int64_t day = 0; day < days; ++day) {
                session.push_back({number(anyValue(rng))});
            }
            hasData = true;
        } else if (choice == "5" && hasData) {
            session.push_back({number(anyValue(rng))});
        }
    }
    session.push_back({"6"});
    return session;
}

Session arraymenuSession(Rng& rng, std::int64_t steps, std::int64_t maxElements) {
    static const std::vector<std::string> choices = {
        "1", "1", "1", "2", "3", "3", "4", "0", "6", "-1", number(INT32_HIGHEST)};
    static const std::vector<std::string> refusedCounts = {"0", "-5", "101", number(INT32_LOWEST)};
    Session session;
    bool hasData = false;
    for (std::int64_t step = 0; step < steps; ++step) {
        const std::string& choice = pick(rng, choices);
        session.push_back({choice});
        if (choice == "1") {
            // A bad count is refused with a message and the menu follows, so nothing is
            // spliced in before a count.
            if (chance(rng, 15)) {
                session.push_back({pick(rng, refusedCounts), false});
                continue;
            }
            const auto count = chance(rng, 5) ? maxElements : between(rng, 1, maxElements);
            session.push_back({number(count), false});
            for (std::int64_t k = 0; k < count; ++k) {
                session.push_back({number(anyValue(rng))});
            }
            hasData = true;
        } else if (choice == "3" && hasData) {
            session.push_back({number(anyValue(rng))});
        }
    }
    session.push_back({"5"});
    return session;
}

const std::string PAYROLL_COUNT_PROMPT = "Nhap so nhan vien (1-100): ";
const std::string PAYROLL_SALARY_PROMPT = "Nhap luong co ban: ";

// Salaries in the decimal notation a person types, often on a tier or tax boundary; now and
// then one at or near the largest salary taken, whose amounts are huge.
std::string salary(Rng& rng) {
    static const std::vector<std::string> salaries = {
        "0",        "5000000",   "5999999",  "6000000",  "7000000", "8000000",
        "10000000", "15000000",  "15000001", "20000000", "1.5e6",   ".5",
        "7.",       "5,000,000", "1e306",    "9.99e305"};
    std::string text = chance(rng, 50) ? pick(rng, salaries)
                                       : number(between(rng, 0, 100000000)) + "." + digits(rng, 2);
    if (chance(rng, 10)) {
        text = "  " + text;
    }
    if (chance(rng, 10)) {
        text += " dong";
    }
    return text;
}

Session payrollSession(Rng& rng, std::int64_t maxEmployees) {
    const auto employees = chance(rng, 5) ? maxEmployees : between(rng, 1, maxEmployees);
    Session session;
    session.push_back({pick(rng, {"", " ", "+", "\t"}) + number(employees) +
                           pick(rng, {"", "", " people", ".9", "abc"}),
                       true, Question::EmployeeCount});
    for (std::int64_t k = 0; k < employees; ++k) {
        session.push_back({salary(rng)});
    }
    return session;
}

// Lines that every prompt of payroll refuses, shorter than one read; the first answer of a
// session is the employee count.
std::string badLine(Rng& rng, const Answer& before) {
    static const std::vector<std::string> forAny = {"",  "   ", "\t", "abc",    "-",
                                                    "+", ".",   "x5", "\0005"s, "\xff 1"};
    static const std::vector<std::string> forCount = {"0",          "101",          "-5",
                                                      "2147483648", "-99999999999", ".5"};
    static const std::vector<std::string> forSalary = {
        "-1", "-0.01", "e5", "inf", "nan", "infinity", "1e999", "-1e999", "-5e3", "2e306", "1e308"};
    if (chance(rng, 40)) {
        return pick(rng, forAny);
    }
    return pick(rng, before.question == Question::EmployeeCount ? forCount : forSalary);
}

Session hollowtriSession(Rng& rng) {
    return {{pick(rng, {"", " ", "\n\t "}) + number(between(rng, -5, 300)) +
             pick(rng, {"", "", " 7", "abc"})}};
}

// ---------------------------------------------------------------------------------------------
// A trial: one run of a program, and what its input says about the end of it

struct Trial {
    std::string input{};
    test::Files files{};
    std::vector<std::string> directories{};
    std::optional<int> status{};         // how the run must end, where the input says
    std::optional<std::string> output{}; // standard output, where the input fixes it
    std::optional<std::string> result{}; // numstats: output1.txt afterwards, where fixed
};

// The session cut off at every prompt: each cut meets the end of input before the session's
// last answer and ends with status 1; the whole session ends with status 0. The last answer
// of a cut sometimes comes without its separator.
std::vector<Trial> cuts(Rng& rng, const Session& session, bool lines) {
    const Typed typed = type(rng, session, lines);
    std::vector<Trial> trials;
    for (std::size_t k = 0; k <= session.size(); ++k) {
        const std::size_t end = chance(rng, 30) ? typed.tokenEnds[k] : typed.ends[k];
        trials.push_back(
            {.input = typed.text.substr(0, end), .status = k == session.size() ? 0 : 1});
    }
    return trials;
}

// Random printable tokens, random bytes, or a very long line among parts of a session.
Trial noise(Rng& rng, const Session& session, bool lines) {
    static const std::vector<std::string> separators = {" ", "\n", "\t", "\r", "\v", "\f", "\n\n"};
    Trial trial;
    switch (between(rng, 0, 2)) {
    case 0:
        for (auto count = between(rng, 1, 80); count > 0; --count) {
            trial.input +=
                randomToken(rng) + (lines && chance(rng, 60) ? "\n" : pick(rng, separators));
        }
        break;
    case 1:
        trial.input = randomBytes(rng, between(rng, 0, 4000));
        break;
    default: {
        // A line of a megabyte (payroll) or a quarter of one, after and before parts of a
        // session.
        const Typed typed = type(rng, session, lines);
        const auto length = static_cast<std::size_t>(lines ? between(rng, MEGABYTE - 256, MEGABYTE)
                                                           : between(rng, 1000, MEGABYTE / 4));
        const auto split =
            typed.ends[static_cast<std::size_t>(between(rng, 0, std::ssize(session)))];
        trial.input = typed.text.substr(0, split) + longLine(rng, length) +
                      (chance(rng, 50) ? "\n" + typed.text.substr(split) : "");
    }
    }
    return trial;
}

// ---------------------------------------------------------------------------------------------
// Checks: each returns what went wrong, or nothing

std::string tail(const std::string& text) {
    constexpr std::size_t shown = 120;
    return "\"" +
           (text.size() > shown ? "..." + test::visible(text.substr(text.size() - shown))
                                : test::visible(text)) +
           "\"";
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The text ends with `before`, a number of one or more digits, then `after`.
bool endsWithNumbered(const std::string& text, const std::string& before,
                      const std::string& after) {
    if (!endsWith(text, after)) {
        return false;
    }
    std::size_t start = text.size() - after.size();
    const std::size_t digitsEnd = start;
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    return start < digitsEnd && endsWith(text.substr(0, start), before);
}

std::string checkCommon(const Trial& trial, const test::Run& run) {
    if (run.timedOut) {
        return "did not end within " + number(RUN_TIMEOUT.count()) + " s";
    }
    if (run.output.size() >= OUTPUT_LIMIT) {
        return "wrote more than " + number(OUTPUT_LIMIT / MEGABYTE) + " MB";
    }
    if (run.signal != 0) {
        return "ended by signal " + number(run.signal);
    }
    if (run.status != 0 && run.status != 1) {
        return "ended with status " + number(run.status);
    }
    if (!run.errors.empty()) {
        return "wrote to standard error:\n" + run.errors.substr(0, 4000);
    }
    if (trial.status && run.status != *trial.status) {
        return "ended with status " + number(run.status) + " where its input calls for " +
               number(*trial.status) + "; output ends " + tail(run.output);
    }
    if (trial.output) {
        const auto same = test::sameText(*trial.output, run.output);
        if (!same) {
            return std::string("standard output: ") + same.message();
        }
    }
    return "";
}

const std::string DAILYSALES_MENU = "\n=== Enhanced Sales Data Management Menu ===\n";

std::string checkDailysales(const Trial&, const test::Run& run) {
    const std::string& out = run.output;
    if (!startsWith(out, DAILYSALES_MENU)) {
        return "does not begin with the menu: " + tail(out.substr(0, 100));
    }
    const bool ended = run.status == 0 ? endsWith(out, "Exiting program...\n")
                                       : endsWith(out, "Enter your choice: ") ||
                                             endsWith(out, "Enter number of days (1 - 100): ") ||
                                             endsWithNumbered(out, "Day ", " sales: ") ||
                                             endsWith(out, "Enter target: ");
    return ended ? "" : "status " + number(run.status) + " but the output ends " + tail(out);
}

const std::string ARRAYMENU_MENU =
    "---menu---\n1. nhap data\n2. hien  data\n3. tim 1 so\n4. tinh toan\n5 exit\n";

std::string checkArraymenu(const Trial&, const test::Run& run) {
    const std::string& out = run.output;
    if (!startsWith(out, ARRAYMENU_MENU)) {
        return "does not begin with the menu: " + tail(out.substr(0, 100));
    }
    const bool ended = run.status == 0
                           ? endsWith(out, "thoat chuong trinh\n")
                           : endsWith(out, ARRAYMENU_MENU) ||
                                 endsWith(out, "Enter number of elements (1 to 100): ") ||
                                 endsWithNumbered(out, "Enter element ", ": ") ||
                                 endsWith(out, "nhap so muon tim \n");
    return ended ? "" : "status " + number(run.status) + " but the output ends " + tail(out);
}

std::string checkPayroll(const Trial&, const test::Run& run) {
    const std::string& out = run.output;
    if (!startsWith(out, PAYROLL_COUNT_PROMPT)) {
        return "does not begin with the count prompt: " + tail(out.substr(0, 100));
    }
    if (out.find("inf") != std::string::npos || out.find("nan") != std::string::npos) {
        return "writes an amount that is not a finite number: " + tail(out);
    }
    bool ended = false;
    if (run.status == 0) {
        const std::size_t lastLine = out.rfind('\n', out.size() >= 2 ? out.size() - 2 : 0);
        ended = endsWith(out, "\n") && lastLine != std::string::npos &&
                startsWith(out.substr(lastLine + 1), "So nhan vien phu cap 10%: ");
    } else {
        ended = endsWith(out, PAYROLL_COUNT_PROMPT + "Loi IO. Thoat.\n") ||
                endsWith(out, PAYROLL_SALARY_PROMPT + "Loi IO. Thoat.\n");
    }
    return ended ? "" : "status " + number(run.status) + " but the output ends " + tail(out);
}

// hollowtri's whole output follows from its input: each trial carries it, and it is compared
// byte for byte with the rest of the common checks.
std::string checkHollowtri(const Trial&, const test::Run&) {
    return "";
}

const std::string NUMSTATS_SUCCESS = "Results are writen to file output.txt\n";

bool isInteger(const std::string& text) {
    const std::size_t start = startsWith(text, "-") ? 1 : 0;
    return text.size() > start && text.find_first_not_of("0123456789", start) == std::string::npos;
}

// The four lines of output1.txt: "Sum: %d", "Average: %.2f", "Max: %d", "Min: %d".
bool isResultFile(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            return false;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.size() != 4 || !startsWith(lines[0], "Sum: ") || !startsWith(lines[1], "Average: ") ||
        !startsWith(lines[2], "Max: ") || !startsWith(lines[3], "Min: ")) {
        return false;
    }
    const std::string average = lines[1].substr(9);
    const std::size_t point = average.find('.');
    return isInteger(lines[0].substr(5)) && point != std::string::npos &&
           point + 3 == average.size() && isInteger(average.substr(0, point)) &&
           average.find_first_not_of("0123456789", point + 1) == std::string::npos &&
           isInteger(lines[2].substr(5)) && isInteger(lines[3].substr(5));
}

std::string checkNumstats(const Trial& trial, const test::Run& run) {
    if (run.status == 1) {
        if (run.output.empty() || run.output.find('\n') != run.output.size() - 1) {
            return "failed without exactly one line on standard output: " + tail(run.output);
        }
        return run.files == trial.files ? "" : "failed, yet changed the files in its directory";
    }
    if (run.output != NUMSTATS_SUCCESS) {
        return "succeeded with the output " + tail(run.output);
    }
    test::Files expected = trial.files;
    const auto written = run.files.find("output1.txt");
    if (written == run.files.end()) {
        return "succeeded without output1.txt";
    }
    expected["output1.txt"] = written->second;
    if (run.files != expected) {
        return "succeeded, yet left other files than output1.txt changed";
    }
    if (!isResultFile(written->second)) {
        return "output1.txt is not the four result lines: " + tail(written->second);
    }
    if (trial.result && written->second != *trial.result) {
        return "output1.txt holds " + tail(written->second) + " where its list calls for " +
               tail(*trial.result);
    }
    return "";
}

// ---------------------------------------------------------------------------------------------
// What each program gets

// A menu program's trials; `session(rng, steps, capacity)` makes one of its sessions.
std::vector<Trial> menuTrials(Rng& rng, Session (*session)(Rng&, std::int64_t, std::int64_t)) {
    switch (between(rng, 0, 3)) {
    case 0:
        return cuts(rng, session(rng, between(rng, 1, 4), 3), false);
    case 1: {
        const Session spliced = splice(rng, session(rng, between(rng, 1, 8), 100), badTokenAnswer);
        return {{.input = type(rng, spliced, false).text, .status = 0}};
    }
    default:
        return {noise(rng, session(rng, 3, 5), false)};
    }
}

std::vector<Trial> dailysalesTrials(Rng& rng) {
    return menuTrials(rng, dailysalesSession);
}

std::vector<Trial> arraymenuTrials(Rng& rng) {
    return menuTrials(rng, arraymenuSession);
}

std::vector<Trial> payrollTrials(Rng& rng) {
    switch (between(rng, 0, 3)) {
    case 0:
        return cuts(rng, payrollSession(rng, 5), true);
    case 1: {
        const Session session = splice(rng, payrollSession(rng, 100), badLine);
        return {{.input = type(rng, session, true).text, .status = 0}};
    }
    default:
        return {noise(rng, payrollSession(rng, 5), true)};
    }
}

// The height hollowtri reads: white space, then an optional sign and decimal digits that make
// a 32-bit value; none when the input does not begin so.
std::optional<std::int64_t> leadingHeight(const std::string& input) {
    std::size_t at = input.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const bool negative = input[at] == '-';
    if (input[at] == '-' || input[at] == '+') {
        ++at;
    }
    std::int64_t value = 0;
    const std::size_t first = at;
    for (; at < input.size() && input[at] >= '0' && input[at] <= '9'; ++at) {
        value = std::min<std::int64_t>(value * 10 + (input[at] - '0'), std::int64_t{1} << 40);
    }
    value = negative ? -value : value;
    if (at == first || value < INT32_LOWEST || value > INT32_HIGHEST) {
        return std::nullopt;
    }
    return value;
}

// Row i of height n: i blanks, then 2(n - i) - 1 characters, asterisks on the top row and at
// both ends below it.
std::string triangle(std::int64_t height) {
    std::string rows;
    for (std::int64_t i = 0; i < height; ++i) {
        const std::int64_t run = 2 * (height - i) - 1;
        rows += std::string(static_cast<std::size_t>(i), ' ');
        for (std::int64_t j = 0; j < run; ++j) {
            rows += i == 0 || j == 0 || j == run - 1 ? '*' : ' ';
        }
        rows += '\n';
    }
    return rows;
}

// Heights stay small: a huge one streams until its reader stops, which other tests cover.
constexpr std::int64_t MAX_HEIGHT = 300;

std::vector<Trial> hollowtriTrials(Rng& rng) {
    std::vector<Trial> trials;
    switch (between(rng, 0, 3)) {
    case 0:
        trials = cuts(rng, hollowtriSession(rng), false);
        break;
    case 1: {
        const Session session = splice(rng, hollowtriSession(rng), badTokenAnswer);
        trials = {{.input = type(rng, session, false).text}};
        break;
    }
    default:
        do {
            trials = {noise(rng, hollowtriSession(rng), false)};
        } while (leadingHeight(trials.front().input).value_or(0) > MAX_HEIGHT);
    }
    for (auto& trial : trials) {
        const auto height = leadingHeight(trial.input);
        trial.status = height ? 0 : 1;
        trial.output = "Nhap n: " + (height ? "OUTPUT:\n" + triangle(*height) : "");
    }
    return trials;
}

// numstats reads its list file, not standard input: the list is drawn the same ways as the
// other programs' input, and a result file may stand there beforehand.
std::string resultFile(const std::vector<std::int32_t>& values) {
    std::int64_t sum = 0;
    for (const auto value : values) {
        sum += value;
    }
    const float average = static_cast<float>(sum) / static_cast<float>(values.size());
    char text[200];
    std::snprintf(text, sizeof text, "Sum: %lld\nAverage: %.2f\nMax: %d\nMin: %d\n",
                  static_cast<long long>(sum), static_cast<double>(average),
                  *std::max_element(values.begin(), values.end()),
                  *std::min_element(values.begin(), values.end()));
    return text;
}

std::vector<Trial> numstatsTrials(Rng& rng) {
    const auto count = chance(rng, 5) ? 1000 : between(rng, 1, chance(rng, 50) ? 6 : 1000);
    std::vector<std::int32_t> values;
    Session list = {{number(count)}};
    for (std::int64_t k = 0; k < count; ++k) {
        values.push_back(anyValue(rng));
        list.push_back({number(values.back())});
    }
    const std::size_t used = list.size(); // the count and the values
    for (auto extra = chance(rng, 30) ? between(rng, 1, 5) : 0; extra > 0; --extra) {
        list.push_back({randomToken(rng)});
    }
    const std::string result = resultFile(values);

    std::vector<Trial> trials;
    switch (between(rng, 0, 4)) {
    case 0: {
        // The list cut after every token: short of its last value it fails, whole it succeeds.
        values.resize(std::min<std::size_t>(values.size(), 8));
        list.resize(values.size() + 1);
        list.front().text = number(std::ssize(values));
        trials = cuts(rng, list, false);
        for (auto& trial : trials) {
            if (trial.status == 0) {
                trial.result = resultFile(values);
            }
        }
        trials.front().output = "Number elements of array is invalid.\n";
        break;
    }
    case 1: {
        // A bad token before the last needed value fails the run; one after it is never read.
        const auto at = static_cast<std::size_t>(between(rng, 0, std::ssize(list)));
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), Answer{badToken(rng)});
        Trial trial{.input = type(rng, list, false).text, .status = at < used ? 1 : 0};
        if (at >= used) {
            trial.result = result;
        }
        trials = {trial};
        break;
    }
    case 2: {
        static const std::vector<std::string> invalid = {
            "0", "-5", "1001", number(INT32_HIGHEST), number(INT32_LOWEST), "2147483648"};
        list.front().text = pick(rng, invalid);
        trials = {{.input = type(rng, list, false).text,
                   .status = 1,
                   .output = "Number elements of array is invalid.\n"}};
        break;
    }
    default:
        trials = {noise(rng, list, false)};
    }

    for (auto& trial : trials) {
        trial.files["input.txt"] = trial.input;
        trial.input.clear();
        if (chance(rng, 60)) {
            trial.files["output1.txt"] =
                chance(rng, 50) ? "Sum: 1\nAverage: 1.00\nMax: 1\nMin: 1\n" : randomBytes(rng, 50);
        }
        if (chance(rng, 3)) {
            trial.files.erase("input.txt");
            trial.status = 1;
            trial.output = "File input.txt is not opened\n";
            trial.result.reset();
        } else if (chance(rng, 3)) {
            trial.files.erase("output1.txt");
            trial.directories = {"output1.txt"};
            if (trial.status == 0) {
                trial.status = 1;
                trial.output = "Can't open file output.txt\n";
                trial.result.reset();
            }
        }
    }
    return trials;
}

// ---------------------------------------------------------------------------------------------
// Running the cases

struct Soak {
    std::string program{};
    std::string path{}; // the built program
    int cases = 0;      // at SOAK_SCALE 1
    std::vector<Trial> (*trials)(Rng&) = nullptr;
    std::string (*check)(const Trial&, const test::Run&) = nullptr;
};

const std::vector<Soak> SOAKS = {
    {"dailysales", DAILYSALES_PATH, 250, dailysalesTrials, checkDailysales},
    {"numstats", NUMSTATS_PATH, 250, numstatsTrials, checkNumstats},
    {"arraymenu", ARRAYMENU_PATH, 250, arraymenuTrials, checkArraymenu},
    {"payroll", PAYROLL_PATH, 250, payrollTrials, checkPayroll},
    {"hollowtri", HOLLOWTRI_PATH, 250, hollowtriTrials, checkHollowtri},
};

std::optional<std::uint64_t> environmentNumber(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return std::nullopt;
    }
    return std::stoull(text);
}

// The trial's input as a failure shows it: each text in full when short, its start otherwise.
std::string excerpt(const Trial& trial) {
    constexpr std::size_t shown = 200;
    const auto text = [](const std::string& content) {
        return "\"" + test::visible(content.substr(0, shown)) + "\"" +
               (content.size() > shown ? "... (" + number(std::ssize(content)) + " bytes)" : "");
    };
    std::string description = "stdin " + text(trial.input);
    for (const auto& [name, content] : trial.files) {
        description += ", " + name + " " + text(content);
    }
    for (const auto& directory : trial.directories) {
        description += ", " + directory + "/ (a folder)";
    }
    return description;
}

// Writes the trial's standard input and files into a folder of their own, for a replay by
// hand, and returns the folder.
fs::path keep(const Soak& soak, std::uint64_t seed, std::size_t index, const Trial& trial) {
    const fs::path folder =
        fs::path(SOAK_KEEP_DIR) / (soak.program + "-" + number(static_cast<std::int64_t>(seed)) +
                                   "-" + number(static_cast<std::int64_t>(index)));
    fs::remove_all(folder);
    fs::create_directories(folder / "files");
    std::ofstream(folder / "stdin", std::ios::binary) << trial.input;
    for (const auto& [name, content] : trial.files) {
        std::ofstream(folder / "files" / name, std::ios::binary) << content;
    }
    for (const auto& directory : trial.directories) {
        fs::create_directories(folder / "files" / directory);
    }
    return folder;
}

void soakTest(const Soak& soak) {
    const auto only = environmentNumber("SOAK_SEED");
    const auto scale = environmentNumber("SOAK_SCALE").value_or(1);
    const std::uint64_t first = only.value_or(BASE_SEED);
    const std::uint64_t last =
        only ? *only : BASE_SEED + scale * static_cast<std::uint64_t>(soak.cases) - 1;
    const std::string program = fs::read_symlink("/proc/self/exe").string();

    int failures = 0;
    std::size_t runs = 0;
    for (std::uint64_t seed = first; seed <= last && failures < REPORTED_FAILURES; ++seed) {
        Rng rng(seed);
        const std::vector<Trial> trials = soak.trials(rng);
        for (std::size_t index = 0; index < trials.size(); ++index) {
            const Trial& trial = trials[index];
            const test::Run run = test::runProgram(soak.path, {.input = trial.input,
                                                               .files = trial.files,
                                                               .directories = trial.directories,
                                                               .outputLimit = OUTPUT_LIMIT,
                                                               .timeout = RUN_TIMEOUT});
            ++runs;
            std::string problem = checkCommon(trial, run);
            if (problem.empty()) {
                problem = soak.check(trial, run);
            }
            if (only) {
                std::cout << "trial " << index << ": " << keep(soak, seed, index, trial).string()
                          << ": " << (problem.empty() ? "passes" : problem) << '\n';
            }
            if (!problem.empty()) {
                ADD_FAILURE() << soak.program << ", seed " << seed << ", trial " << index << ": "
                              << problem << "\n  input: " << excerpt(trial) << "\n  kept in "
                              << keep(soak, seed, index, trial).string()
                              << " (stdin, files/)\n  replay: SOAK_SEED=" << seed << ' ' << program
                              << " --gtest_filter=soak." << soak.program;
                ++failures;
                break;
            }
        }
    }
    std::cout << "soak." << soak.program << ": seeds " << first << " to " << last << ", " << runs
              << " runs\n";
}

const bool registered = [] {
    for (const auto& soak : SOAKS) {
        testing::RegisterTest("soak", soak.program.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                              [&soak]() -> testing::Test* {
                                  struct SoakTest : testing::Test {
                                      explicit SoakTest(const Soak& s) : soak_(s) {}
                                      void TestBody() override { soakTest(soak_); }
                                      const Soak& soak_;
                                  };
                                  return new SoakTest(soak);
                              });
    }
    return true;
}();

} // namespace
