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

// Whether the driver's default output opens at all; probed once when nothing is listed. On
// failure, SDL's reason is in `error`.
bool DefaultOutputOpens(std::string& error)
{
    SDL_AudioSpec wanted {};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0) {
        error = SDL_GetError();
        return false;
    }
    SDL_CloseAudioDevice(id);
    return true;
}

} // namespace

SdlAudio::SdlAudio()
    : voices_(mixer_, feeder_)
{
}

SdlAudio::~SdlAudio()
{
    Shutdown();
}

bool SdlAudio::Initialize()
{
    if (started_)
        return true;
    quietAlsa_ = std::make_unique<QuietAlsa>();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sdlplugin::Log(kPlugin, "cannot start SDL audio: %s", SDL_GetError());
        quietAlsa_.reset();
        return false;
    }
    started_ = true;
    if (SDL_GetNumAudioDevices(0) <= 0) {
        std::string error;
        defaultOnly_ = DefaultOutputOpens(error);
        if (!defaultOnly_)
            sdlplugin::Log(kPlugin, "cannot open the audio device '%s': %s; sound is off",
                DefaultOutputName().c_str(), error.c_str());
    }
    return true;
}

void SdlAudio::Update()
{
    if (!started_)
        return;
    Collect();
    // Device arrivals and losses are this plugin's events; nobody else takes them from the queue.
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED) == 1) {
        if (event.type == SDL_AUDIODEVICEREMOVED && event.adevice.iscapture == 0 && output_ != nullptr
            && event.adevice.which == output_->Id())
            sdlplugin::Log(kPlugin, "the audio device '%s' was lost; sound is off", outputName_.c_str());
    }
}

void SdlAudio::Shutdown()
{
    if (!started_)
        return;
    CloseOutput();
    feeder_.Stop();
    samples_.clear();
    released_.clear();
    openHandle_ = 0;
    started_ = false;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    quietAlsa_.reset();
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
    const std::string listedName(info->name, strnlen(info->name, sizeof info->name));
    const AudioMode mode = DefaultMode();
    auto output = std::make_unique<AudioOutput>(mixer_);
    std::string error;
    if (!output->Open(device, mode, error)) {
        sdlplugin::Log(kPlugin,
            "cannot open the audio device '%s' (%d Hz, %d channels, %d bits): %s; sound is off",
            listedName.c_str(), mode.rate, mode.channels, mode.bps, error.c_str());
        return false;
    }
    output_ = std::move(output);
    outputDevice_ = device;
    outputName_ = listedName;
    openHandle_ = nextHandle_++;
    *out = openHandle_;
    return true;
}

void SdlAudio::ReleaseDevice(DeviceHandle handle)
{
    if (handle == 0 || handle != openHandle_)
        return;
    CloseOutput();
    openHandle_ = 0;
}

void SdlAudio::CloseOutput()
{
    output_.reset(); // the callback has finished when this returns
    mixer_.EndAll();
    Collect();
}

void SdlAudio::Collect()
{
    voices_.Reclaim();
    std::erase_if(
        released_, [this](const std::unique_ptr<SampleData>& sample) { return !voices_.Uses(sample.get()); });
}

bool SdlAudio::SetMode(WindowHandle, const AudioMode* mode)
{
    // SDL's audio needs no window; the format applies to the open device.
    if (output_ == nullptr || mode == nullptr || !IsSupported(*mode))
        return false;
    const AudioMode previous = output_->Mode();
    if (previous.bps == mode->bps && previous.channels == mode->channels && previous.rate == mode->rate)
        return true;
    // Closed first: one device at a time plays the mixer. The voices wait in the mixer and carry
    // on in the new format.
    output_->Close();
    std::string error;
    if (output_->Open(outputDevice_, *mode, error))
        return true;
    sdlplugin::Log(kPlugin, "the audio device '%s' refused %d Hz, %d channels, %d bits: %s",
        outputName_.c_str(), mode->rate, mode->channels, mode->bps, error.c_str());
    if (!output_->Open(outputDevice_, previous, error)) {
        sdlplugin::Log(kPlugin,
            "the audio device '%s' did not reopen in its previous format: %s; sound is off",
            outputName_.c_str(), error.c_str());
        CloseOutput();
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
