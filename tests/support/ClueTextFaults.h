// What a careful puzzle setter strikes from a clue, a hint page or an
// answer page: the phrases below, each with the reason. Shared by the checks
// of the bundled games and of freshly generated ones.
#pragma once

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace testing_support {

struct ClueTextFault {
    const char* pattern;
    const char* why;
};

inline const std::vector<ClueTextFault>& ClueTextFaults() {
    static const std::vector<ClueTextFault> faults = {
        {R"(among the (first|last) 1\b)", "one place is \"the first\" or \"the last\""},
        {R"(\bthe (first|last) [A-Z])",
         "a category heading (\"the last Ages\") is not a thing one has"},
        {R"(\bno [A-Z][a-z]+s fits)", "a category heading is not one item of it"},
        {R"(\bin (Wakes at|Leaves at|Days aboard)\b)",
         "a heading that is a phrase cannot follow \"in\""},
        {R"(\bin order of [A-Z])", "the order is of a noun (\"price\"), not a heading"},
        {R"(not the same person)", "the things compared are not always people (pets, pet names)"},
        {R"(\b(\w+) \1\b)", "a word said twice in a row"},
    };
    return faults;
}

// Each fault the words show, as "\"what\": why ... in: <the words round it>".
inline std::vector<std::string> FindClueTextFaults(const std::string& words) {
    static const std::vector<std::regex> compiled = [] {
        std::vector<std::regex> res;
        for (const ClueTextFault& f : ClueTextFaults())
            res.emplace_back(f.pattern);
        return res;
    }();
    std::vector<std::string> found;
    for (size_t i = 0; i < compiled.size(); ++i) {
        std::smatch m;
        if (!std::regex_search(words, m, compiled[i]))
            continue;
        const long from = std::max<long>(0, static_cast<long>(m.position()) - 60);
        found.push_back("\"" + m.str() + "\": " + ClueTextFaults()[i].why + "\n  in: ..." +
                        words.substr(static_cast<size_t>(from), 160) + "...");
    }
    return found;
}

} // namespace testing_support
