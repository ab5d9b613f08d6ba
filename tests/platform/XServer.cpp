// XServer: starting and stopping Xvfb, and running xdotool against it.
#include "XServer.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

void XServer::SetUp()
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
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
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    setenv("DISPLAY", (":" + number).c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    unsetenv("WAYLAND_DISPLAY");
    // No session bus runs beside a private server. Left unset, libdbus (which SDL asks for the
    // screen-saver inhibitor and input methods) tries to autolaunch one through X11 and leaks on
    // the failure; "disabled:" tells it there is none.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

void XServer::TearDown()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

bool XServer::XdoTool(const std::string& arguments)
{
    return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

// One server for the whole program, registered before main runs.
static ::testing::Environment* const xserver = ::testing::AddGlobalTestEnvironment(new XServer);
