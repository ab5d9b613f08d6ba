// XServer: the harness's private Xvfb, made the process's display for the whole test program.
#include "XServer.h"

#include <cstdlib>
#include <memory>

#include "XSession.h"

namespace {

std::unique_ptr<vorntest::XServer> server;

} // namespace

void XServer::SetUp()
{
    server = std::make_unique<vorntest::XServer>();
    setenv("DISPLAY", server->Display().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    unsetenv("WAYLAND_DISPLAY");
    // No session bus runs beside a private server; left unset, libdbus tries to start one and
    // leaks on the failure.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

void XServer::TearDown()
{
    server.reset();
}

bool XServer::XdoTool(const std::string& arguments)
{
    return server != nullptr && server->XdoTool(arguments);
}

// One server for the whole program, registered before main runs.
static ::testing::Environment* const xserver = ::testing::AddGlobalTestEnvironment(new XServer);
