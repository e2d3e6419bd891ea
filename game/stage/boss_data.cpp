#include "game/stage/boss_data.h"

BossIntro Boss11Intro{}, Boss51Intro{}, Boss71Intro{};

BossBlast Boss11BigBlasts[kBigBlasts], Boss11SmallBlasts[kSmallBlasts];
BossBlast Boss71BigBlasts[kBigBlasts], Boss71SmallBlasts[kSmallBlasts];
BossBlast Boss2BBigBlasts[kBigBlasts], Boss2BSmallBlasts[kSmallBlasts];
BossBlast Boss41BigBlasts[kBigBlasts], Boss41SmallBlasts[kSmallBlasts];
BossBlast Boss51BigBlasts[kBigBlasts], Boss51SmallBlasts[kSmallBlasts];
BossBlast Boss4BBigBlasts[kBigBlasts], Boss4BSmallBlasts[kSmallBlasts];
BossBlast Boss31BigBlasts[kBigBlasts], Boss31SmallBlasts[kSmallBlasts];
BossBlast Boss5BBigBlasts[kBigBlasts], Boss5BSmallBlasts[kSmallBlasts];
