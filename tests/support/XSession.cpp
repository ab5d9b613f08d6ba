// XSession: Xvfb start-up through -displayfd, xdotool through the shell, the close request through
// Xlib.
#include "XSession.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace vorntest {

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
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (output != nullptr)
        *output = text;
    return pclose(pipe) == 0;
}

unsigned long XServer::FindWindow(const std::string& title, std::chrono::milliseconds timeout) const
{
    std::string ids;
    WaitUntil([&] { return XdoTool("search --name '^" + title + "$'", &ids) && !ids.empty(); }, timeout);
    return ids.empty() ? 0 : std::stoul(ids.substr(0, ids.find('\n')));
}

bool XServer::RequestClose(unsigned long window) const
{
    ::Display* display = XOpenDisplay(display_.c_str());
    if (display == nullptr)
        return false;
    XEvent event {};
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

} // namespace vorntest
