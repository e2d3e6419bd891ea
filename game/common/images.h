// The handles of every picture and sound loaded at start-up: each holds the object or sound slot that its
// load returned (0 for a picture that failed to load, -1 for a sound).
#pragma once
#include "host/types.h"

extern i32 imgZBAK1B, imgZBAK2B, imgZBAK3B, imgZBAK4B, imgZBAK5B, imgZBAK6B, imgBBAK1B, imgGFBAK1, imgOPMY1, imgFBOM1,
    imgMYMY, imgMYEND, imgMYENDF, imgMYGOODN, imgSUJI09, imgRANKING1, imgHAHEN, imgSFLH1, imgSFLH2, imgSFLH3,
    imgSFLH4, imgSFLH5, imgSFLH11, imgSFLH22, imgSFLH33, imgFLHST, imgFLHST11, imgFLHST2, imgFLHST22, imgFLHST3,
    imgFLHST33, imgFLW1_3, imgFLW2_1, imgFLW3_2, imgFLW11, imgFLW22, imgFLW33, imgRAY1, imgRAY2, imgRAY11, imgRAY22,
    imgRAY3, imgRAY4, imgRAY5, imgRAY6, imgRAY7, imgRAY8, imgRAY10, imgSPOWER1, imgFBAK1, imgSZAK1, imgSZAK6,
    imgSZAK8, imgSZAK9, imgSZAK10, imgSZAK12, imgSZAK13, imgSZAK21, imgSZAK22, imgSZAK23, imgSZAK24, imgSZAK30,
    imgSZAK31, imgSZAK32, imgSZAK33, imgSZAK40, imgSZAK41, imgSZAK50, imgSZAK51, imgSZAK52, imgSZAK53, imgSZAK54,
    imgVAL11, imgVAL12, imgVAL13, imgVAL1, imgVAL2, imgVAL3, imgRPANEL3R, imgRPANEL2R, imgFLZ01_l, imgROCK1,
    imgBOSS11, imgBOSS31, imgBOSS41, imgBOSS51, imgBOSS71, imgBOS111, imgBOS511, imgVAL16241, imgVAL20241, imgVALL20,
    imgVAL201, imgVAL401, imgVAL402, imgVAL402_2, imgVAL404, imgVAL405, imgVAL40L, imgVAL40L1, imgVAL40L2, imgZAL20,
    imgVAL15L, imgVAL151L, imgVAL30L, imgVAL20, imgVALARM11, imgVALARM12, imgVALARM31, imgVALARM32, imgVALARM33,
    imgVALARM34, imgVALARM51, imgVALARM70, imgVALARM7, imgVALARM71, imgVALARM72, imgVALARM73, imgVALARM74,
    imgVALARM75, imgVAL20w, imgVAL21w, imgVAL30w, imgVALL301, imgVALL3011, imgVALL3013, imgVALL3014, imgVALL3015,
    imgVALL3016, imgVAL3015A, imgVAL3016A, imgVALL3017, imgVALL3018, imgVAL3017A, imgVAL3018A, imgVALL302,
    imgVALL3019, imgVALL3020, imgMESO1, imgZFIRE1, imgZFIRE2, imgBBACK1S, imgBBACK2S, imgBBACK3S, imgBBACK6S,
    imgBBACK8S, imgTITLEC, imgKTVCG1, imgKTVCG2, imgLEVEL0, imgLEVEL1, imgCONTINU1;

// The ship picture, loaded by the level select (and the ship select).
extern i32 imgMYME;

// Bodies of the bosses that start-up loading names no file for; nothing fills these handles.
extern i32 imgBOSS2B, imgBOSS4B, imgBOSS5B;

extern i32 sndSHOT, sndBOM;
