// The manual pages, checked against the built programs and against man:
// - manpage.PAGE_example_N runs the Nth block (.EX to .EE) of the page's EXAMPLES. A block of
//   commands ("$ " lines and what they write) runs in the shell like the README's examples (see
//   test::shellExample). A session at a terminal starts with "$ PROGRAM" alone and shows the
//   typed answers in bold; it runs through a pseudo-terminal, each answer typed after its
//   prompt, and the screen must be the block, echoed answers included.
// - manpage.PAGE_texts checks every text of a program that the page quotes (bold, or between
//   quotation marks): its spaces are written "\ ", which man neither stretches nor breaks at,
//   and formatted as man does at MANWIDTH=80 the text stands on one line with single spaces.
#include "examples.hpp"
#include "terminal.hpp"

#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string pagePath(const std::string& program) {
    return std::string(MANUAL_DIR) + "/" + program + "/" + program + ".1";
}

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

// A stretch of text as man shows it, and whether it is in bold.
struct Piece {
    std::string text{};
    bool bold = false;
};

// Roff text as man shows it, in pieces by font. Only the escapes these pages use are known;
// any other is an error, so that no text is checked as something it is not.
std::vector<Piece> pieces(const std::string& roff) {
    std::vector<Piece> result;
    char font = 'R';
    char previous = 'R';
    const auto add = [&](const std::string& text) {
        const bool bold = font == 'B';
        if (result.empty() || result.back().bold != bold) {
            result.push_back({.text = "", .bold = bold});
        }
        result.back().text += text;
    };
    for (std::size_t k = 0; k < roff.size(); ++k) {
        if (roff[k] != '\\') {
            add(roff.substr(k, 1));
            continue;
        }
        const std::string escape = roff.substr(k, roff.compare(k, 2, "\\(") == 0 ? 4 : 2);
        const std::string rest = escape.size() < 2 ? "" : escape.substr(1);
        k += escape.size() - 1;
        if (rest == "-") {
            add("-");
        } else if (rest == "e") {
            add("\\");
        } else if (rest == " ") {
            add(" ");
        } else if (rest == "&" || rest == "%") {
            // no output
        } else if (rest == "(lq") {
            add("\u201c");
        } else if (rest == "(rq") {
            add("\u201d");
        } else if (rest == "f" && k + 1 < roff.size()) {
            const char next = roff[++k];
            if (next != 'B' && next != 'I' && next != 'R' && next != 'P') {
                throw std::runtime_error("unknown font \\f" + std::string(1, next) +
                                         " in: " + roff);
            }
            const char chosen = next == 'P' ? previous : next;
            previous = font;
            font = chosen;
        } else {
            throw std::runtime_error("unknown escape " + escape + " in: " + roff);
        }
    }
    return result;
}

std::string plain(const std::string& roff) {
    std::string text;
    for (const auto& piece : pieces(roff)) {
        text += piece.text;
    }
    return text;
}

// The blocks (.EX to .EE) of the EXAMPLES section, each as its lines of roff.
std::vector<std::vector<std::string>> exampleBlocks(const std::vector<std::string>& page) {
    std::vector<std::vector<std::string>> blocks;
    bool inExamples = false;
    bool inBlock = false;
    for (const auto& line : page) {
        if (startsWith(line, ".SH")) {
            inExamples = line == ".SH EXAMPLES";
        } else if (inExamples && line == ".EX") {
            inBlock = true;
            blocks.emplace_back();
        } else if (inBlock && line == ".EE") {
            inBlock = false;
        } else if (inBlock) {
            blocks.back().push_back(line);
        }
    }
    return blocks;
}

// A session at a terminal: its first line is "$ PROGRAM", the rest is the screen with the
// typed answers in bold, each at the end of its line.
void checkTerminalSession(const std::vector<std::string>& block) {
    const std::string command = plain(block.front());
    const std::string program = command.substr(std::min<std::size_t>(2, command.size()));
    ASSERT_TRUE(startsWith(command, "$ ") && test::programOf({command}) == program)
        << "a session at a terminal starts with \"$ PROGRAM\", not \"" << command << "\"";

    std::vector<test::Exchange> exchanges;
    std::string prompt;
    std::string screen;
    for (std::size_t k = 1; k < block.size(); ++k) {
        const std::vector<Piece> line = pieces(block[k]);
        for (std::size_t p = 0; p < line.size(); ++p) {
            screen += line[p].text;
            if (!line[p].bold) {
                prompt += line[p].text;
                continue;
            }
            ASSERT_EQ(p + 1, line.size()) << "a typed answer ends its line: " << block[k];
            exchanges.push_back({.prompt = prompt, .answer = line[p].text});
            prompt.clear();
        }
        screen += "\n";
        if (line.empty() || !line.back().bold) {
            prompt += "\n";
        }
    }
    const auto result = test::runAtTerminal(std::string(PROGRAM_DIR) + "/" + program, exchanges);
    EXPECT_EQ(result.stall, "");
    test::expectRun(result.run, screen, 0);
}

void checkExample(const std::vector<std::string>& block) {
    ASSERT_FALSE(block.empty()) << "an empty example";
    std::vector<std::string> lines;
    bool typed = false;
    for (const auto& line : block) {
        ASSERT_FALSE(startsWith(line, ".") || startsWith(line, "'"))
            << "a request inside an example: " << line;
        for (const auto& piece : pieces(line)) {
            typed = typed || piece.bold;
        }
        lines.push_back(plain(line));
    }
    if (typed) {
        checkTerminalSession(block);
        return;
    }
    const test::Case example = test::shellExample("", lines, PROGRAM_DIR);
    test::expectRun(test::runProgram(test::SHELL, {.input = example.input}), example.output, 0);
}

// The arguments of a macro line after its name: separated by spaces, a quoted one may hold
// spaces ("" in it is a quote).
std::vector<std::string> arguments(const std::string& line) {
    std::vector<std::string> result;
    std::size_t k = line.find(' ');
    while (k < line.size()) {
        if (line[k] == ' ') {
            ++k;
            continue;
        }
        std::string argument;
        const bool quoted = line[k] == '"';
        for (k += quoted ? 1 : 0; k < line.size(); ++k) {
            if (quoted && line.compare(k, 2, "\"\"") == 0) {
                argument += '"';
                ++k;
            } else if (quoted ? line[k] == '"' : line[k] == ' ') {
                ++k;
                break;
            } else if (line[k] == '\\' && k + 1 < line.size()) {
                argument += line.substr(k++, 2);
            } else {
                argument += line[k];
            }
        }
        result.push_back(argument);
    }
    return result;
}

// The texts of programs that a page quotes, in roff: the bold arguments of the font macros
// (all of .B's arguments, as it joins them, are one text) and what stands between quotation
// marks in a line of text. Example blocks are left out: their lines are never filled.
std::vector<std::string> quotedTexts(const std::vector<std::string>& page) {
    std::vector<std::string> texts;
    bool inBlock = false;
    for (const auto& line : page) {
        if (line == ".EX" || line == ".EE") {
            inBlock = line == ".EX";
        } else if (inBlock) {
            continue;
        } else if (startsWith(line, ".B ")) {
            std::string text;
            for (const auto& argument : arguments(line)) {
                text += (text.empty() ? "" : " ") + argument;
            }
            texts.push_back(text);
        } else if (startsWith(line, ".BR ") || startsWith(line, ".RB ") ||
                   startsWith(line, ".BI ") || startsWith(line, ".IB ")) {
            const std::size_t first = line[1] == 'B' ? 0 : 1;
            const auto all = arguments(line);
            for (std::size_t k = first; k < all.size(); k += 2) {
                texts.push_back(all[k]);
            }
        } else if (!startsWith(line, ".")) {
            for (std::size_t open = line.find("\\(lq"); open != std::string::npos;
                 open = line.find("\\(lq", open + 1)) {
                const std::size_t close = line.find("\\(rq", open);
                texts.push_back(line.substr(open + 4, close - open - 4));
            }
        }
    }
    return texts;
}

// The page as man shows it at MANWIDTH=80 (a line length of 78), without bold or underlining.
std::vector<std::string> formatted(const std::string& path) {
    const test::Run run =
        test::runProgram(test::SHELL, {.input = std::string("exec '") + GROFF +
                                                "' -man -Tutf8 -rLL=78n -P-cbou '" + path + "'\n"});
    EXPECT_EQ(run.status, 0) << "groff failed: " << run.errors;
    std::vector<std::string> lines;
    std::istringstream text(run.output);
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

void checkQuotedTexts(const std::string& path) {
    const auto page = readLines(path);
    const auto shown = formatted(path);
    for (const auto& roff : quotedTexts(page)) {
        std::string unbreakable = roff;
        for (std::size_t at; (at = unbreakable.find("\\ ")) != std::string::npos;) {
            unbreakable.erase(at, 2);
        }
        EXPECT_EQ(unbreakable.find(' '), std::string::npos)
            << "write every space of a program's text as \"\\ \", so that man neither stretches "
               "nor breaks it: "
            << roff;
        const std::string text = plain(roff);
        bool found = false;
        for (const auto& line : shown) {
            found = found || line.find(text) != std::string::npos;
        }
        EXPECT_TRUE(found) << "\"" << text << "\" is not on one line of the formatted page";
    }
}

class Check : public testing::Test {
  public:
    explicit Check(std::function<void()> body) : body_(std::move(body)) {}
    void TestBody() override { body_(); }

  private:
    std::function<void()> body_;
};

void add(const std::string& name, std::function<void()> body) {
    testing::RegisterTest("manpage", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                          [body]() -> testing::Test* { return new Check(body); });
}

bool registerChecks() {
    for (const auto program : test::PROGRAMS) {
        const std::string name(program);
        const std::string path = pagePath(name);
        int count = 0;
        for (const auto& block : exampleBlocks(readLines(path))) {
            add(name + "_example_" + std::to_string(++count), [block] { checkExample(block); });
        }
        add(name + "_texts", [path] { checkQuotedTexts(path); });
    }
    return true;
}

const bool registered = registerChecks();

} // namespace
