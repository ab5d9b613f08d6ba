// The video plugin's one export: the factory the runtime looks up as "CreateVideo".
#include <new>

#include "PluginExport.h"
#include "SdlVideo.h"

VORN_PLUGIN_EXPORT IVideo* CreateVideo()
{
    return new (std::nothrow) sdlvideo::SdlVideo();
}
