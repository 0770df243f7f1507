#include "replay/script.h"

#include "core/duration_groups.h"
#include "replay/excerpt.h"

#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

// The line's words up to a comment: a word starting with '#' and all after it. Words are
// parted by white space, CR included.
std::vector<std::string> Words(std::string_view line)
{
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    std::vector<std::string> words;
    for (std::size_t start = line.find_first_not_of(kSpace); start != std::string_view::npos && line[start] != '#';) {
        const std::size_t end = line.find_first_of(kSpace, start);
        words.emplace_back(line.substr(start, end - start));
        start = line.find_first_not_of(kSpace, end);
    }
    return words;
}

// What went wrong with a line: a line that cannot be read, or a paste the dialog refused.
struct Problem {
    // cppcheck-suppress unusedStructMember ; read through std::optional, which cppcheck does not follow
    std::string message;
    bool badLine = true;
};

// The words of a paste together, as the text pasted.
std::string PastedText(std::span<const std::string> words)
{
    std::string text;
    for (const std::string& word : words)
        (text += text.empty() ? "" : " ") += word;
    return text;
}

// Carries out one action; returns what went wrong, or nothing when it was fine.
std::optional<Problem> RunAction(const std::vector<std::string>& words, const ScriptOutput& output,
                                 ComposerDriver& driver)
{
    const std::string& action = words[0];
    const bool takesNumber = action == "region" || action == "length" || action == "click";
    if (action == "show") {
        if (words.size() != 1)
            return Problem{"'show' takes nothing after it"};
        output.shown(driver.Show() + '\n');
        return std::nullopt;
    }
    if (action == "paste") {
        const std::string text = PastedText(std::span(words).subspan(1));
        if (const std::optional<std::string> refusal = driver.Paste(text))
            return Problem{"paste '" + Excerpt(text) + "': " + *refusal, false};
        return std::nullopt;
    }
    if (!takesNumber)
        return Problem{"unknown action '" + Excerpt(action) + "' (expected region, length, click, paste or show)"};
    if (words.size() != 2)
        return Problem{"'" + action + "' takes exactly one number"};
    const std::optional<int> number = ParseNumber(words[1]);
    if (!number)
        return Problem{"'" + Excerpt(words[1]) + "' is not a number"};

    if (action == "region") {
        if (*number < 0 || *number >= driver.RegionCount())
            return Problem{"region " + Excerpt(words[1]) + " is out of range (0 to "
                           + std::to_string(driver.RegionCount() - 1) + ")"};
        driver.PickRegion(*number);
    } else if (action == "length") {
        if (!IsLengthPosition(*number))
            return Problem{"length " + Excerpt(words[1]) + " is out of range (0 to "
                           + std::to_string(kLengthPositions - 1) + ")"};
        driver.CheckLength(*number);
    } else if (!driver.Click(*number)) {
        return Problem{"there is no push button with id " + Excerpt(words[1])};
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

int RunScript(ScriptLines& lines, const ScriptOutput& output, ComposerDriver& driver)
{
    int lineNumber = 1;
    const auto report = [&](const std::string& message) {
        output.reported("composer-replay: line " + std::to_string(lineNumber) + ": " + message + '\n');
    };
    bool refused = false;
    for (std::string line; lines.Next(line); ++lineNumber) {
        const std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        if (const std::optional<Problem> problem = RunAction(words, output, driver)) {
            report(problem->message);
            if (problem->badLine)
                return kScriptBadInput;
            refused = true;
        }
    }
    if (!lines.Fault().empty()) {
        report(lines.Fault());
        return kScriptBadInput;
    }
    return refused ? kScriptPasteRefused : kScriptOk;
}
