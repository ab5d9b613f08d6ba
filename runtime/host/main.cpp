// Program entry: the banner, the main-script path from the command line, then the run.
#include <cstdio>
#include <string>

#include "Vorn/core/Log.h"
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
    if (argc <= 1)
        return host::RunEngine(nullptr);
    const std::string path = host::ScriptPathFromTail(host::CommandTail(argc, argv));
    Vorn::Log::Output("[vorn] will run script [%s]\n", path.c_str());
    return host::RunEngine(path.c_str());
}
