// XSession: Xvfb start-up through -displayfd, xdotool through the shell, the close request through
// Xlib, and background runs of vorn whose output goes to files in the game folder.
#include "XSession.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace vorntest {

namespace {

constexpr const char* kStdoutFile = ".vorn-stdout";
constexpr const char* kStderrFile = ".vorn-stderr";

std::string Trim(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

}  // namespace

XServer::XServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        close(fds[0]);
        const int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        // -noreset: without it the server resets when its last client leaves and may refuse the
        // next connection for a moment.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    display_ = ":" + number;
}

XServer::~XServer()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

RunOptions XServer::Options() const
{
    return RunOptions()
        .Env("DISPLAY", display_)
        .Env("SDL_VIDEODRIVER", "x11")
        .Env("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

bool XServer::XdoTool(const std::string& arguments, std::string* output) const
{
    const std::string command = "DISPLAY=" + display_ + " xdotool " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return false;
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        text += buffer;
    const int status = pclose(pipe);
    if (output != nullptr)
        *output = Trim(text);
    return status == 0;
}

unsigned long XServer::FindWindow(const std::string& title, std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        std::string ids;
        if (XdoTool("search --name '^" + title + "$'", &ids) && !ids.empty())
            return std::stoul(ids.substr(0, ids.find('\n')));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

bool XServer::RequestClose(unsigned long window) const
{
    ::Display* display = XOpenDisplay(display_.c_str());
    if (display == nullptr)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XFlush(display);
    XCloseDisplay(display);
    return sent;
}

RunningGame::RunningGame(const GameFolder& folder, const RunOptions& options)
    : folder_(folder)
{
    // The output goes to files, so the test never has to drain pipes while it acts on the game.
    const std::string out = (folder.Path() / kStdoutFile).string();
    const std::string err = (folder.Path() / kStderrFile).string();
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (outFd < 0 || errFd < 0)
        throw std::runtime_error("cannot create the output files of a background run");
    pid_ = SpawnVorn(folder.Path(), options, outFd, errFd);
    close(outFd);
    close(errFd);
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
    if (reaped_)
        return false;
    const pid_t done = waitpid(pid_, &status_, WNOHANG);
    if (done == pid_)
        reaped_ = true;
    return !reaped_;
}

bool RunningGame::WaitForLog(const std::string& text, std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        for (const auto& line : folder_.ReadLines("vorn.log"))
            if (line.find(text) != std::string::npos)
                return true;
        if (std::chrono::steady_clock::now() >= deadline || !const_cast<RunningGame*>(this)->Running())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // One last look: the line may have been written just before the process ended.
    for (const auto& line : folder_.ReadLines("vorn.log"))
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

RunResult RunningGame::Finish(std::chrono::milliseconds timeout)
{
    RunResult result;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
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

}  // namespace vorntest
