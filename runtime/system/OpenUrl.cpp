// OpenUrl: open_url through the display's mode and minimise and the platform shell.
#include "system/OpenUrl.h"

#include "contracts/DisplayMode.h"
#include "display/LuaDisplay.h"
#include "host/Devices.h"
#include "platform/Shell.h"

void open_url(const char* url)
{
    LuaDisplay* display = host::Devices().display;
    if (url == nullptr || display == nullptr)
        return;
    DisplayMode mode {};
    if (!display->get_mode(&mode))
        return;
    if (!mode.windowed)
        display->minimize();
    platform::OpenUrl(url);
}
