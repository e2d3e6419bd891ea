// Sound and the sticks: the audio device fed by the mixer's callback, and up to two joysticks.
#include <SDL.h>

#include "host/report.h"
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

static void AudioThunk(void* user, Uint8* stream, int len) {
    State* s = static_cast<State*>(user);
    SDL_memset(stream, 0, static_cast<size_t>(len));
    if (s->audioCb) s->audioCb(s->audioUser, reinterpret_cast<i16*>(stream), len / 4);
}

}  // namespace host::backend::sdl

namespace host::backend {
using namespace sdl;

bool OpenAudio(i32 rate, i32 blockFrames, AudioCallback cb, void* user) {
    State& s = S();
    if (s.audio) return false;
    if (!s.audioDriverRead) {
        s.audioDriverRead = true;
        NamesADriver("SDL_AUDIODRIVER", SDL_HINT_AUDIODRIVER, SDL_GetNumAudioDrivers(), SDL_GetAudioDriver,
                     "choosing the sound device by itself");
    }
    // Without a device the audio libraries write lines of their own; the mixer's one line replaces them.
    ErrorStreamCatch noise;
    // After a failed open the audio subsystem stays up: taking it down waits for its device watcher, up
    // to a tenth of a second at every try on a machine without a device (the first at start-up).
    if (!s.audioUp) {
        EndSdlAtExit();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            noise.End(false);
            return false;
        }
        s.audioUp = true;
    }
    s.audioCb = cb;
    s.audioUser = user;
    SDL_AudioSpec want{}, have{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = static_cast<Uint16>(blockFrames);
    want.callback = AudioThunk;
    want.userdata = &s;
    s.audio = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!s.audio) {
        noise.End(false);
        return false;
    }
    SDL_PauseAudioDevice(s.audio, 0);
    return true;
}

void CloseAudio() {
    State& s = S();
    if (!s.audio) return;
    SDL_CloseAudioDevice(s.audio);
    s.audio = 0;
    s.audioCb = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.audioUp = false;
}

void LockAudio() {
    if (S().audio) SDL_LockAudioDevice(S().audio);
}
void UnlockAudio() {
    if (S().audio) SDL_UnlockAudioDevice(S().audio);
}

i32 StickCount() {
    State& s = S();
    if (!s.sticksUp) {
        EndSdlAtExit();
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return 0;
        s.sticksUp = true;
        for (int i = 0; i < 2 && i < SDL_NumJoysticks(); ++i) s.sticks[i] = SDL_JoystickOpen(i);
    }
    int n = 0;
    while (n < 2 && s.sticks[n]) ++n;
    return n;
}

bool ReadStick(i32 index, StickState* out) {
    State& s = S();
    if (index < 0 || index >= 2 || !s.sticks[index]) return false;
    SDL_JoystickUpdate();
    out->x = static_cast<u32>(SDL_JoystickGetAxis(s.sticks[index], 0) + 32768);
    out->y = static_cast<u32>(SDL_JoystickGetAxis(s.sticks[index], 1) + 32768);
    out->buttons = 0;
    for (int b = 0; b < 4 && b < SDL_JoystickNumButtons(s.sticks[index]); ++b)
        if (SDL_JoystickGetButton(s.sticks[index], b)) out->buttons |= 1u << b;
    return true;
}

}  // namespace host::backend
