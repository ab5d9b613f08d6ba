// Program entry: the banner, the main-script path from the command line, then the run.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Vorn/core/Log.h"
#include "Vorn/core/Node.h"
#include "host/CommandLine.h"
#include "host/Engine.h"

namespace {

constexpr const char* kVersion = "1.2.6";
constexpr const char* kBuildDate = "May 25 2009";
constexpr const char* kBuildTime = "19:14:50";

} // namespace

int main(int argc, char** argv)
{
    // print goes to standard output: a line at a time, so that redirected it keeps its place
    // among the log's lines instead of arriving in one block at exit.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    Vorn::Log::Clear();
    Vorn::Log::Output("[vorn] version [%s] built on [%s %s] starting\n", kVersion, kBuildDate, kBuildTime);
    int code = 0;
    if (argc <= 1) {
        code = host::RunEngine(nullptr);
    } else {
        const std::string path = host::ScriptPathFromTail(host::CommandTail(argc, argv));
        Vorn::Log::Output("[vorn] will run script [%s]\n", path.c_str());
        code = host::RunEngine(path.c_str());
    }
    // For leak checks (tests, the soak run): framework objects that outlived the shutdown.
    if (std::getenv("VORN_LIVE_NODES") != nullptr)
        std::fprintf(stderr, "vorn: framework objects alive at exit: %ld\n", Vorn::Node::LiveCount());
    return code;
}
