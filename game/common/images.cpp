#include "game/common/images.h"

i32 imgZBAK1B = 0, imgZBAK2B = 0, imgZBAK3B = 0, imgZBAK4B = 0, imgZBAK5B = 0, imgZBAK6B = 0, imgBBAK1B = 0, imgGFBAK1
    = 0, imgOPMY1 = 0, imgFBOM1 = 0, imgMYMY = 0, imgMYEND = 0, imgMYENDF = 0, imgMYGOODN = 0, imgSUJI09 = 0,
    imgRANKING1 = 0, imgHAHEN = 0, imgSFLH1 = 0, imgSFLH2 = 0, imgSFLH3 = 0, imgSFLH4 = 0, imgSFLH5 = 0, imgSFLH11 =
    0, imgSFLH22 = 0, imgSFLH33 = 0, imgFLHST = 0, imgFLHST11 = 0, imgFLHST2 = 0, imgFLHST22 = 0, imgFLHST3 = 0,
    imgFLHST33 = 0, imgFLW1_3 = 0, imgFLW2_1 = 0, imgFLW3_2 = 0, imgFLW11 = 0, imgFLW22 = 0, imgFLW33 = 0, imgRAY1 =
    0, imgRAY2 = 0, imgRAY11 = 0, imgRAY22 = 0, imgRAY3 = 0, imgRAY4 = 0, imgRAY5 = 0, imgRAY6 = 0, imgRAY7 = 0,
    imgRAY8 = 0, imgRAY10 = 0, imgSPOWER1 = 0, imgFBAK1 = 0, imgSZAK1 = 0, imgSZAK6 = 0, imgSZAK8 = 0, imgSZAK9 = 0,
    imgSZAK10 = 0, imgSZAK12 = 0, imgSZAK13 = 0, imgSZAK21 = 0, imgSZAK22 = 0, imgSZAK23 = 0, imgSZAK24 = 0, imgSZAK30
    = 0, imgSZAK31 = 0, imgSZAK32 = 0, imgSZAK33 = 0, imgSZAK40 = 0, imgSZAK41 = 0, imgSZAK50 = 0, imgSZAK51 = 0,
    imgSZAK52 = 0, imgSZAK53 = 0, imgSZAK54 = 0, imgVAL11 = 0, imgVAL12 = 0, imgVAL13 = 0, imgVAL1 = 0, imgVAL2 = 0,
    imgVAL3 = 0, imgRPANEL3R = 0, imgRPANEL2R = 0, imgFLZ01_l = 0, imgROCK1 = 0, imgBOSS11 = 0, imgBOSS31 = 0,
    imgBOSS41 = 0, imgBOSS51 = 0, imgBOSS71 = 0, imgBOS111 = 0, imgBOS511 = 0, imgVAL16241 = 0, imgVAL20241 = 0,
    imgVALL20 = 0, imgVAL201 = 0, imgVAL401 = 0, imgVAL402 = 0, imgVAL402_2 = 0, imgVAL404 = 0, imgVAL405 = 0,
    imgVAL40L = 0, imgVAL40L1 = 0, imgVAL40L2 = 0, imgZAL20 = 0, imgVAL15L = 0, imgVAL151L = 0, imgVAL30L = 0,
    imgVAL20 = 0, imgVALARM11 = 0, imgVALARM12 = 0, imgVALARM31 = 0, imgVALARM32 = 0, imgVALARM33 = 0, imgVALARM34 =
    0, imgVALARM51 = 0, imgVALARM70 = 0, imgVALARM7 = 0, imgVALARM71 = 0, imgVALARM72 = 0, imgVALARM73 = 0,
    imgVALARM74 = 0, imgVALARM75 = 0, imgVAL20w = 0, imgVAL21w = 0, imgVAL30w = 0, imgVALL301 = 0, imgVALL3011 = 0,
    imgVALL3013 = 0, imgVALL3014 = 0, imgVALL3015 = 0, imgVALL3016 = 0, imgVAL3015A = 0, imgVAL3016A = 0, imgVALL3017
    = 0, imgVALL3018 = 0, imgVAL3017A = 0, imgVAL3018A = 0, imgVALL302 = 0, imgVALL3019 = 0, imgVALL3020 = 0, imgMESO1
    = 0, imgZFIRE1 = 0, imgZFIRE2 = 0, imgBBACK1S = 0, imgBBACK2S = 0, imgBBACK3S = 0, imgBBACK6S = 0, imgBBACK8S = 0,
    imgTITLEC = 0, imgKTVCG1 = 0, imgKTVCG2 = 0, imgLEVEL0 = 0, imgLEVEL1 = 0, imgCONTINU1 = 0;

i32 imgMYME = 0;
i32 imgBOSS2B = 0, imgBOSS4B = 0, imgBOSS5B = 0;
i32 sndSHOT = -1, sndBOM = -1;
