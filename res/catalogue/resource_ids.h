/* Resource ids of SSHarborgast.scr: the one list that the resource script
   and the code both include, so that no id is typed twice. Plain #defines,
   since the resource compiler reads this file as C. */
#ifndef HARBORGAST_RESOURCE_IDS_H
#define HARBORGAST_RESOURCE_IDS_H

/* The saver's display name in the platform's list of screen savers. */
#define IDS_SAVER_NAME 1

/* ---- Bitmaps ------------------------------------------------------------ */
#define IDB_OPEN_SEA 130          /* backdrop 0: open sea under a cloudy sky */
#define IDB_SHIP_DECKS 141        /* backdrop 1: the two decks seen from on board */
#define IDB_BRIG 132
#define IDB_GALLEON 134
#define IDB_ENSIGN_SMALL 133      /* the brig's ensign */
#define IDB_JOLLY_ROGER_SMALL 135
#define IDB_CANNON_FIRE 137       /* muzzle flash and smoke puff */
#define IDB_ENSIGN_LARGE 152
#define IDB_JOLLY_ROGER_LARGE 153
#define IDB_CANNON_BLAST 178
#define IDB_CANNONBALL 177
#define IDB_SMOKE_CLOUD 179
#define IDB_SHOT_HOLE 158
#define IDB_NAVY_OFFICER 160
#define IDB_NAVY_SAILORS 172
#define IDB_RED_COAT_PIRATE 162
#define IDB_PIRATE 163
#define IDB_SPLASH 165
#define IDB_PLANK 166
#define IDB_BLOOD 176
#define IDB_BRIG_RIGGING 187
#define IDB_WAVES_WIDE 188
#define IDB_BRIG_DISTANT 185
#define IDB_ENSIGN_TINY 186
#define IDB_GALLEON_HEELING 200
#define IDB_WAVES_NARROW 201
#define IDB_GUN_PORTS 202
#define IDB_GUN_PORTS_NARROW 203
#define IDB_WATER_BETWEEN_HULLS 164
#define IDB_KRAKEN_EYES 209
#define IDB_KRAKEN_EYES_SMALL 210
#define IDB_KRAKEN_RISING 198
#define IDB_KRAKEN_HEAD 199
#define IDB_TENTACLE 205
#define IDB_TENTACLE_TWO_POSES 206
#define IDB_TENTACLE_THREE_POSES 207
#define IDB_TENTACLE_ROUND_MAST 208
#define IDB_TENTACLE_TIP 204      /* loaded last: its colour table becomes the palette */
#define IDB_TITLE 142
#define IDB_ABOUT_ART 183
#define IDB_ABOUT_CREDITS 184

/* ---- WAVE sounds ---------------------------------------------------------- */
#define IDW_OPENING_FLOURISH 149
#define IDW_CANNON_SHOT 148
#define IDW_ORDER_TO_FIRE 190
#define IDW_BALL_IN_RIGGING 191
#define IDW_HULL_BREACH 192
#define IDW_SWORD_CLASH 193
#define IDW_CRY_OF_PAIN 194
#define IDW_PIRATE_LAUGHTER 195
#define IDW_BATTLE_CRY 196
#define IDW_TENTACLE_SLAP 235
#define IDW_BROADSIDE 227
#define IDW_SCREAM_AND_SPLASH 228
#define IDW_SHANTY_CHEER 230
#define IDW_SHIP_SINKING 231
#define IDW_KRAKEN_ROAR 232
#define IDW_SEA_AMBIENCE 233

/* ---- MIDI tunes ------------------------------------------------------------ */
#define IDM_TUNE_HORNPIPE 243
#define IDM_TUNE_BRITANNIA 244

/* ---- Cursor (IDC_ names are the system's own) --------------------------------------------------------------- */
#define IDCUR_LINK_HAND 117   /* the hand over a link */

/* ---- Dialogs ----------------------------------------------------------------- */
#define IDD_CONFIGURE 2003
#define IDD_ABOUT 180             /* for small system fonts */
#define IDD_ABOUT_LARGE_FONTS 2004  /* a smaller layout for large ones */

/* Controls that the code never addresses. */
#define IDC_STATIC (-1)

/* Controls of the configure dialog. */
#define IDC_SPEED_SLIDER 1031
#define IDC_OUTCOME_SLIDER 1032
#define IDC_LIBRARY_LINK 1033     /* its text is the address it opens */
#define IDC_LIBRARY_GROUP 1034
#define IDC_SOUND_ON 1035         /* the three sound modes: their ids are what */
#define IDC_SOUND_FIRST_TIME 1036 /* the profile's nPlaySound holds */
#define IDC_SOUND_OFF 1037
#define IDC_SHOW_BLOOD 1038
#define IDC_MUSIC_ON 1039
#define IDC_MUSIC_GROUP 1041
#define IDC_ABOUT_BUTTON 1042
#define IDC_SAVER_ICON 1050
#define IDC_SAVE 1019             /* a second OK: saves and ends like it */
#define IDM_ABOUT 1125            /* "&About..." in the system menu */
/* The display choices: each setting's buttons in the order of its values,
   so that a button's id is its first button's id plus the value. */
#define IDC_MONITORS_EVERY 1045
#define IDC_MONITORS_MAIN_ONLY 1046
#define IDC_PICTURE_LARGEST_WHOLE 1047
#define IDC_PICTURE_ORIGINAL 1048
#define IDC_PICTURE_FILL_HEIGHT 1049

/* Controls of the About dialog. */
#define IDC_ABOUT_ART 1039
#define IDC_ABOUT_CREDITS 1040
#define IDC_HOT_SPOT_ANIMATOR 1043  /* over the credits' fourth name */
#define IDC_HOT_SPOT_PROGRAMMER 1044  /* over the fifth */

/* The project's web addresses: the configure dialog's link shows and opens
   the first, the credits' names open the second. */
#define HARBORGAST_LIBRARY_ADDRESS "http://harborgast.example/swlib/index.html"
#define HARBORGAST_HOME_ADDRESS "http://harborgast.example/"

/* The generated asset file of a resource: FILE_OF(bitmap, IDB_TITLE, bmp)
   is "bitmap142.bmp". */
#define HARBORGAST_STRINGIFY(x) #x
#define HARBORGAST_FILE_OF2(kind, id, ext) HARBORGAST_STRINGIFY(kind##id.ext)
#define FILE_OF(kind, id, ext) HARBORGAST_FILE_OF2(kind, id, ext)

#endif
