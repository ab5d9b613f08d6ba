// GameRun: runs the real vorn binary in a throw-away game folder and collects what it left behind
// (exit code, output, vorn.log, the answers of its message boxes). Needs POSIX fork/exec.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vorntest {

// Where the build put things (compile definitions set by tests/CMakeLists.txt).
std::filesystem::path VornBinary();
std::filesystem::path TestPluginDir();
std::filesystem::path SdlPluginDir();

struct RunOptions {
    std::vector<std::string> args; // argv[1..]
    std::map<std::string, std::string> env; // added to (or replacing) the clean environment
    std::chrono::milliseconds timeout { 20000 }; // the process is killed (SIGKILL) after this

    RunOptions& Arg(const std::string& arg)
    {
        args.push_back(arg);
        return *this;
    }
    RunOptions& Env(const std::string& name, const std::string& value)
    {
        env[name] = value;
        return *this;
    }
};

// Splits text into lines (a trailing newline does not make an empty last line).
std::vector<std::string> SplitLines(const std::string& text);

// One message box as the runtime reported it on standard error.
struct MessageBoxRecord {
    std::string title;
    std::string text;
    std::string answer; // "OK" or "Cancel"
};

struct RunResult {
    int exitCode = -1; // -1 when killed by a signal
    int signal = 0; // the signal that ended the process, 0 when it exited
    bool timedOut = false;
    std::string out; // standard output
    std::string err; // standard error (the log lines appear here too)
    std::vector<std::string> log; // lines of vorn.log, without their '\n'

    // The message boxes reported on standard error, in order.
    std::vector<MessageBoxRecord> Boxes() const;
    std::string Describe() const; // a summary for failure messages
};

// A temporary game folder: the current directory of the runs made from it. Removed when it goes
// out of scope unless VORN_KEEP_TEST_DIRS is set in the test's environment.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes a file relative to the folder, creating its directories.
    void Write(const std::string& relative, const std::string& contents) const;
    void WriteSettings(const std::string& contents) const { Write("settings.ini", contents); }
    void WriteScript(const std::string& name, const std::string& contents) const
    {
        Write("Scripts/" + name, contents);
    }
    // Copies a file, or a built test plugin (e.g. "TestVideo.so"), to `relative` (e.g. "Plugins/VornDX8.so").
    void Copy(const std::filesystem::path& from, const std::string& relative) const;
    void CopyTestPlugin(const std::string& plugin, const std::string& relative) const
    {
        Copy(TestPluginDir() / plugin, relative);
    }
    // Puts the test plugins at the default module paths (Plugins/VornDX8.so, VornDI8.so, VornDS8.so).
    void UseTestPluginsAsDefaults() const;
    // Puts the real SDL plugins of the build at the default module paths.
    void UseSdlPluginsAsDefaults() const;
    // Reads a file of the folder ("" when missing), or its lines.
    std::string Read(const std::string& relative) const;
    std::vector<std::string> ReadLines(const std::string& relative) const
    {
        return SplitLines(Read(relative));
    }

    // Runs the binary here to its end. The environment starts from the test's own, without
    // DISPLAY, WAYLAND_DISPLAY and VORN_*, with SDL_VIDEODRIVER=dummy and SDL_AUDIODRIVER=dummy.
    RunResult Run(const RunOptions& options = {}) const;

private:
    std::filesystem::path path_;
};

// vorn running in the background in a game folder, its output going to files there, so that a
// test can watch the log and act while it runs. Killed when destroyed if still running.
class RunningGame {
public:
    RunningGame(const GameFolder& folder, const RunOptions& options);
    ~RunningGame();
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    // Waits until a line of vorn.log contains `text`; false on timeout or when the process ended
    // without writing it.
    bool WaitForLog(
        const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(15)) const;
    bool Running(); // whether the process still runs
    // The lines the game has written to standard output so far (a script flushes its prints to
    // show them at once: io.stdout:flush()).
    std::vector<std::string> Printed() const { return folder_.ReadLines(kStdoutFile); }
    // Waits for the process to end (killing it after `timeout`) and collects its result.
    RunResult Finish(std::chrono::milliseconds timeout = std::chrono::seconds(15));

    static constexpr const char* kStdoutFile = ".vorn-stdout";

private:
    const GameFolder& folder_;
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

// Polls `done` every 20 ms until it holds (true) or `timeout` passes (false).
bool WaitUntil(
    const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(15));

} // namespace vorntest
