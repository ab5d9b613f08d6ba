// ApiFuzzTest: a short seeded run of api_fuzz.lua through the real binary and the SDL plugins (dummy
// drivers). Every call must end in a result or a Lua error: the process exits normally after its
// ordered shutdown, and in the sanitizer build no report aborts it. The seed is fixed so that a
// failure repeats; VORN_FUZZ_SEED and VORN_FUZZ_SECONDS in the test's environment override it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GameRun.h"

namespace {

std::string FromEnvironment(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

TEST(ApiFuzz, ShortSeededRunEndsInResultsAndErrorsOnly)
{
    vorntest::GameFolder game;
    game.UseSdlPluginsAsDefaults();
    vorntest::RunOptions options;
    options.Arg(std::string(VORN_SOURCE_DIR) + "/tests/fuzz/api_fuzz.lua")
        .Env("VORN_MESSAGEBOX", "ok")
        .Env("VORN_FUZZ_SEED", FromEnvironment("VORN_FUZZ_SEED", "20240607"))
        .Env("VORN_FUZZ_SECONDS", FromEnvironment("VORN_FUZZ_SECONDS", "8"));
    options.timeout = std::chrono::seconds(90);
    const auto run = game.Run(options);

    EXPECT_FALSE(run.timedOut) << run.Describe();
    EXPECT_EQ(0, run.exitCode) << run.Describe()
                               << run.err.substr(run.err.size() > 4000 ? run.err.size() - 4000 : 0);
    EXPECT_NE(std::string::npos, run.out.find("api fuzz: done: ")) << run.out;
    EXPECT_EQ(std::string::npos, run.err.find("Sanitizer")) << run.err;
    EXPECT_EQ(std::string::npos, run.err.find("runtime error:")) << run.err;
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.empty() ? "" : run.log.back());
    std::printf("%s", run.out.c_str()); // the seed and the figures, for the CI log
}

} // namespace
