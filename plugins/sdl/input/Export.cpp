// The input plugin's one export: the factory the runtime looks up as "CreateInput".
#include <new>

#include "PluginExport.h"
#include "SdlInput.h"

VORN_PLUGIN_EXPORT IInput* CreateInput()
{
    return new (std::nothrow) sdlinput::SdlInput();
}
