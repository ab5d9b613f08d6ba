// SdlAudio: start-up, devices, the output format and the master volume of the audio plugin.
#include "SdlAudio.h"

#include <SDL.h>

#include <cmath>
#include <string>
#include <vector>

#include "AudioFormat.h"
#include "DeviceName.h"
#include "PluginLog.h"

namespace sdlaudio {

namespace {

constexpr const char* kPlugin = "VornDS8";

// The id of "the system's default output", opened without naming a device.
constexpr uint32_t kDefaultOutputId = 0xFFFFFFFFu;

std::string DefaultOutputName()
{
    const char* driver = SDL_GetCurrentAudioDriver();
    return std::string("Default output (") + (driver != nullptr ? driver : "unknown driver") + ")";
}

DeviceInfo PlaybackInfo(uint32_t id, const char* name)
{
    return sdlplugin::MakeDeviceInfo(DEV_CLASS_SOUND, DEV_SUBCLASS_PLAY, id, name, "Audio output");
}

// Whether the driver's default output opens at all; probed once when nothing is listed.
bool DefaultOutputOpens()
{
    SDL_AudioSpec wanted {};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0)
        return false;
    SDL_CloseAudioDevice(id);
    return true;
}

} // namespace

SdlAudio::~SdlAudio()
{
    Shutdown();
}

bool SdlAudio::Initialize()
{
    if (started_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sdlplugin::Log(kPlugin, "cannot start SDL audio: %s", SDL_GetError());
        return false;
    }
    started_ = true;
    defaultOnly_ = SDL_GetNumAudioDevices(0) <= 0 && DefaultOutputOpens();
    return true;
}

void SdlAudio::Update()
{
    if (!started_)
        return;
    // Device arrivals and losses are this plugin's events; nobody else takes them from the queue.
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED) == 1) {
        if (event.type == SDL_AUDIODEVICEREMOVED && event.adevice.iscapture == 0 && output_ != nullptr
            && event.adevice.which == output_->Id())
            sdlplugin::Log(kPlugin, "the audio device was lost; sound stays off until it is reopened");
    }
}

void SdlAudio::Shutdown()
{
    if (!started_)
        return;
    output_.reset();
    openHandle_ = 0;
    started_ = false;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context)
{
    if (!started_)
        return false;
    if (subclass != DEV_SUBCLASS_ALL && subclass != DEV_SUBCLASS_PLAY)
        return true;
    std::vector<DeviceInfo> list;
    const int count = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < count; ++i)
        list.push_back(PlaybackInfo(static_cast<uint32_t>(i), SDL_GetAudioDeviceName(i, 0)));
    if (list.empty() && defaultOnly_)
        list.push_back(PlaybackInfo(kDefaultOutputId, DefaultOutputName().c_str()));
    if (callback != nullptr)
        for (const DeviceInfo& info : list)
            callback(&info, context);
    return true;
}

bool SdlAudio::FindDefaultDevice(uint32_t subclass, DeviceInfo* out)
{
    if (!started_ || out == nullptr || subclass != DEV_SUBCLASS_PLAY)
        return false;
    const int count = SDL_GetNumAudioDevices(0);
    if (count <= 0 && !defaultOnly_)
        return false;
    // The default is the system's own choice, opened without a name; listed by name when SDL
    // can tell which device that is.
    char* name = nullptr;
    SDL_AudioSpec format;
    if (SDL_GetDefaultAudioInfo(&name, &format, 0) == 0 && name != nullptr) {
        for (int i = 0; i < count; ++i) {
            const char* listed = SDL_GetAudioDeviceName(i, 0);
            if (listed != nullptr && std::string(listed) == name) {
                *out = PlaybackInfo(static_cast<uint32_t>(i), listed);
                SDL_free(name);
                return true;
            }
        }
    }
    SDL_free(name);
    *out = PlaybackInfo(kDefaultOutputId, DefaultOutputName().c_str());
    return true;
}

bool SdlAudio::OpenDevice(const DeviceInfo* info, DeviceHandle* out)
{
    if (!started_ || info == nullptr || out == nullptr)
        return false;
    if (output_ != nullptr) {
        sdlplugin::Log(kPlugin, "an audio device is already open");
        return false;
    }
    std::optional<std::string> device;
    if (info->id != kDefaultOutputId) {
        const char* name = SDL_GetAudioDeviceName(static_cast<int>(info->id), 0);
        if (info->id > static_cast<uint32_t>(INT32_MAX) || name == nullptr)
            return false;
        device = name;
    }
    auto output = std::make_unique<AudioOutput>(mixer_);
    if (!output->Open(device, DefaultMode()))
        return false;
    output_ = std::move(output);
    outputDevice_ = device;
    openHandle_ = nextHandle_++;
    *out = openHandle_;
    return true;
}

void SdlAudio::ReleaseDevice(DeviceHandle handle)
{
    if (handle == 0 || handle != openHandle_)
        return;
    output_.reset();
    openHandle_ = 0;
}

bool SdlAudio::SetMode(WindowHandle, const AudioMode* mode)
{
    // SDL's audio needs no window; the format applies to the open device.
    if (output_ == nullptr || mode == nullptr || !IsSupported(*mode))
        return false;
    const AudioMode& current = output_->Mode();
    if (current.bps == mode->bps && current.channels == mode->channels && current.rate == mode->rate)
        return true;
    // Open the new format before closing the old, so a refusal leaves the device playing as it was.
    auto reopened = std::make_unique<AudioOutput>(mixer_);
    if (reopened->Open(outputDevice_, *mode)) {
        output_ = std::move(reopened);
        return true;
    }
    // Some drivers open their one device only once: close it, try again, else go back.
    const AudioMode previous = current;
    output_->Close();
    if (reopened->Open(outputDevice_, *mode)) {
        output_ = std::move(reopened);
        return true;
    }
    if (!output_->Open(outputDevice_, previous)) {
        sdlplugin::Log(kPlugin, "the audio device did not reopen in its previous format; sound is off");
        output_.reset();
    }
    return false;
}

bool SdlAudio::GetMode(AudioMode* out)
{
    if (output_ == nullptr || out == nullptr)
        return false;
    *out = output_->Mode();
    return true;
}

void SdlAudio::SetVolume(float volume)
{
    if (std::isnan(volume))
        return;
    mixer_.SetGain(volume < 0.0f ? 0.0f : (volume > 1.0f ? 1.0f : volume));
}

float SdlAudio::GetVolume()
{
    return mixer_.Gain();
}

} // namespace sdlaudio
