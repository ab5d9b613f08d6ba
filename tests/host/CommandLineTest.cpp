// The command-line tail rebuilt from argv and the quote rules that turn it into the script path.
#include <gtest/gtest.h>

#include "host/CommandLine.h"

namespace {

std::string Tail(std::vector<const char*> args)
{
    args.insert(args.begin(), "vorn");
    return host::CommandTail(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, TheTailJoinsArgumentsWithSingleBlanksAndSkipsLeadingBlanks)
{
    EXPECT_EQ("", Tail({}));
    EXPECT_EQ("a b  c", Tail({ "a", "b ", "c" }));
    EXPECT_EQ("x y", Tail({ " \t x", "y" }));
    EXPECT_EQ("", Tail({ "", "" }));
}

TEST(CommandLine, OneLeadingAndOneTrailingQuoteAreRemoved)
{
    EXPECT_EQ("my script.lua", host::ScriptPathFromTail("\"my script.lua\""));
    EXPECT_EQ("open.lua", host::ScriptPathFromTail("\"open.lua"));
    EXPECT_EQ("a\" \"b", host::ScriptPathFromTail("\"a\" \"b\""));
    EXPECT_EQ("\"x\"", host::ScriptPathFromTail("\"\"x\"\""));
    EXPECT_EQ("", host::ScriptPathFromTail("\""));
}

} // namespace
