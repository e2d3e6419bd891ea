// What the sound module's files share: object checks, buffer selection, buffer making and the messages.
#pragma once
#include <string>

#include "el/elSound.h"
#include "host/mixer.h"

namespace elSound::detail {

// Shift-JIS messages.
inline constexpr const char* kMsgTooManyMix = "\x83~\x83" "b\x83N\x83X\x90\x94\x82\xAA\x91\xBD\x89\xDF\x82\xAC\x82\xDC\x82\xB7";  // ミックス数が多過ぎます
inline constexpr const char* kMsgTooManyObjects = "\x83I\x83u\x83W\x83" "F\x83N\x83g\x90\x94\x82\xAA\x91\xBD\x89\xDF\x82\xAC\x82\xDC\x82\xB7";  // オブジェクト数が多過ぎます
inline constexpr const char* kMsgNoResource = "WAVE\x83\x8A\x83\x5C\x81[\x83X\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1";  // WAVEリソースが見つかりません
inline constexpr const char* kMsgNoBuffer = "\x83T\x83" "E\x83\x93\x83h\x83o\x83" "b\x83t\x83@\x82\xAA\x90\xB6\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // サウンドバッファが生成できません
inline constexpr const char* kMsgNameTooLong = "\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xDC\x82\xBD\x82\xCD\x83\x8A\x83\x5C\x81[\x83X\x96\xBC\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7";  // ファイル名またはリソース名が長すぎます
inline constexpr const char* kMsgNoFormat = "\x8D\xC4\x90\xB6\x83t\x83H\x81[\x83}\x83" "b\x83g\x82\xF0\x95\xCF\x8DX\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // 再生フォーマットを変更できません
inline constexpr const char* kMsgCannotRead = "WAVE\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";  // WAVEファイルを読み込めません
inline constexpr const char* kMsgPackNameTooLong = "\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7";  // ファイル名が長すぎます
inline constexpr const char* kMsgNoPack = "\x83p\x83" "b\x83N\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xAA\x8Ew\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1";  // パックファイル名が指定されていません
inline constexpr const char* kMsgCannotStream = "\x83X\x83g\x83\x8A\x81[\x83~\x83\x93\x83O\x8D\xC4\x90\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";  // ストリーミング再生できません

constexpr u32 kNoWrap = 0xFFFFFFFFu;
constexpr size_t kNameMax = 30;

// The object `soundNo` when the device is up and the object holds a sound; else null.
Object* UsedObject(i32 soundNo);

// Calls f(i) for each buffer the selector names that exists: >= 0 that buffer, -2 the next in turn,
// any other negative value every buffer of the object.
template <class F>
void ForBuffers(Object& o, i32 selector, F f) {
    const u32 n = o.mixCount > static_cast<u32>(kMaxMix) ? static_cast<u32>(kMaxMix) : o.mixCount;
    if (selector >= 0 || selector == -2) {
        const u32 i = selector >= 0 ? static_cast<u32>(selector) : o.nextBuffer;
        if (i < n && o.buffer[i]) f(i);
        return;
    }
    for (u32 i = 0; i < n; ++i)
        if (o.buffer[i]) f(i);
}

// True when the mixer can play this format (PCM, 8 or 16 bits, mono or stereo, consistent sizes).
bool PlayableFormat(const host::WaveFormat& f);
// Why MakeBuffers refused a sound of this format and data size, for the report that names its file.
std::string BufferProblem(const host::WaveFormat& f, u32 dataSize);

// Makes `count` buffers of object `no` holding `data`, applying the stored values while reloading and
// taking the buffer's own frequency otherwise. On failure every buffer made so far is released and every
// entry is null again.
bool MakeBuffers(i32 no, const host::WaveFormat& f, const u8* data, u32 dataSize, u32 count);
// Makes one circular stream buffer of `bytes` bytes with `first` copied to its start.
bool MakeStreamBuffer(i32 no, const host::WaveFormat& f, u32 bytes, const u8* first, u32 firstSize);
// Stops and releases every buffer entry of the object (all ten), leaving them null.
void DropBuffers(Object& o);

// elSound::ReadWaveFile that also says why a file did not read, in `problem` (the system's reason for a file
// it cannot open, else what in it is wrong), in words that stand after the file's name in a report.
u32 ReadWaveFile(const char* path, host::WaveFormat** format, u32* formatSize, u8** data, u32* dataSize,
                 std::string* problem);

// The lowest free object, or -1.
i32 FreeObject();

// Embedded "WAVE" and RCDATA resources. The program carries none on this system, so the table is empty;
// it is a pointer so that another build (or a test) can provide one.
struct Resource {
    const char* name;
    const char* type;  // "WAVE" or "RCDATA"
    const u8* data;
    u32 size;
};
extern const Resource* Resources;
extern u32 ResourceCount;
const Resource* FindResource(const char* name, const char* type);
// A resource taken as a WAVE file image of fixed layout: format at byte 20, data size at byte 40,
// samples from byte 44. The tags and sizes are checked; false for anything else.
bool WaveFromImage(const u8* image, u32 size, host::WaveFormat* format, const u8** data, u32* dataSize);

// Drives every stream whose data comes from the pack file (defined with the pack code).
u32 StreamRefill(i32 soundNo);

}  // namespace elSound::detail
