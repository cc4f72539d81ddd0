// Actors: sprite strips shown at a position with a current frame, and the
// five drawing operations every scene uses. Drawing clips pixel by pixel,
// so any keyframe position is safe.
#pragma once

#include <cstdint>

#include "actor_slots.h"
#include "host/host.h"

constexpr int kActorSlotCount = 56;
static_assert(kActorSlotCount >= kSlotsLoaded, "an actor for every slot that the load list fills");

struct Actor {
    int32_t x;            // frame-buffer column of the current frame's left edge
    int32_t y;            // frame-buffer row of its top edge
    int32_t nStore;       // SpriteStore index of the strip
    int32_t nFrame;       // current frame; negative = hidden
    int32_t nFrameCount;  // frames in the strip (0: the slot holds no strip)
    int32_t nFrameHeight;
    int32_t nFrameWidth;
    const uint8_t* pFrame;  // first pixel of the current frame, rows top-down
};

struct ActorTableState {
    Actor slots[kActorSlotCount];
};
extern ActorTableState ActorTable;

// One keyframe per scene frame: stage coordinates and a frame index
// (negative = hidden). A track of L frames has L + 1 entries; entry 0 is
// never read.
struct Keyframe {
    int32_t x;
    int32_t y;
    int32_t frame;
};

// Loads a strip of nFrames frames into the sprite store and binds it to the
// actor slot; false (and the slot as it was) for a slot or frame count out
// of range, before anything loads, or after the store's message.
bool LoadActorStrip(int nResourceId, int nActorSlot, int nFrames);
// Runs the load list, then the palette step; fails only if the palette
// step fails (each failed load shows its own message).
bool LoadBitmaps(HostWindow hWindow);
// Releases every stored picture and empties the actor table.
void ReleaseActors();

// Moves the actor to track[Sequencer.nSceneFrame]. A frame index at or
// above the strip's frame count hides the actor.
void StepActor(int nSlot, const Keyframe* track);
// Draws the actor's current frame; its top-left pixel is the key colour.
void DrawActor(int nSlot);
// Restores the backdrop under the actor's current frame box.
void EraseActor(int nSlot, int nBackdrop);
// Copies the visible part of a backdrop over the stage view.
void DrawBackdrop(int nBackdrop);
// Copies the stage view from the frame buffer to every output of the window.
void PresentStage();
