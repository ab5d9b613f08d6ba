// GameRun: fork/exec of the real binary with a clean environment, a kill timer and pipes for
// its output; the game folder is a fresh directory under the system's temporary directory.
#include "GameRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace vorntest {

namespace {

constexpr const char* kBoxTitle = "[messagebox] title: ";
constexpr const char* kBoxAnswer = "[messagebox] answer: ";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Reads both pipes until they close or the deadline passes.
bool Drain(
    int outFd, int errFd, std::string& out, std::string& err, std::chrono::steady_clock::time_point deadline)
{
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = 2;
    char buffer[4096];
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        const int ready = poll(fds, 2, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

}  // namespace

// The child's environment: the test's own, cleaned of anything that could reach a real desktop
// or change the runtime's automation behaviour, then the options applied.
std::vector<std::string> ChildEnvironment(const RunOptions& options)
{
    std::map<std::string, std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const auto eq = text.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = text.substr(0, eq);
        if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || StartsWith(name, "VORN_"))
            continue;
        env[name] = text.substr(eq + 1);
    }
    env["SDL_VIDEODRIVER"] = "dummy";
    env["SDL_AUDIODRIVER"] = "dummy";
    for (const auto& [name, value] : options.env)
        env[name] = value;
    for (const auto& name : options.unset)
        env.erase(name);
    std::vector<std::string> result;
    for (const auto& [name, value] : env)
        result.push_back(name + "=" + value);
    return result;
}

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
        std::string text;
        size_t j = i + 1;
        for (; j < lines.size() && !StartsWith(lines[j], kBoxAnswer); ++j)
            text += (j > i + 1 ? "\n" : "") + lines[j];
        box.text = text;
        if (j < lines.size()) {
            const std::string answer = lines[j].substr(std::strlen(kBoxAnswer));
            box.answer = answer.substr(0, answer.find(' '));
            box.shown = answer.find("(shown)") != std::string::npos;
        }
        boxes.push_back(box);
        i = j;
    }
    return boxes;
}

std::string RunResult::Describe() const
{
    std::ostringstream text;
    text << "exit code " << exitCode << ", signal " << signal << (timedOut ? ", timed out" : "")
         << "\n--- stderr ---\n"
         << err << "--- end ---";
    return text.str();
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

void GameFolder::WriteScript(const std::string& name, const std::string& contents) const
{
    Write("Scripts/" + name, contents);
}

void GameFolder::CopyTestPlugin(const std::string& plugin, const std::string& relative) const
{
    const auto target = path_ / relative;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(
        TestPluginDir() / plugin, target, std::filesystem::copy_options::overwrite_existing);
}

void GameFolder::UseTestPluginsAsDefaults() const
{
    CopyTestPlugin("TestVideo.so", "Plugins/VornDX8.so");
    CopyTestPlugin("TestInput.so", "Plugins/VornDI8.so");
    CopyTestPlugin("TestAudio.so", "Plugins/VornDS8.so");
}

void GameFolder::UseSdlPluginsAsDefaults() const
{
    std::filesystem::create_directories(path_ / "Plugins");
    for (const char* name : {"VornDX8.so", "VornDI8.so", "VornDS8.so"})
        std::filesystem::copy_file(
            SdlPluginDir() / name, path_ / "Plugins" / name, std::filesystem::copy_options::overwrite_existing);
}

std::string GameFolder::Read(const std::string& relative) const
{
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> GameFolder::ReadLines(const std::string& relative) const
{
    return SplitLines(Read(relative));
}

pid_t SpawnVorn(const std::filesystem::path& folder, const RunOptions& options, int outFd, int errFd)
{
    // Everything the child needs is prepared before fork: only async-signal-safe calls after it.
    const std::string binary = VornBinary().string();
    const std::string dir = folder.string();
    std::vector<std::string> args{binary};
    args.insert(args.end(), options.args.begin(), options.args.end());
    const std::vector<std::string> env = ChildEnvironment(options);
    std::vector<char*> argv;
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(outFd, STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        const int devnull = open("/dev/null", O_RDONLY);
        if (devnull >= 0)
            dup2(devnull, STDIN_FILENO);
        if (chdir(dir.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

RunResult GameFolder::Run(const RunOptions& options) const
{
    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = SpawnVorn(path_, options, outPipe[1], errPipe[1]);
    close(outPipe[1]);
    close(errPipe[1]);

    RunResult result;
    const auto deadline = std::chrono::steady_clock::now() + options.timeout;
    result.timedOut = !Drain(outPipe[0], errPipe[0], result.out, result.err, deadline);
    if (result.timedOut)
        kill(pid, SIGKILL);
    close(outPipe[0]);
    close(errPipe[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    result.log = ReadLines("vorn.log");
    return result;
}

}  // namespace vorntest
