#include "replay/script.h"

#include "replay/excerpt.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The line's words up to a comment: a word starting with '#' and all after it.
std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word && word.front() != '#';)
        words.push_back(word);
    return words;
}

// Carries out one action; returns an error message, or nothing when it was fine.
std::optional<std::string> RunAction(const std::vector<std::string>& words, std::ostream& out,
                                     ComposerDriver& driver)
{
    const std::string& action = words[0];
    const bool takesNumber = action == "region" || action == "length" || action == "click";
    if (action == "show") {
        if (words.size() != 1)
            return "'show' takes nothing after it";
        out << driver.Show() << '\n';
        return std::nullopt;
    }
    if (!takesNumber)
        return "unknown action '" + Excerpt(action) + "' (expected region, length, click or show)";
    if (words.size() != 2)
        return "'" + action + "' takes exactly one number";
    const std::optional<int> number = ParseNumber(words[1]);
    if (!number)
        return "'" + Excerpt(words[1]) + "' is not a number";

    if (action == "region") {
        if (*number < 0 || *number >= driver.RegionCount())
            return "region " + Excerpt(words[1]) + " is out of range (0 to " + std::to_string(driver.RegionCount() - 1)
                   + ")";
        driver.PickRegion(*number);
    } else if (action == "length") {
        if (*number < 0 || *number > 7)
            return "length " + Excerpt(words[1]) + " is out of range (0 to 7)";
        driver.CheckLength(*number);
    } else if (!driver.Click(*number)) {
        return "there is no push button with id " + Excerpt(words[1]);
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> ParseNumber(std::string_view word)
{
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, ComposerDriver& driver)
{
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        if (const std::optional<std::string> error = RunAction(words, out, driver)) {
            out.flush();
            err << "composer-replay: line " << lineNumber << ": " << *error << '\n';
            return kScriptBadInput;
        }
    }
    return kScriptOk;
}
