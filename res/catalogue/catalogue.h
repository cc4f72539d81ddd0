// The asset catalogue: every bitmap the show loads, in load order, the one
// colour table that all pictures are painted against, and the tunes' ids and
// sizes. Pure data; the loaders and the asset generator both read it.
#pragma once

#include <cstdint>

#include "actor_slots.h"
#include "resource_ids.h"

// One row of the load list. A backdrop row fills no actor slot, an actor row
// no backdrop. Sizes are what the picture resource is authored to; the
// loaders trust only what the resource itself says.
constexpr int kNoBackdrop = -1, kNoActorSlot = -1;

struct LoadListEntry {
    int nResourceId;
    int nBackdrop;   // BackdropId or kNoBackdrop
    int nActorSlot;  // ActorSlot or kNoActorSlot
    int nFrames;
    int nWidth;
    int nHeight;
    int nFrameHeight;
    const char* szShows;
};

// A bitmap resource that the sprite store never loads (title, About art).
struct PictureEntry {
    int nResourceId;
    int nWidth;
    int nHeight;
    const char* szShows;
};

constexpr int kLoadListCount = 51;
constexpr int kBackdropCount = 2;
// The list loads each backdrop once and fills each of the slots before
// kSlotsLoaded once.
static_assert(kBackdropCount == kBackdropDecks + 1, "a load-list backdrop for every BackdropId");
static_assert(kLoadListCount == kBackdropCount + kSlotsLoaded, "a load-list row for every backdrop and loaded slot");
constexpr int kOtherPictureCount = 3;
constexpr int kPaletteSourceResource = IDB_TENTACLE_TIP;  // loaded last: its table becomes the palette

extern const LoadListEntry LoadList[kLoadListCount];
extern const PictureEntry OtherPictures[kOtherPictureCount];

// 0xRRGGBB, entry 0..255.
extern const uint32_t SharedColourTable[256];

// Resource ids of the pictures outside the load list.
constexpr int kTitlePictureId = IDB_TITLE;
constexpr int kAboutPictureId = IDB_ABOUT_ART;
constexpr int kCreditsPictureId = IDB_ABOUT_CREDITS;

// The sound played by its id rather than as a cue: at start-up, and when
// the About dialog opens with sound on.
constexpr int kOpeningSoundId = IDW_OPENING_FLOURISH;

// The two background tunes, each a complete MIDI file of exactly this size.
constexpr int kTune1ResourceId = IDM_TUNE_HORNPIPE;
constexpr int kTune2ResourceId = IDM_TUNE_BRITANNIA;
constexpr uint32_t kTune1Bytes = 8921;
constexpr uint32_t kTune2Bytes = 8457;
