// CountingVideo: a video plugin for benchmarks that loads the real one (VORN_BENCH_VIDEO, default
// Plugins/VornDX8.so) and passes every call through, counting the frames it presents. After a
// warm-up it notes the time, the frames and (when AllocCount is preloaded) the heap allocations
// made outside the plugin (the engine's) and inside it (the graphics driver's, which a bare SDL2
// program makes as well), and writes "frames seconds engine driver" to VORN_BENCH_OUT when the
// run shuts the plugin down.
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "contracts/IVideo.h"

namespace {

using Clock = std::chrono::steady_clock;
using AllocationCount = unsigned long long (*)();

constexpr unsigned kWarmUpFrames = 10;

class CountingVideo final : public IVideo {
public:
    CountingVideo(void* module, IVideo* real)
        : module_(module)
        , real_(real)
        , allocations_(reinterpret_cast<AllocationCount>(dlsym(RTLD_DEFAULT, "vorn_bench_allocations")))
    {
    }
    ~CountingVideo() override
    {
        delete real_;
        dlclose(module_);
    }

    bool Initialize() override
    {
        return Pass([&] { return real_->Initialize(); });
    }
    bool Ready() override
    {
        return Pass([&] { return real_->Ready(); });
    }
    void Update() override
    {
        Pass([&] { real_->Update(); });
    }
    void Shutdown() override
    {
        Report();
        Pass([&] { real_->Shutdown(); });
    }
    bool EnumerateDevices(uint32_t s, DeviceEnumCallback c, void* x) override
    {
        return Pass([&] { return real_->EnumerateDevices(s, c, x); });
    }
    bool FindDefaultDevice(uint32_t s, DeviceInfo* o) override
    {
        return Pass([&] { return real_->FindDefaultDevice(s, o); });
    }
    bool OpenDevice(const DeviceInfo* i, DeviceHandle* o) override
    {
        return Pass([&] { return real_->OpenDevice(i, o); });
    }
    void ReleaseDevice(DeviceHandle h) override
    {
        Pass([&] { real_->ReleaseDevice(h); });
    }
    bool SetMode(WindowHandle w, const DisplayMode* m) override
    {
        return Pass([&] { return real_->SetMode(w, m); });
    }
    bool GetMode(DisplayMode* o) override
    {
        return Pass([&] { return real_->GetMode(o); });
    }
    bool EnumerateModes(const DeviceInfo* i, ModeEnumCallback c, void* x) override
    {
        return Pass([&] { return real_->EnumerateModes(i, c, x); });
    }
    bool BeginFrame() override
    {
        return Pass([&] { return real_->BeginFrame(); });
    }
    bool EndFrame() override
    {
        const bool presented = Pass([&] { return real_->EndFrame(); });
        if (presented && ++frames_ == kWarmUpFrames) {
            start_ = Clock::now();
            startAllocations_ = Allocations() - pluginAllocations_;
            startPluginAllocations_ = pluginAllocations_;
        }
        if (presented && frames_ > kWarmUpFrames) {
            end_ = Clock::now();
            endAllocations_ = Allocations() - pluginAllocations_;
            endPluginAllocations_ = pluginAllocations_;
        }
        return presented;
    }
    bool Clear(const Color* c) override
    {
        return Pass([&] { return real_->Clear(c); });
    }
    uint32_t TextureWidth(TextureHandle t) override
    {
        return Pass([&] { return real_->TextureWidth(t); });
    }
    uint32_t TextureHeight(TextureHandle t) override
    {
        return Pass([&] { return real_->TextureHeight(t); });
    }
    TextureHandle CreateTexture(uint32_t w, uint32_t h) override
    {
        return Pass([&] { return real_->CreateTexture(w, h); });
    }
    bool UpdateTexture(TextureHandle t, const VideoRect* a, const uint8_t* p, uint32_t pitch) override
    {
        return Pass([&] { return real_->UpdateTexture(t, a, p, pitch); });
    }
    void ReleaseTexture(TextureHandle t) override
    {
        Pass([&] { real_->ReleaseTexture(t); });
    }
    uint32_t TextureGeneration() override
    {
        return Pass([&] { return real_->TextureGeneration(); });
    }
    bool DrawTriangles(TextureHandle t, const VideoVertex* v, uint32_t n, const int32_t* i, uint32_t ni,
        int32_t blend) override
    {
        return Pass([&] { return real_->DrawTriangles(t, v, n, i, ni, blend); });
    }
    bool SetClipRect(const VideoRect* r) override
    {
        return Pass([&] { return real_->SetClipRect(r); });
    }
    TextureHandle CreateTarget(uint32_t w, uint32_t h) override
    {
        return Pass([&] { return real_->CreateTarget(w, h); });
    }
    bool SetTarget(TextureHandle t) override
    {
        return Pass([&] { return real_->SetTarget(t); });
    }
    bool ClearTransparent() override
    {
        return Pass([&] { return real_->ClearTransparent(); });
    }
    void ForgetWindow(WindowHandle w) override
    {
        Pass([&] { real_->ForgetWindow(w); });
    }

private:
    unsigned long long Allocations() const { return allocations_ != nullptr ? allocations_() : 0; }
    // Calls into the real plugin, counting the allocations made inside (the graphics driver's).
    template <typename Call> auto Pass(Call call) -> decltype(call())
    {
        const unsigned long long before = Allocations();
        struct Counted {
            CountingVideo& self;
            unsigned long long before;
            ~Counted() { self.pluginAllocations_ += self.Allocations() - before; }
        } counted { *this, before };
        return call();
    }
    void Report() const
    {
        const char* path = std::getenv("VORN_BENCH_OUT");
        if (path == nullptr || frames_ <= kWarmUpFrames)
            return;
        if (FILE* out = std::fopen(path, "w")) {
            const double seconds = std::chrono::duration<double>(end_ - start_).count();
            if (allocations_ != nullptr)
                std::fprintf(out, "%u %.6f %llu %llu\n", frames_ - kWarmUpFrames, seconds,
                    endAllocations_ - startAllocations_, endPluginAllocations_ - startPluginAllocations_);
            else
                std::fprintf(out, "%u %.6f\n", frames_ - kWarmUpFrames, seconds);
            std::fclose(out);
        }
    }

    void* module_;
    IVideo* real_;
    AllocationCount allocations_;
    unsigned frames_ = 0;
    Clock::time_point start_, end_;
    // Allocations outside the real plugin (the engine's) and inside it (the driver's).
    unsigned long long startAllocations_ = 0, endAllocations_ = 0;
    unsigned long long pluginAllocations_ = 0, startPluginAllocations_ = 0, endPluginAllocations_ = 0;
};

} // namespace

extern "C" __attribute__((visibility("default"))) IVideo* CreateVideo()
{
    const char* path = std::getenv("VORN_BENCH_VIDEO");
    void* module = dlopen(path != nullptr ? path : "Plugins/VornDX8.so", RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
        return nullptr;
    auto create = reinterpret_cast<CreateVideoFunction>(dlsym(module, "CreateVideo"));
    IVideo* real = create != nullptr ? create() : nullptr;
    if (real == nullptr) {
        dlclose(module);
        return nullptr;
    }
    return new CountingVideo(module, real);
}
