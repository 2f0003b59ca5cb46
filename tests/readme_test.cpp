// The README's example sessions, run as they stand against the built programs, so the README
// cannot drift from what the programs do. Each ```console block is one case (see
// test::shellExample): its "$ " lines are run by the shell, one after the other in a fresh
// working directory, and every other line is what they must write, together.
#include "examples.hpp"

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<test::Case> examples() {
    std::ifstream readme(README_PATH);
    std::vector<test::Case> cases;
    std::string line;
    bool inBlock = false;
    std::vector<std::string> block;
    while (std::getline(readme, line)) {
        if (!inBlock) {
            inBlock = line == "```console";
            block.clear();
        } else if (line == "```") {
            inBlock = false;
            const std::string name =
                test::programOf(block) + "_example_" + std::to_string(cases.size() + 1);
            cases.push_back(test::shellExample(name, block, PROGRAM_DIR));
        } else {
            block.push_back(line);
        }
    }
    return cases;
}

const bool registered = (test::registerCases(test::SHELL, "readme", examples()), true);

} // namespace
