// The HUD's score line, the ranking board of the ending, and the unused time limit.
#include <cstdio>

#include "el/elDraw.h"
#include "el/elMidi.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/shell/shell.h"

i32 RankingTable[7];

namespace {

constexpr i32 kRankingDefaults[7] = {100'000'000, 70'000'000, 30'000'000, 20'000'000, 1'000'000, 700'000, 50'000};

// Big digits: ten 20x25 cells side by side in the SUJI09 sheet.
void PutBigDigit(i32 x, i32 y, i32 d) { elDraw::PutSprite(x, y, imgSUJI09, 20 * d, 0, 20 * d + 20, 25); }
// Small digits: ten 7x10 cells in a row of the MYMY sheet.
void PutSmallDigit(i32 x, i32 y, i32 d) { elDraw::PutSprite(x, y, imgMYMY, 8 + 7 * d, 70, 15 + 7 * d, 80); }

// Formats value with `format` and draws its first `count` characters `step` pixels apart; a character
// that is not a digit (a sign) takes its place but draws nothing.
void PutNumber(const char* format, i32 value, i32 count, i32 x, i32 y, i32 step, void (*put)(i32, i32, i32)) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    for (i32 i = 0; i < count && text[i] != 0; ++i) {
        if (text[i] >= '0' && text[i] <= '9') put(x + step * i, y, text[i] - '0');
    }
}

}  // namespace

void Hud_Draw() {
    PutNumber("%09d", Score, 9, 200, 0, 20, PutBigDigit);
    PutNumber("%09d", HiScore, 9, 380, 6, 10, PutSmallDigit);
    if (Lives >= 0) PutNumber("%03d", Lives, 3, 500, 6, 10, PutSmallDigit);
    if (Bombs >= 0) PutNumber("%02d", Bombs, 2, 560, 6, 10, PutSmallDigit);
    elDraw::PutSprite(475, 6, imgMYMY, 200, 70, 224, 80);
    elDraw::PutSprite(535, 6, imgMYMY, 170, 70, 194, 80);
}

void Ranking_Draw() {
    for (i32 k = 0; k < 7; ++k) RankingTable[k] = kRankingDefaults[k];
    for (i32 k = 0; k < 7; ++k) {
        if (RankingTable[k] <= HiScore || RankingTable[k] <= Score) {
            RankingTable[k] = HiScore;
            break;
        }
    }
    elDraw::PutSprite(200, 100, imgRANKING1, 0, 0, 400, 100);
    for (i32 k = 1; k <= 7; ++k) {
        const i32 y = 185 + 40 * k;
        PutBigDigit(230, y, k);
        PutNumber("%09d", RankingTable[k - 1], 9, 310, y, 20, PutBigDigit);
    }
}

void Game_EndCountdown() {
    if (elSystem::CheckWait(1)) {
        if (GameOver == 0 && TimeLimitOn == 1) {
            TimeLeft -= 1;
            if (TimeLeft == 0) {
                GameOver = 1;
                elMidi::Stop();
                elSystem::SetWait(1, 3000);
            } else {
                elSystem::SetWait(1, 1000);
            }
        } else {
            GameMode = ModeTitle;
            PrevMode = 0;
        }
    }
    if (GameOver == 0 && TimeLimitOn == 1 && Lives <= 0) {
        GameOverClock += FrameTime * 1.0f;
        GameOver = 1;
        elMidi::Stop();
        elSystem::SetWait(1, 9000);
    }
    if (GameOverClock >= 30.0f) {
        GameOverClock = 0;
        GameMode = ModeTitle;
        PrevMode = 0;
    }
}
