// LogMatch: GoogleTest assertions over sequences of log lines, with a readable difference.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorntest {

using Lines = std::vector<std::string>;

// The whole sequence equals `expected`, line for line.
::testing::AssertionResult SameLines(const Lines& actual, const Lines& expected);
// `expected` appears in `actual` as consecutive lines.
::testing::AssertionResult ContainsRun(const Lines& actual, const Lines& expected);
// `expected` appears in `actual` in this order, other lines may come between.
::testing::AssertionResult ContainsInOrder(const Lines& actual, const Lines& expected);
// No line of `actual` equals `line`.
::testing::AssertionResult LacksLine(const Lines& actual, const std::string& line);
// The lines from the first that equals `from` to the end (empty when there is none).
Lines LinesFrom(const Lines& actual, const std::string& from);

}  // namespace vorntest
