// IAudio: the audio plugin's interface. The host's operations come first, the engine library's
// own (decoded samples, voices that play them, streams) follow them. Every call comes from the
// main thread.
#pragma once

#include <cstdint>

#include "AudioMode.h"
#include "AudioSource.h"
#include "DeviceInfo.h"
#include "WindowHandle.h"

// A decoded sound held by the audio plugin; 0 is none.
using SampleHandle = uint32_t;
// One playing sound; 0 is none. A handle goes stale when its voice ends (played out, stopped, or
// its sample released); voice operations ignore stale handles and IsVoicePlaying answers false.
using VoiceHandle = uint32_t;

class IAudio {
public:
    // Deletes the object inside the plugin's module.
    virtual ~IAudio() = default;
    // Starts the plugin's subsystem. False: the plugin is unusable.
    virtual bool Initialize() = 0;
    // Once per frame.
    virtual void Update() = 0;
    // Stops the subsystem; called once before the object is deleted.
    virtual void Shutdown() = 0;
    // Calls callback(info, context) once per playback device before returning.
    virtual bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) = 0;
    // Fills *out with the default playback device (subclass 2). False: none.
    virtual bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) = 0;
    // Opens the device and writes its handle. False: it cannot be opened.
    virtual bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) = 0;
    // Releases a handle from OpenDevice (closes the device), at finalisation.
    virtual void ReleaseDevice(DeviceHandle handle) = 0;

    // Sets the output format of the opened device. False: refused, nothing changed.
    virtual bool SetMode(WindowHandle window, const AudioMode* mode) = 0;
    // Writes the current output format. False: no device is open.
    virtual bool GetMode(AudioMode* out) = 0;
    // Master volume, a linear gain from 0 to 1.
    virtual void SetVolume(float volume) = 0;
    virtual float GetVolume() = 0;

    // Engine operations. A sample is decoded sound the plugin holds; a voice is one playing of a
    // sample or of a stream. Voice parameters: volume, a linear gain 0..1; pan, -1 (left) to 1
    // (right), constant-power; pitch, a playback-rate factor (1 plays at the sound's own rate),
    // which the plugin may limit to what it can resample. Out-of-range values are clamped, NaN
    // is ignored.

    // Copies `frames` frames of interleaved float samples (-1..1; `channels` 1 or 2 per frame,
    // `rate` frames per second) into a new sample. The caller keeps `pcm`. Returns the sample's
    // handle, or 0 when refused (no frames, a format it cannot play, no memory).
    virtual SampleHandle CreateSample(const float* pcm, uint32_t frames, uint32_t channels, uint32_t rate) = 0;
    // Stops the sample's voices and forgets the handle; the plugin frees the frames once its audio
    // thread no longer reads them. An unknown handle is ignored.
    virtual void ReleaseSample(SampleHandle sample) = 0;
    // Plays the sample from its start on a new voice: once, or with `loop` repeating it without a
    // gap until stopped. Returns the voice, or 0 when nothing plays (unknown sample, no open
    // device, every voice busy).
    virtual VoiceHandle PlaySample(SampleHandle sample, bool loop, float volume, float pan, float pitch) = 0;
    // Plays what `source` produces on a new voice, from what it reads first. The plugin owns
    // `source` from this call on, whatever it returns: it pulls blocks from it ahead of playback
    // off the audio thread and deletes it when the voice is done (at once when it returns 0).
    // Some of the source is read before this returns, so playing starts without a gap. Returns
    // the voice, or 0 (as PlaySample; also a null source or one with 0 or more than 2 channels).
    virtual VoiceHandle PlayStream(IAudioSource* source, float volume, float pan, float pitch) = 0;
    // Holds the voice where it is; ResumeVoice carries on from there.
    virtual void PauseVoice(VoiceHandle voice) = 0;
    virtual void ResumeVoice(VoiceHandle voice) = 0;
    // Ends the voice (it fades out over a few milliseconds instead of clicking); its handle goes
    // stale.
    virtual void StopVoice(VoiceHandle voice) = 0;
    // True while the voice is to be heard: started, not paused, stopped or played out.
    virtual bool IsVoicePlaying(VoiceHandle voice) = 0;
    // Change a playing or paused voice; the change is heard within one mixing block.
    virtual void SetVoiceVolume(VoiceHandle voice, float volume) = 0;
    virtual void SetVoicePan(VoiceHandle voice, float pan) = 0;
    virtual void SetVoicePitch(VoiceHandle voice, float pitch) = 0;
};

// The factory an audio plugin exports as "CreateAudio": a new object, or null.
using CreateAudioFunction = IAudio* (*)();
