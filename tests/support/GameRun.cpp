// GameRun: fork/exec of the real binary with a clean environment, its output in files of the game
// folder, a kill timer; the game folder is a fresh directory under the system's temporary one.
#include "GameRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace vorntest {

namespace {

constexpr const char* kBoxTitle = "[messagebox] title: ";
constexpr const char* kBoxAnswer = "[messagebox] answer: ";
constexpr const char* kStderrFile = ".vorn-stderr";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Starts vorn in `folder` with its output going to two files there; returns the child's pid. The
// child's environment is the test's own without DISPLAY, WAYLAND_DISPLAY and VORN_*, with SDL's
// dummy drivers, then the options' changes (the test process is single-threaded, so the child may
// change its environment before exec).
pid_t SpawnVorn(const std::filesystem::path& folder, const RunOptions& options)
{
    const std::string out = (folder / RunningGame::kStdoutFile).string();
    const std::string err = (folder / kStderrFile).string();
    std::vector<std::string> args { VornBinary().string() };
    args.insert(args.end(), options.args.begin(), options.args.end());
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        std::vector<std::string> names;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string name = std::string(*entry).substr(0, std::string(*entry).find('='));
            if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || StartsWith(name, "VORN_"))
                names.push_back(name);
        }
        for (const auto& name : names)
            unsetenv(name.c_str());
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        for (const auto& [name, value] : options.env)
            setenv(name.c_str(), value.c_str(), 1);
        const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
        const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (in < 0 || outFd < 0 || errFd < 0 || chdir(folder.c_str()) != 0)
            _exit(126);
        dup2(in, STDIN_FILENO);
        dup2(outFd, STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

} // namespace

std::filesystem::path VornBinary()
{
    return VORN_TEST_BINARY;
}
std::filesystem::path TestPluginDir()
{
    return VORN_TEST_PLUGIN_DIR;
}
std::filesystem::path SdlPluginDir()
{
    return VORN_SDL_PLUGIN_DIR;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::vector<MessageBoxRecord> RunResult::Boxes() const
{
    std::vector<MessageBoxRecord> boxes;
    const auto lines = SplitLines(err);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!StartsWith(lines[i], kBoxTitle))
            continue;
        MessageBoxRecord box;
        box.title = lines[i].substr(std::strlen(kBoxTitle));
        size_t j = i + 1;
        for (; j < lines.size() && !StartsWith(lines[j], kBoxAnswer); ++j)
            box.text += (j > i + 1 ? "\n" : "") + lines[j];
        if (j < lines.size()) {
            const std::string answer = lines[j].substr(std::strlen(kBoxAnswer));
            box.answer = answer.substr(0, answer.find(' ')); // "OK (shown)": the word alone
        }
        boxes.push_back(box);
        i = j;
    }
    return boxes;
}

std::string RunResult::Describe() const
{
    return "exit code " + std::to_string(exitCode) + ", signal " + std::to_string(signal)
        + (timedOut ? ", timed out" : "") + "\n--- stderr ---\n" + err + "--- end ---";
}

GameFolder::GameFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed: " + std::string(std::strerror(errno)));
    path_ = pattern;
}

GameFolder::~GameFolder()
{
    if (std::getenv("VORN_KEEP_TEST_DIRS") == nullptr) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

void GameFolder::Write(const std::string& relative, const std::string& contents) const
{
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << contents;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void GameFolder::Copy(const std::filesystem::path& from, const std::string& relative) const
{
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::filesystem::copy_file(from, path_ / relative, std::filesystem::copy_options::overwrite_existing);
}

void GameFolder::UseTestPluginsAsDefaults() const
{
    CopyTestPlugin("TestVideo.so", "Plugins/VornDX8.so");
    CopyTestPlugin("TestInput.so", "Plugins/VornDI8.so");
    CopyTestPlugin("TestAudio.so", "Plugins/VornDS8.so");
}

void GameFolder::UseSdlPluginsAsDefaults() const
{
    for (const char* name : { "VornDX8.so", "VornDI8.so", "VornDS8.so" })
        Copy(SdlPluginDir() / name, std::string("Plugins/") + name);
}

std::string GameFolder::Read(const std::string& relative) const
{
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult GameFolder::Run(const RunOptions& options) const
{
    return RunningGame(*this, options).Finish(options.timeout);
}

RunningGame::RunningGame(const GameFolder& folder, const RunOptions& options)
    : folder_(folder)
    , pid_(SpawnVorn(folder.Path(), options))
{
}

RunningGame::~RunningGame()
{
    if (!reaped_ && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool RunningGame::Running()
{
    if (!reaped_ && waitpid(pid_, &status_, WNOHANG) == pid_)
        reaped_ = true;
    return !reaped_;
}

bool RunningGame::WaitForLog(const std::string& text, std::chrono::milliseconds timeout) const
{
    bool found = false;
    WaitUntil(
        [&] {
            // Asked before the log is read, so that a line written just before the end counts.
            const bool running = const_cast<RunningGame*>(this)->Running();
            for (const auto& line : folder_.ReadLines("vorn.log"))
                found = found || line.find(text) != std::string::npos;
            return found || !running;
        },
        timeout);
    return found;
}

RunResult RunningGame::Finish(std::chrono::milliseconds timeout)
{
    RunResult result;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!reaped_) {
        result.timedOut = true;
        kill(pid_, SIGKILL);
        while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) { }
        reaped_ = true;
    }
    if (WIFEXITED(status_))
        result.exitCode = WEXITSTATUS(status_);
    else if (WIFSIGNALED(status_))
        result.signal = WTERMSIG(status_);
    result.out = folder_.Read(kStdoutFile);
    result.err = folder_.Read(kStderrFile);
    result.log = folder_.ReadLines("vorn.log");
    return result;
}

} // namespace vorntest
