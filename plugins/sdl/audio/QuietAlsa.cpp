// QuietAlsa: an empty ALSA error handler, installed through dlopen so the plugin does not link ALSA.
#include "QuietAlsa.h"

#include <dlfcn.h>

namespace sdlaudio {

namespace {

// ALSA's snd_lib_error_handler_t.
using ErrorHandler
    = void (*)(const char* file, int line, const char* function, int err, const char* format, ...);
using SetErrorHandler = int (*)(ErrorHandler handler);

void Discard(const char*, int, const char*, int, const char*, ...) { }

SetErrorHandler Setter(void* library)
{
    return library != nullptr ? reinterpret_cast<SetErrorHandler>(dlsym(library, "snd_lib_error_set_handler"))
                              : nullptr;
}

} // namespace

QuietAlsa::QuietAlsa()
    : library_(dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL))
{
    if (SetErrorHandler set = Setter(library_))
        set(&Discard);
}

QuietAlsa::~QuietAlsa()
{
    if (SetErrorHandler set = Setter(library_))
        set(nullptr); // ALSA's default handler
    if (library_ != nullptr)
        dlclose(library_);
}

} // namespace sdlaudio
