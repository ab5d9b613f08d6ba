// The audio plugin's one export: the factory the runtime looks up as "CreateAudio".
#include <new>

#include "PluginExport.h"
#include "SdlAudio.h"

VORN_PLUGIN_EXPORT IAudio* CreateAudio()
{
    return new (std::nothrow) sdlaudio::SdlAudio();
}
