// LogMatch: sequence comparisons that print both sides and the first place they part.
#include "LogMatch.h"

#include <algorithm>
#include <sstream>

namespace vorntest {

namespace {

std::string Listing(const Lines& lines)
{
    std::ostringstream text;
    for (size_t i = 0; i < lines.size(); ++i)
        text << "  " << i << ": \"" << lines[i] << "\"\n";
    return text.str();
}

::testing::AssertionResult Failure(const char* what, const Lines& actual, const Lines& expected)
{
    return ::testing::AssertionFailure() << what << "\nexpected:\n"
                                         << Listing(expected) << "actual:\n"
                                         << Listing(actual);
}

}  // namespace

::testing::AssertionResult SameLines(const Lines& actual, const Lines& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    std::ostringstream what;
    what << "log lines differ first at line " << (a - actual.begin());
    return Failure(what.str().c_str(), actual, expected);
}

::testing::AssertionResult ContainsRun(const Lines& actual, const Lines& expected)
{
    if (std::search(actual.begin(), actual.end(), expected.begin(), expected.end()) != actual.end() ||
        expected.empty())
        return ::testing::AssertionSuccess();
    return Failure("the expected lines do not appear one after another", actual, expected);
}

::testing::AssertionResult ContainsInOrder(const Lines& actual, const Lines& expected)
{
    auto at = actual.begin();
    for (const auto& line : expected) {
        at = std::find(at, actual.end(), line);
        if (at == actual.end())
            return Failure(("missing in order: \"" + line + "\"").c_str(), actual, expected);
        ++at;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult LacksLine(const Lines& actual, const std::string& line)
{
    if (std::find(actual.begin(), actual.end(), line) == actual.end())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "unexpected line \"" << line << "\" in\n" << Listing(actual);
}

Lines LinesFrom(const Lines& actual, const std::string& from)
{
    const auto at = std::find(actual.begin(), actual.end(), from);
    return Lines(at, actual.end());
}

}  // namespace vorntest
