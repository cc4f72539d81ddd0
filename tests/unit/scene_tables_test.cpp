// The scenes' stated data, written out here as the design gives it and
// checked against the expanded scripts: every stated keyframe, visibility
// range, drawing order with its switches, and cue. Where the design leaves
// values to the authors (in-between poses, rocking, choreography), only the
// stated ranges, sets and end points are checked.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "audio/cues.h"
#include "actor_slots.h"
#include "engine/actors.h"
#include "engine/scene_ids.h"
#include "engine/scenes.h"
#include "engine/sequencer.h"

namespace {

// What the design says about one channel (x, y or strip frame) of a track
// over a stretch of frames.
struct Said {
    enum Kind { kFree, kLine, kCycle, kWithin, kOneOf, kAlternates } nKind = kFree;
    int nStart = 0, nStep = 0, nEvery = 1;  // line: start + step * ((f - from) / every)
    int nLow = 0, nHigh = 0;                // within
    std::vector<int> values;                // the cycle from the stretch's first frame, or the set
};

Said Free() { return {}; }
Said Line(int nStart, int nStep, int nEvery = 1) { return {Said::kLine, nStart, nStep, nEvery, 0, 0, {}}; }
Said Is(int v) { return Line(v, 0); }
Said Cycle(std::vector<int> values) { return {Said::kCycle, 0, 0, 1, 0, 0, std::move(values)}; }
Said Within(int nLow, int nHigh) { return {Said::kWithin, 0, 0, 1, nLow, nHigh, {}}; }
Said OneOf(std::vector<int> values) { return {Said::kOneOf, 0, 0, 1, 0, 0, std::move(values)}; }
// One of two values, changing on every frame.
Said Alternates(int a, int b) { return {Said::kAlternates, 0, 0, 1, 0, 0, {a, b}}; }
Said Hidden() { return Within(INT_MIN, -1); }
Said Shown() { return Within(0, INT_MAX); }

// Frames nFrom..nTo of a slot's track.
struct Stretch {
    int nSlot, nFrom, nTo;
    Said x, y, frame;
};

// A slot that keeps a fixed offset from another's position.
struct Offset {
    int nSlot, nLeader, nFrom, nTo, dx, dy;
};

struct OrderFrom {
    int nFrom;
    std::vector<int> slots;  // back to front
};

struct CueMarks {
    int nCue;
    std::vector<int> frames;
};

struct SceneStatement {
    int nScene, nLength, nBackdrop;
    std::vector<int> cast;  // slots
    std::vector<Stretch> stretches;
    std::vector<Offset> offsets;
    std::vector<OrderFrom> orders;
    int nCueEntries;
    std::vector<CueMarks> cues;
};

const Keyframe* TrackOfSlot(const SceneScript& s, int nSlot) {
    for (int i = 0; i < s.nCast; ++i)
        if (s.pCast[i].nSlot == nSlot) return CastTrack(s, i);
    return nullptr;
}

bool Holds(const Said& said, int nFrom, int f, int v, int nPrevious) {
    switch (said.nKind) {
        case Said::kFree: return true;
        case Said::kLine: return v == said.nStart + said.nStep * ((f - nFrom) / said.nEvery);
        case Said::kCycle: return v == said.values[size_t(f - nFrom) % said.values.size()];
        case Said::kWithin: return v >= said.nLow && v <= said.nHigh;
        case Said::kOneOf: return std::find(said.values.begin(), said.values.end(), v) != said.values.end();
        case Said::kAlternates:
            return (v == said.values[0] || v == said.values[1]) && (f == nFrom || v != nPrevious);
    }
    return false;
}

void CheckScene(const SceneStatement& st) {
    SCOPED_TRACE("scene " + std::to_string(st.nScene));
    ExpandSceneTracks(true);
    const SceneScript& s = *SceneTable[st.nScene].pScript;
    ASSERT_EQ(s.nLength, st.nLength);
    EXPECT_EQ(s.nBackdrop, st.nBackdrop);

    std::vector<int> cast, statedCast = st.cast;
    for (int i = 0; i < s.nCast; ++i) cast.push_back(s.pCast[i].nSlot);
    std::sort(cast.begin(), cast.end());
    std::sort(statedCast.begin(), statedCast.end());
    ASSERT_EQ(cast, statedCast);

    // Every frame of every member has its visibility stated.
    std::vector<std::vector<bool>> covered(64, std::vector<bool>(size_t(st.nLength) + 1));
    for (const Stretch& k : st.stretches) {
        const Keyframe* track = TrackOfSlot(s, k.nSlot);
        ASSERT_NE(track, nullptr) << "slot " << k.nSlot;
        ASSERT_TRUE(k.nFrom >= 1 && k.nFrom <= k.nTo && k.nTo <= st.nLength) << "slot " << k.nSlot;
        for (int f = k.nFrom; f <= k.nTo; ++f) {
            const std::string szWhere = "slot " + std::to_string(k.nSlot) + " frame " + std::to_string(f);
            EXPECT_TRUE(Holds(k.x, k.nFrom, f, track[f].x, track[f - 1].x)) << szWhere << ": x " << track[f].x;
            EXPECT_TRUE(Holds(k.y, k.nFrom, f, track[f].y, track[f - 1].y)) << szWhere << ": y " << track[f].y;
            EXPECT_TRUE(Holds(k.frame, k.nFrom, f, track[f].frame, track[f - 1].frame))
                << szWhere << ": strip frame " << track[f].frame;
            if (k.frame.nKind != Said::kFree) covered[size_t(k.nSlot)][size_t(f)] = true;
        }
    }
    for (int nSlot : st.cast)
        for (int f = 1; f <= st.nLength; ++f)
            EXPECT_TRUE(covered[size_t(nSlot)][size_t(f)]) << "nothing stated for slot " << nSlot << " frame " << f;

    for (const Offset& o : st.offsets) {
        const Keyframe* track = TrackOfSlot(s, o.nSlot);
        const Keyframe* leader = TrackOfSlot(s, o.nLeader);
        ASSERT_TRUE(track != nullptr && leader != nullptr);
        for (int f = o.nFrom; f <= o.nTo; ++f) {
            EXPECT_EQ(track[f].x, leader[f].x + o.dx) << "slot " << o.nSlot << " frame " << f;
            EXPECT_EQ(track[f].y, leader[f].y + o.dy) << "slot " << o.nSlot << " frame " << f;
        }
    }

    // The drawing order of every frame, by slot.
    ASSERT_GE(s.nOrders, 1);
    EXPECT_EQ(s.pOrders[0].nFromFrame, 1);
    for (int f = 1; f <= st.nLength; ++f) {
        size_t nStated = 0;
        while (nStated + 1 < st.orders.size() && st.orders[nStated + 1].nFrom <= f) ++nStated;
        int nScript = 0;
        while (nScript + 1 < s.nOrders && s.pOrders[nScript + 1].nFromFrame <= f) ++nScript;
        std::vector<int> order;
        for (int k = 0; k < s.pOrders[nScript].nCount; ++k) order.push_back(s.pCast[s.pOrders[nScript].pCast[k]].nSlot);
        EXPECT_EQ(order, st.orders[nStated].slots) << "frame " << f;
    }

    // The cue table in full.
    std::vector<int> cues(size_t(st.nCueEntries), 0);
    for (const CueMarks& m : st.cues)
        for (int f : m.frames) cues[size_t(f)] = m.nCue;
    ASSERT_EQ(s.nCues, st.nCueEntries);
    EXPECT_EQ(std::vector<int>(s.pCues, s.pCues + s.nCues), cues);
}

// Frames nFrom..nTo of a slot at one pose.
Stretch Pose(int nSlot, int nFrom, int nTo, int x, int y, int nFrame) {
    return {nSlot, nFrom, nTo, Is(x), Is(y), Is(nFrame)};
}
Stretch Gone(int nSlot, int nFrom, int nTo) { return {nSlot, nFrom, nTo, Free(), Free(), Hidden()}; }

// A cannon shot of scene 2 fired at muzzle point (x, y) on frame nFrom: two
// frames of flash there, then the puff 10 left and 10 up each frame, for ten
// frames or until the scene ends.
void AddShot(std::vector<Stretch>& v, int nSlot, int nFrom, int x, int y, int nFlash, int nPuff) {
    v.push_back(Pose(nSlot, nFrom, nFrom + 1, x, y, nFlash));
    v.push_back({nSlot, nFrom + 2, std::min(nFrom + 11, 197), Line(x - 10, -10), Line(y - 10, -10), Is(nPuff)});
}

TEST(SceneTables, SceneOneTheShipsAtSea) {
    CheckScene({kSceneShipsAtSea, 273, kBackdropOpenSea,
                {kSlotBrigDistant, kSlotEnsignTiny, kSlotGalleon, kSlotJollyRoger},
                {
                    {kSlotBrigDistant, 1, 30, Line(640, -1), Cycle({300, 300, 300, 300, 300, 299, 299, 298, 298, 299}),
                     Is(0)},
                    {kSlotBrigDistant, 31, 273, Line(610, -1, 2),
                     Cycle({300, 300, 300, 300, 300, 299, 299, 298, 298, 299}), Is(0)},
                    {kSlotBrigDistant, 273, 273, Is(489), Is(300), Is(0)},
                    {kSlotEnsignTiny, 1, 273, Free(), Free(), Cycle({0, 1})},
                    {kSlotEnsignTiny, 1, 1, Is(800), Is(302), Is(0)},
                    {kSlotEnsignTiny, 273, 273, Is(649), Is(302), Is(0)},
                    {kSlotGalleon, 1, 149, Free(), Free(), Is(-2)},
                    {kSlotGalleon, 150, 268, Line(-320, 3), Line(148, -1, 8), Is(1)},
                    {kSlotGalleon, 269, 271, Line(-320 + 3 * 119, 3), Is(133), Is(1)},
                    {kSlotGalleon, 272, 273, Line(-320 + 3 * 122, 3), Is(132), Is(1)},
                    {kSlotGalleon, 268, 268, Free(), Is(134), Is(1)},
                    {kSlotGalleon, 273, 273, Is(49), Free(), Is(1)},
                    {kSlotJollyRoger, 1, 149, Free(), Free(), Is(-1)},
                    {kSlotJollyRoger, 150, 273, Free(), Free(), Cycle({0, 1})},
                    {kSlotJollyRoger, 150, 150, Is(-295), Is(205), Is(0)},
                    {kSlotJollyRoger, 273, 273, Is(74), Is(189), Is(1)},
                },
                {{kSlotEnsignTiny, kSlotBrigDistant, 1, 273, 160, 2},
                 {kSlotJollyRoger, kSlotGalleon, 150, 273, 25, 57}},
                {{1, {kSlotBrigDistant, kSlotGalleon, kSlotEnsignTiny, kSlotJollyRoger}}},
                274,
                {{kCueSeaAmbience, {1, 80, 140, 200}}}});
}

TEST(SceneTables, SceneTwoTheBrigFires) {
    std::vector<Stretch> k = {
        {kSlotBrig, 1, 11, Cycle({275, 275, 274, 274, 274, 275, 275, 275, 276, 276, 276}),
         Cycle({142, 142, 142, 142, 142, 141, 141, 140, 140, 141, 142}), Is(0)},
        {kSlotBrig, 12, 197, Cycle({275, 275, 275, 274, 274, 275, 275, 276, 276, 276}),
         Cycle({142, 142, 142, 142, 141, 141, 140, 140, 141, 142}), Is(0)},
        {kSlotEnsign, 1, 197, Free(), Free(), Cycle({0, 1})},
        {kSlotEnsign, 1, 1, Is(595), Is(145), Is(0)},
        {kSlotGalleon, 1, 195, Line(22, 2), Within(125, 130), Is(0)},
        {kSlotGalleon, 196, 197, Is(410), Within(125, 130), Is(0)},
        {kSlotJollyRoger, 1, 197, Free(), Free(), Cycle({0, 1})},
        {kSlotJollyRoger, 1, 1, Is(28), Is(229), Is(0)},
        {kSlotJollyRoger, 197, 197, Is(416), Is(225), Is(0)},
        Gone(kSlotCannonFireA, 1, 36),
        Gone(kSlotCannonFireA, 181, 197),
        Gone(kSlotCannonFireB, 1, 42),
    };
    // The first gun's first shot keeps its puff at the muzzle on frames 39 and 40.
    k.push_back(Pose(kSlotCannonFireA, 37, 38, 457, 429, 3));
    k.push_back(Pose(kSlotCannonFireA, 39, 40, 457, 429, 2));
    k.push_back({kSlotCannonFireA, 41, 48, Line(447, -10), Line(419, -10), Is(2)});
    const int kShotsA[][3] = {{49, 481, 429}, {61, 506, 429}, {73, 538, 429}, {85, 568, 429}, {97, 593, 427},
                              {109, 612, 427}, {121, 568, 429}, {133, 612, 427}, {145, 593, 427},
                              {157, 538, 429}, {169, 568, 429}};
    for (const auto& shot : kShotsA) AddShot(k, kSlotCannonFireA, shot[0], shot[1], shot[2], 3, 2);
    // The second gun's second shot is hidden on frames 57 and 58 before its puff flies.
    k.push_back(Pose(kSlotCannonFireB, 55, 56, 335, 424, 1));
    k.push_back(Gone(kSlotCannonFireB, 57, 58));
    k.push_back({kSlotCannonFireB, 59, 68, Line(325, -10), Line(412, -10), Is(0)});
    const int kShotsB[][3] = {{43, 335, 428}, {69, 320, 428}, {81, 320, 428}, {93, 320, 428}, {105, 350, 428},
                              {117, 410, 428}, {129, 410, 428}, {141, 430, 428}, {153, 450, 428},
                              {165, 460, 428}, {177, 500, 423}, {189, 550, 423}};
    for (const auto& shot : kShotsB) AddShot(k, kSlotCannonFireB, shot[0], shot[1], shot[2], 1, 0);
    CheckScene({kSceneBrigFires, 197, kBackdropOpenSea,
                {kSlotBrig, kSlotEnsign, kSlotGalleon, kSlotJollyRoger, kSlotCannonFireA, kSlotCannonFireB}, k,
                {{kSlotEnsign, kSlotBrig, 1, 197, 320, 3}, {kSlotJollyRoger, kSlotGalleon, 1, 197, 6, 100}},
                {{1, {kSlotBrig, kSlotEnsign, kSlotCannonFireA, kSlotCannonFireB, kSlotGalleon, kSlotJollyRoger}}},
                198,
                {{kCueSeaAmbience, {1}},
                 {kCueCannonShot,
                  {36, 42, 48, 54, 60, 68, 72, 80, 84, 92, 96, 104, 108, 116, 120, 128, 132, 140, 144, 152, 156,
                      164, 168, 176, 188}}}});
}

TEST(SceneTables, SceneThreeTheFaceOff) {
    CheckScene({kSceneFaceOff, 32, kBackdropDecks,
                {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotCannonBlast, kSlotCannonball, kSlotSmokeA,
                 kSlotSmokeB, kSlotShotHole, kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorC, kSlotSailorD,
                 kSlotRedCoat, kSlotPirateA, kSlotPirateB, kSlotPirateC, kSlotSplash, kSlotPlank},
                {
                    {kSlotUnionJackLarge, 1, 32, Is(114), Is(172), Cycle({0, 1})},
                    {kSlotJollyRogerLarge, 1, 32, Is(598), Is(146), Cycle({0, 1})},
                    Gone(kSlotCannonBlast, 1, 10), Pose(kSlotCannonBlast, 11, 12, 422, 316, 1),
                    Gone(kSlotCannonBlast, 13, 18), Pose(kSlotCannonBlast, 19, 20, 500, 316, 0),
                    Gone(kSlotCannonBlast, 21, 32),
                    Gone(kSlotCannonball, 1, 12), Pose(kSlotCannonball, 13, 13, 462, 332, 1),
                    Pose(kSlotCannonball, 14, 14, 677, 160, 1), Gone(kSlotCannonball, 15, 20),
                    Pose(kSlotCannonball, 21, 21, 500, 316, 0), Pose(kSlotCannonball, 22, 22, 248, 157, 0),
                    Pose(kSlotCannonball, 23, 23, 56, 50, 0),
                    Gone(kSlotCannonball, 24, 32),
                    Gone(kSlotSmokeA, 1, 10), {kSlotSmokeA, 11, 32, Line(422, -10), Line(316, -10), Is(1)},
                    Pose(kSlotSmokeA, 32, 32, 212, 106, 1),
                    Gone(kSlotSmokeB, 1, 18), {kSlotSmokeB, 19, 32, Line(470, -10), Line(286, -10), Is(0)},
                    Pose(kSlotSmokeB, 32, 32, 340, 156, 0),
                    Gone(kSlotShotHole, 1, 23), Pose(kSlotShotHole, 24, 32, 15, 22, 0),
                    Pose(kSlotFencer, 1, 4, 276, 280, 7), Pose(kSlotFencer, 5, 5, 264, 280, 4),
                    Pose(kSlotFencer, 6, 32, 276, 280, 7),
                    Pose(kSlotSailorA, 1, 8, 222, 355, 13), Pose(kSlotSailorA, 9, 10, 262, 348, 12),
                    Pose(kSlotSailorA, 11, 31, 250, 355, 13),
                    Pose(kSlotSailorA, 32, 32, 222, 355, 13),
                    Pose(kSlotSailorB, 1, 32, 110, 380, 13),
                    Pose(kSlotSailorC, 1, 32, 45, 412, 12),
                    Pose(kSlotSailorD, 1, 32, 242, 425, 9),
                    Pose(kSlotRedCoat, 1, 13, 585, 240, 6), Pose(kSlotRedCoat, 14, 14, 585, 240, 5),
                    Pose(kSlotRedCoat, 15, 21, 585, 240, 6),
                    Pose(kSlotRedCoat, 22, 22, 585, 240, 5), Pose(kSlotRedCoat, 23, 32, 585, 240, 6),
                    Pose(kSlotPirateA, 1, 16, 562, 315, 11), Pose(kSlotPirateA, 17, 18, 561, 315, 9),
                    Pose(kSlotPirateA, 19, 32, 562, 315, 11),
                    Pose(kSlotPirateB, 1, 27, 610, 350, 10), Pose(kSlotPirateB, 28, 29, 610, 350, 11),
                    Pose(kSlotPirateB, 30, 30, 610, 355, 11),
                    Pose(kSlotPirateB, 31, 31, 610, 360, 11), Pose(kSlotPirateB, 32, 32, 620, 365, 9),
                    Pose(kSlotPirateC, 1, 25, 580, 430, 12), Pose(kSlotPirateC, 26, 26, 590, 430, 12),
                    Pose(kSlotPirateC, 27, 27, 600, 430, 12),
                    Pose(kSlotPirateC, 28, 28, 620, 430, 12), Pose(kSlotPirateC, 29, 29, 610, 430, 12),
                    Pose(kSlotPirateC, 30, 30, 580, 430, 10),
                    Pose(kSlotPirateC, 31, 31, 570, 430, 11), Pose(kSlotPirateC, 32, 32, 550, 430, 10),
                    Gone(kSlotSplash, 1, 32),
                    Gone(kSlotPlank, 1, 29), Pose(kSlotPlank, 30, 30, 455, 495, 0),
                    Pose(kSlotPlank, 31, 31, 450, 515, 0),
                    Pose(kSlotPlank, 32, 32, 445, 535, 0),
                },
                {},
                {{1,
                  {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotSmokeA, kSlotSmokeB, kSlotCannonBlast,
                   kSlotCannonball, kSlotShotHole, kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorC, kSlotSailorD,
                   kSlotPlank, kSlotRedCoat, kSlotPirateA, kSlotPirateB, kSlotPirateC, kSlotSplash}}},
                33,
                {{kCueOrderToFire, {5}}, {kCueCannonShot, {11, 19}}, {kCueBallInRigging, {14}},
                 {kCueHullBreach, {22}}}});
}

TEST(SceneTables, SceneFourTheSwordFight) {
    const std::vector<int> kFront = {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotShotHole, kSlotSmokeA,
                                     kSlotSmokeB, kSlotCannonBlast, kSlotCannonball};
    auto order = [&](std::vector<int> middle) {
        std::vector<int> slots = kFront;
        slots.insert(slots.end(), middle.begin(), middle.end());
        slots.insert(slots.end(), {kSlotPirateB, kSlotPirateC, kSlotSplash, kSlotSpatter});
        return slots;
    };
    CheckScene({kSceneSwordFight, 129, kBackdropDecks,
                {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotCannonBlast, kSlotCannonball, kSlotSmokeA,
                 kSlotSmokeB, kSlotShotHole, kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorC, kSlotSailorD,
                 kSlotRedCoat, kSlotPirateA, kSlotPirateB, kSlotPirateC, kSlotSplash, kSlotPlank, kSlotSpatter},
                {
                    {kSlotUnionJackLarge, 1, 129, Is(114), Is(172), Cycle({0, 1})},
                    {kSlotJollyRogerLarge, 1, 129, Is(598), Is(146), Cycle({0, 1})},
                    Gone(kSlotCannonBlast, 1, 129),
                    Gone(kSlotCannonball, 1, 129),
                    {kSlotSmokeA, 1, 17, Line(202, -10), Line(96, -10), Is(1)},
                    Pose(kSlotSmokeA, 17, 17, 42, -64, 1),
                    Gone(kSlotSmokeA, 18, 129),
                    {kSlotSmokeB, 1, 29, Line(330, -10), Line(146, -10), Is(0)},
                    Pose(kSlotSmokeB, 29, 29, 50, -134, 0),
                    Gone(kSlotSmokeB, 30, 129),
                    Pose(kSlotShotHole, 1, 129, 15, 22, 0),
                    // The fencer.
                    {kSlotFencer, 1, 56, Is(276), Is(280), OneOf({7, 4})},
                    {kSlotFencer, 57, 64, Is(259), Is(310), Shown()},
                    {kSlotFencer, 65, 69, Is(259), Is(350), Shown()},
                    {kSlotFencer, 70, 71, Is(264), Is(400), Shown()},
                    {kSlotFencer, 72, 128, Within(25, 150), Is(365), Within(1, 7)},
                    Pose(kSlotFencer, 129, 129, 60, 355, 8),
                    // Sailor A retreats and goes overboard.
                    Pose(kSlotSailorA, 1, 1, 222, 355, 13),
                    {kSlotSailorA, 2, 7, Free(), Free(), Cycle({12, 13})},
                    Pose(kSlotSailorA, 2, 2, 200, 355, 12),
                    Pose(kSlotSailorA, 7, 7, 140, 340, 13),
                    Pose(kSlotSailorA, 8, 8, 35, 335, 14),
                    Pose(kSlotSailorA, 9, 9, 5, 325, 15),
                    Pose(kSlotSailorA, 10, 10, -20, 305, 14),
                    Pose(kSlotSailorA, 11, 11, 10, 280, 11),
                    Pose(kSlotSailorA, 12, 12, 0, 270, 11),
                    Pose(kSlotSailorA, 13, 13, 13, 208, 10),
                    Gone(kSlotSailorA, 14, 129),
                    // Sailor B.
                    Pose(kSlotSailorB, 1, 32, 110, 380, 13),
                    {kSlotSailorB, 33, 72, Within(-5, 150), Within(330, 380), Within(3, 9)},
                    Pose(kSlotSailorB, 73, 92, -5, 330, 18),
                    Pose(kSlotSailorB, 93, 129, -5, 330, 19),
                    // Sailor C.
                    {kSlotSailorC, 1, 27, Is(45), OneOf({412, 400}), Is(12)},
                    Pose(kSlotSailorC, 1, 1, 45, 412, 12),
                    {kSlotSailorC, 28, 57, Within(65, 130), Is(400), OneOf({1, 5, 6, 7, 8, 9})},
                    {kSlotSailorC, 58, 77, Within(100, 110), Is(400), Is(16)},
                    {kSlotSailorC, 78, 129, Within(100, 110), Is(400), Is(17)},
                    // Sailor D.
                    Pose(kSlotSailorD, 1, 14, 242, 425, 9),
                    {kSlotSailorD, 15, 40, Within(5, 175), Is(425), Within(3, 9)},
                    {kSlotSailorD, 15, 15, Is(175), Is(425), Within(3, 9)},
                    {kSlotSailorD, 40, 40, Is(5), Is(425), Within(3, 9)},
                    {kSlotSailorD, 41, 60, Is(5), Within(425, 435), Is(18)},
                    {kSlotSailorD, 61, 129, Is(5), Within(425, 435), Is(19)},
                    // The red coat.
                    {kSlotRedCoat, 1, 49, Is(585), Is(240), OneOf({6, 5, 4})},
                    {kSlotRedCoat, 50, 73, Free(), Free(), Shown()},
                    {kSlotRedCoat, 50, 50, Is(580), Is(260), Shown()},
                    {kSlotRedCoat, 73, 73, Is(254), Is(400), Shown()},
                    {kSlotRedCoat, 74, 129, Within(100, 240), Within(338, 355), Within(0, 3)},
                    Pose(kSlotRedCoat, 129, 129, 160, 338, 2),
                    // Pirate A.
                    Pose(kSlotPirateA, 1, 10, 562, 315, 11),
                    {kSlotPirateA, 11, 72, Within(70, 550), Within(330, 400), Within(4, 11)},
                    {kSlotPirateA, 11, 11, Is(550), Is(395), Within(4, 11)},
                    {kSlotPirateA, 72, 72, Is(70), Is(330), Within(4, 11)},
                    {kSlotPirateA, 73, 78, Within(-170, 50), Within(340, 380), Within(9, 11)},
                    {kSlotPirateA, 73, 73, Is(50), Is(340), Within(9, 11)},
                    {kSlotPirateA, 78, 78, Is(-170), Is(380), Within(9, 11)},
                    Gone(kSlotPirateA, 79, 129),
                    // Pirate B.
                    {kSlotPirateB, 1, 28, Free(), Free(), Shown()},
                    {kSlotPirateB, 1, 1, Is(600), Is(385), Shown()},
                    {kSlotPirateB, 28, 28, Is(225), Is(400), Shown()},
                    {kSlotPirateB, 29, 56, Within(150, 200), Is(400), Within(4, 8)},
                    {kSlotPirateB, 57, 63, Within(-200, 125), Within(420, 495), OneOf({9, 10})},
                    {kSlotPirateB, 57, 57, Is(125), Is(420), OneOf({9, 10})},
                    {kSlotPirateB, 63, 63, Is(-200), Is(495), OneOf({9, 10})},
                    Gone(kSlotPirateB, 64, 129),
                    // Pirate C.
                    {kSlotPirateC, 1, 38, Within(35, 520), Free(), Within(4, 11)},
                    {kSlotPirateC, 1, 1, Is(520), Is(430), Within(4, 11)},
                    {kSlotPirateC, 38, 38, Is(35), Is(425), Within(4, 11)},
                    {kSlotPirateC, 39, 47, Within(-400, -10), Within(445, 525), OneOf({9, 10})},
                    {kSlotPirateC, 39, 39, Is(-10), Is(445), OneOf({9, 10})},
                    {kSlotPirateC, 47, 47, Is(-400), Is(525), OneOf({9, 10})},
                    Gone(kSlotPirateC, 48, 129),
                    // The splash of sailor A going overboard.
                    Gone(kSlotSplash, 1, 15), Pose(kSlotSplash, 16, 16, 1, 305, 1),
                    Pose(kSlotSplash, 17, 17, 1, 305, 1),
                    Pose(kSlotSplash, 18, 18, 1, 305, 0), Pose(kSlotSplash, 19, 19, 6, 315, 0),
                    Gone(kSlotSplash, 20, 129),
                    Pose(kSlotPlank, 1, 129, 445, 535, 0),
                    // The blood spatter.
                    Gone(kSlotSpatter, 1, 34), Pose(kSlotSpatter, 35, 36, 50, 470, 1),
                    Pose(kSlotSpatter, 37, 37, 55, 470, 0),
                    Gone(kSlotSpatter, 38, 52), Pose(kSlotSpatter, 53, 54, 172, 453, 1),
                    Pose(kSlotSpatter, 55, 55, 177, 453, 0),
                    Gone(kSlotSpatter, 56, 66), Pose(kSlotSpatter, 67, 68, 71, 365, 1),
                    Pose(kSlotSpatter, 69, 69, 76, 365, 0),
                    Gone(kSlotSpatter, 70, 122), Pose(kSlotSpatter, 123, 124, 115, 402, 1),
                    Pose(kSlotSpatter, 125, 125, 120, 402, 0),
                    Gone(kSlotSpatter, 126, 129),
                },
                {},
                {{1,
                  order({kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorC, kSlotSailorD, kSlotPlank, kSlotRedCoat,
                         kSlotPirateA})},
                 {32,
                  order({kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorD, kSlotPlank, kSlotRedCoat, kSlotPirateA,
                         kSlotSailorC})},
                 {59,
                  order({kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorC, kSlotSailorD, kSlotPlank, kSlotRedCoat,
                         kSlotPirateA})},
                 {72,
                  order({kSlotSailorA, kSlotSailorB, kSlotSailorD, kSlotPlank, kSlotRedCoat, kSlotPirateA, kSlotFencer,
                         kSlotSailorC})}},
                130,
                {{kCueBattleCry, {5}},
                 {kCueScreamAndSplash, {14}},
                 {kCueCryOfPain, {35, 53, 67, 123}},
                 {kCueSwordClash,
                  {17, 18, 20, 21, 22, 24, 28, 29, 31, 32, 34, 36, 37, 38, 39, 40, 42, 43, 44, 46, 48, 49, 50, 51, 57,
                      58, 60, 61, 64, 65, 70, 76, 79, 83, 84, 86, 87, 88, 94, 97, 99, 101, 102, 103, 105, 107, 109, 110,
                      118, 120}}}});
    // The fencer shows strip frame 4 on exactly one of frames 1-56.
    const SceneScript& s = *SceneTable[kSceneSwordFight].pScript;
    const Keyframe* fencer = TrackOfSlot(s, kSlotFencer);
    EXPECT_EQ(std::count_if(fencer + 1, fencer + 57, [](const Keyframe& k) { return k.frame == 4; }), 1);
}

// A pirate's trip of scene 5: x from nX0 on frame nFrom to nX1 on nTo, loaded
// (strip frames 0-3) or empty (9-11), on the path between y 355 and 560.
void AddTrip(std::vector<Stretch>& v, int nSlot, int nFrom, int nTo, int nX0, int nX1, bool bLoaded) {
    const Said frame = bLoaded ? Within(0, 3) : Within(9, 11);
    v.push_back({nSlot, nFrom, nTo, Within(std::min(nX0, nX1), std::max(nX0, nX1)), Within(355, 560), frame});
    v.push_back({nSlot, nFrom, nFrom, Is(nX0), Free(), frame});
    v.push_back({nSlot, nTo, nTo, Is(nX1), Free(), frame});
}

TEST(SceneTables, SceneFiveThePlunder) {
    std::vector<Stretch> k = {
        {kSlotUnionJackLarge, 1, 100, Is(114), Is(172), Cycle({0, 1})},
        {kSlotJollyRogerLarge, 1, 100, Is(598), Is(146), Cycle({0, 1})},
        Pose(kSlotShotHole, 1, 100, 15, 22, 0),
        Pose(kSlotPlank, 1, 100, 445, 535, 0),
        Pose(kSlotFencer, 1, 14, 60, 355, 8),
        Pose(kSlotFencer, 15, 100, 60, 355, 9),
        Gone(kSlotSailorA, 1, 100),
        Pose(kSlotSailorB, 1, 100, -5, 330, 19),
        Pose(kSlotSailorC, 1, 100, 110, 400, 17),
        Pose(kSlotSailorD, 1, 100, 5, 435, 19),
        // The red coat.
        Pose(kSlotRedCoat, 1, 1, 160, 338, 6),
        {kSlotRedCoat, 2, 20, Is(170), Is(345), Alternates(5, 6)},
        Pose(kSlotRedCoat, 21, 33, 180, 325, 6),
        Pose(kSlotRedCoat, 34, 35, 210, 335, 8),
        Pose(kSlotRedCoat, 36, 36, 240, 355, 7),
        Pose(kSlotRedCoat, 37, 45, 240, 355, 8),
        Pose(kSlotRedCoat, 46, 46, 240, 355, 7),
        Pose(kSlotRedCoat, 47, 64, 240, 355, 8),
        {kSlotRedCoat, 65, 90, Is(190), Is(340), OneOf({5, 6})},
        {kSlotRedCoat, 91, 100, Free(), Free(), Shown()},
        Pose(kSlotRedCoat, 91, 91, 210, 355, 8),
        Pose(kSlotRedCoat, 93, 93, 250, 385, 8),
        Pose(kSlotRedCoat, 95, 95, 300, 410, 8),
        Pose(kSlotRedCoat, 96, 96, 390, 380, 7),
        Pose(kSlotRedCoat, 98, 98, 520, 398, 8),
        Pose(kSlotRedCoat, 100, 100, 650, 430, 8),
        // The pirates, hidden between their trips.
        Gone(kSlotPirateA, 1, 13), Gone(kSlotPirateA, 36, 42), Gone(kSlotPirateA, 61, 73), Gone(kSlotPirateA, 91, 100),
        {kSlotPirateA, 16, 20, Is(40), Free(), Within(0, 3)},
        Gone(kSlotPirateB, 1, 2), Gone(kSlotPirateB, 20, 47), Gone(kSlotPirateB, 64, 71), Gone(kSlotPirateB, 87, 100),
        Pose(kSlotPirateB, 3, 3, -20, 510, 3),
        Pose(kSlotPirateB, 4, 4, 40, 490, 2),
        Pose(kSlotPirateB, 5, 5, 100, 470, 3),
        Pose(kSlotPirateB, 11, 11, 390, 390, 3),
        Pose(kSlotPirateB, 15, 15, 585, 385, 3),
        Pose(kSlotPirateB, 19, 19, 820, 445, 3),
        Gone(kSlotPirateC, 1, 8), Gone(kSlotPirateC, 25, 37), Gone(kSlotPirateC, 51, 69), Gone(kSlotPirateC, 83, 100),
    };
    AddTrip(k, kSlotPirateA, 14, 35, -60, 800, true);
    AddTrip(k, kSlotPirateA, 43, 60, 640, -200, false);
    AddTrip(k, kSlotPirateA, 74, 90, -40, 820, true);
    AddTrip(k, kSlotPirateB, 3, 19, -20, 820, true);
    AddTrip(k, kSlotPirateB, 48, 63, 640, -150, false);
    AddTrip(k, kSlotPirateB, 72, 86, 105, 760, true);
    AddTrip(k, kSlotPirateC, 9, 24, 50, 790, true);
    AddTrip(k, kSlotPirateC, 38, 50, 640, 115, false);
    AddTrip(k, kSlotPirateC, 70, 82, 170, 790, true);
    CheckScene({kScenePlunder, 100, kBackdropDecks,
                {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotShotHole, kSlotPlank, kSlotFencer, kSlotSailorA,
                 kSlotSailorB, kSlotSailorC, kSlotSailorD, kSlotRedCoat, kSlotPirateA, kSlotPirateB, kSlotPirateC}, k,
                {},
                {{1,
                  {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotShotHole, kSlotPlank, kSlotSailorA, kSlotSailorB,
                   kSlotFencer, kSlotSailorC, kSlotSailorD, kSlotRedCoat, kSlotPirateA, kSlotPirateB, kSlotPirateC}}},
                102,
                {{kCuePirateLaughter, {17}}, {kCueShantyCheer, {68}}}});
}

TEST(SceneTables, SceneSixTheBrigSinks) {
    std::vector<Stretch> k = {
        {kSlotBrig, 1, 19, Within(179, 181), Within(140, 142), Is(0)},
        Gone(kSlotBrig, 20, 155),
        Gone(kSlotBrigRigging, 1, 19),
        Pose(kSlotBrigRigging, 20, 21, 235, 270, 0),
        {kSlotBrigRigging, 22, 40, Is(235), Line(280, 10), Is(0)},
        Pose(kSlotBrigRigging, 40, 40, 235, 460, 0),
        Gone(kSlotBrigRigging, 41, 155),
        {kSlotEnsign, 1, 40, Free(), Free(), Alternates(0, 1)},
        {kSlotEnsign, 1, 19, Within(499, 501), Within(143, 145), Alternates(0, 1)},
        {kSlotEnsign, 20, 21, Is(595), Is(290), Free()},
        {kSlotEnsign, 22, 40, Is(595), Line(300, 10), Free()},
        {kSlotEnsign, 40, 40, Is(595), Is(480), Free()},
        Gone(kSlotEnsign, 41, 155),
        Gone(kSlotWavesWide, 1, 19),
        Pose(kSlotWavesWide, 20, 40, 194, 475, 0),
        Gone(kSlotWavesWide, 41, 155),
        {kSlotGalleon, 1, 24, Is(300), Within(125, 130), Is(0)},
        {kSlotGalleon, 25, 155, Line(303, 3), Within(125, 130), Is(0)},
        {kSlotGalleon, 155, 155, Is(693), Within(125, 130), Is(0)},
        {kSlotJollyRoger, 1, 155, Free(), Free(), Alternates(0, 1)},
        // The two volleys: flashes in a row at y 429, then puffs rising.
        {kSlotCannonFireA, 7, 7, Is(400), Is(419), Is(0)},
        {kSlotCannonFireA, 16, 16, Is(310), Is(329), Is(0)},
        {kSlotCannonFireD, 7, 7, Is(490), Is(418), Is(0)},
        {kSlotCannonFireD, 16, 16, Is(400), Is(301), Is(0)},
    };
    for (int nGun = 0; nGun < 6; ++nGun) {
        const int nSlot = kSlotCannonFireA + nGun, x = 410 + 30 * nGun;
        k.push_back(Gone(nSlot, 1, 4));
        for (int nFrom : {5, 17}) {
            k.push_back(Pose(nSlot, nFrom, nFrom + 1, x, 429, 1));
            k.push_back({nSlot, nFrom + 2, nFrom + 11, Line(x - 10, -10), Within(429 - 11 - 9 * 13, 429 - 3), Is(0)});
            k.push_back({nSlot, nFrom + 2, nFrom + 2, Is(x - 10), Within(429 - 11, 429 - 3), Is(0)});
        }
        k.push_back(Gone(nSlot, 29, 155));
    }
    CheckScene({kSceneBrigSinks, 155, kBackdropOpenSea,
                {kSlotBrig, kSlotBrigRigging, kSlotEnsign, kSlotWavesWide, kSlotGalleon, kSlotJollyRoger,
                 kSlotCannonFireA, kSlotCannonFireB, kSlotCannonFireC, kSlotCannonFireD, kSlotCannonFireE,
                 kSlotCannonFireF}, k,
                {{kSlotEnsign, kSlotBrig, 1, 19, 320, 3}, {kSlotJollyRoger, kSlotGalleon, 1, 155, 6, 100}},
                {{1,
                  {kSlotBrig, kSlotBrigRigging, kSlotEnsign, kSlotWavesWide, kSlotCannonFireA, kSlotCannonFireB,
                   kSlotCannonFireC, kSlotCannonFireD, kSlotCannonFireE, kSlotCannonFireF, kSlotGalleon,
                   kSlotJollyRoger}}},
                156,
                {{kCueBroadside, {5, 17}}, {kCueShipSinking, {25}}, {kCueSeaAmbience, {50, 100}}}});
    // Each puff climbs 5 to 13 a frame, and the second volley repeats the first.
    const SceneScript& s = *SceneTable[kSceneBrigSinks].pScript;
    for (int nSlot = 4; nSlot <= 9; ++nSlot) {
        const Keyframe* gun = TrackOfSlot(s, nSlot);
        for (int f = 8; f <= 16; ++f) {
            EXPECT_GE(gun[f - 1].y - gun[f].y, 5) << "slot " << nSlot << " frame " << f;
            EXPECT_LE(gun[f - 1].y - gun[f].y, 13) << "slot " << nSlot << " frame " << f;
        }
        for (int f = 5; f <= 16; ++f) {
            EXPECT_EQ(gun[f + 12].x, gun[f].x) << "slot " << nSlot << " frame " << f + 12;
            EXPECT_EQ(gun[f + 12].y, gun[f].y) << "slot " << nSlot << " frame " << f + 12;
            EXPECT_EQ(gun[f + 12].frame, gun[f].frame) << "slot " << nSlot << " frame " << f + 12;
        }
    }
}

TEST(SceneTables, SceneSevenTheKrakenRises) {
    const std::vector<int> kTail = {kSlotFencer, kSlotSailorA, kSlotSailorB, kSlotSailorC, kSlotSailorD,
                                    kSlotKrakenEyes, kSlotTentacleTipA, kSlotTentacle, kSlotTentacleTwoPoses,
                                    kSlotTentacleRoundMast, kSlotTentacleThreePoses, kSlotRedCoat, kSlotPirateA,
                                    kSlotPirateB, kSlotPirateC};
    std::vector<int> early = {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotKrakenRising, kSlotSmokeA, kSlotSmokeB,
                              kSlotShotHole, kSlotGunPorts, kSlotGunPortsNarrow, kSlotWaterBetweenHulls, kSlotPlank};
    std::vector<int> late = {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotSmokeA, kSlotSmokeB, kSlotShotHole,
                             kSlotGunPorts, kSlotGunPortsNarrow, kSlotWaterBetweenHulls, kSlotPlank, kSlotKrakenRising};
    early.insert(early.end(), kTail.begin(), kTail.end());
    late.insert(late.end(), kTail.begin(), kTail.end());
    CheckScene({kSceneKrakenRises, 85, kBackdropDecks,
                {kSlotUnionJackLarge, kSlotJollyRogerLarge, kSlotKrakenRising, kSlotSmokeA, kSlotSmokeB, kSlotShotHole,
                 kSlotGunPorts, kSlotGunPortsNarrow, kSlotPlank, kSlotWaterBetweenHulls, kSlotFencer, kSlotSailorA,
                 kSlotSailorB, kSlotSailorC, kSlotSailorD, kSlotKrakenEyes, kSlotTentacleTipA, kSlotTentacle,
                 kSlotTentacleTwoPoses, kSlotTentacleThreePoses, kSlotTentacleRoundMast, kSlotRedCoat, kSlotPirateA,
                 kSlotPirateB, kSlotPirateC},
                {
                    {kSlotUnionJackLarge, 1, 85, Is(114), Is(172), Cycle({0, 1})},
                    {kSlotJollyRogerLarge, 1, 85, Is(598), Is(146), Cycle({0, 1})},
                    Pose(kSlotKrakenRising, 1, 1, 380, 480, 0), Pose(kSlotKrakenRising, 2, 2, 380, 420, 0),
                    Pose(kSlotKrakenRising, 3, 3, 380, 360, 0),
                    Pose(kSlotKrakenRising, 4, 13, 380, 300, 0), Pose(kSlotKrakenRising, 14, 21, 370, 240, 0),
                    Pose(kSlotKrakenRising, 22, 85, 362, 209, 0),
                    {kSlotSmokeA, 1, 17, Line(202, -10), Line(96, -10), Is(1)},
                    Pose(kSlotSmokeA, 17, 17, 42, -64, 1),
                    Gone(kSlotSmokeA, 18, 85),
                    {kSlotSmokeB, 1, 29, Line(330, -10), Line(146, -10), Is(0)},
                    Pose(kSlotSmokeB, 29, 29, 50, -134, 0),
                    Gone(kSlotSmokeB, 30, 85),
                    Pose(kSlotShotHole, 1, 85, 15, 22, 0),
                    Pose(kSlotGunPorts, 1, 85, 352, 274, 0),
                    Pose(kSlotGunPortsNarrow, 1, 41, 560, 300, 0), Gone(kSlotGunPortsNarrow, 42, 85),
                    Pose(kSlotPlank, 1, 85, 445, 535, 0),
                    Pose(kSlotWaterBetweenHulls, 1, 85, 472, 526, 0),
                    // The navy crew falls back.
                    Pose(kSlotFencer, 1, 15, 276, 280, 7), Pose(kSlotFencer, 16, 16, 276, 280, 4),
                    Pose(kSlotFencer, 17, 37, 276, 280, 7),
                    Pose(kSlotFencer, 38, 38, 250, 290, 6), Pose(kSlotFencer, 39, 71, 246, 320, 6),
                    Pose(kSlotFencer, 72, 85, 200, 340, 6),
                    Pose(kSlotSailorA, 1, 20, 222, 355, 13), Pose(kSlotSailorA, 21, 21, 190, 355, 6),
                    Pose(kSlotSailorA, 22, 39, 180, 345, 6),
                    Pose(kSlotSailorA, 40, 68, 150, 345, 6), Pose(kSlotSailorA, 69, 85, 90, 310, 12),
                    Pose(kSlotSailorB, 1, 19, 110, 380, 13), {kSlotSailorB, 20, 23, Is(110), Free(), Is(9)},
                    {kSlotSailorB, 24, 69, Is(150), Free(), Is(9)}, Pose(kSlotSailorB, 70, 85, 90, 390, 9),
                    Pose(kSlotSailorC, 1, 17, 45, 412, 12), {kSlotSailorC, 18, 18, Is(45), Free(), Is(9)},
                    {kSlotSailorC, 19, 22, Is(70), Free(), Is(9)}, {kSlotSailorC, 23, 68, Is(100), Free(), Is(9)},
                    {kSlotSailorC, 69, 85, Is(40), Free(), Is(9)},
                    Pose(kSlotSailorD, 1, 16, 242, 425, 9), Pose(kSlotSailorD, 17, 36, 262, 425, 9),
                    Pose(kSlotSailorD, 37, 70, 222, 425, 9),
                    Pose(kSlotSailorD, 71, 85, 150, 435, 9),
                    // The kraken's eyes, 88 right of and 172 below the head.
                    Gone(kSlotKrakenEyes, 1, 14), Pose(kSlotKrakenEyes, 15, 21, 458, 412, 0),
                    Pose(kSlotKrakenEyes, 22, 25, 450, 381, 0),
                    Pose(kSlotKrakenEyes, 26, 27, 450, 381, 1), Pose(kSlotKrakenEyes, 28, 29, 450, 381, 0),
                    Gone(kSlotKrakenEyes, 30, 62),
                    Pose(kSlotKrakenEyes, 63, 64, 450, 381, 1), Gone(kSlotKrakenEyes, 65, 66),
                    Pose(kSlotKrakenEyes, 67, 74, 450, 381, 0),
                    Gone(kSlotKrakenEyes, 75, 85),
                    // The tentacles.
                    Gone(kSlotTentacleTipA, 1, 85),
                    Gone(kSlotTentacle, 1, 41), Pose(kSlotTentacle, 42, 58, 565, 349, 0), Gone(kSlotTentacle, 59, 75),
                    Pose(kSlotTentacle, 76, 85, 565, 349, 0),
                    Gone(kSlotTentacleTwoPoses, 1, 34), Pose(kSlotTentacleTwoPoses, 35, 85, 696, 121, 0),
                    Gone(kSlotTentacleThreePoses, 1, 41),
                    {kSlotTentacleThreePoses, 42, 76, Is(520), Within(140, 141), Within(0, 1)},
                    Pose(kSlotTentacleThreePoses, 77, 79, 517, 143, 2),
                    {kSlotTentacleThreePoses, 80, 82, Is(520), Within(140, 141), Within(0, 1)},
                    Pose(kSlotTentacleThreePoses, 83, 85, 517, 143, 2),
                    Gone(kSlotTentacleRoundMast, 1, 33), Pose(kSlotTentacleRoundMast, 34, 85, 623, 220, 0),
                    // The pirates' sword poses.
                    {kSlotRedCoat, 1, 85, Within(548, 594), Within(240, 283), OneOf({0, 2, 3, 4, 6})},
                    {kSlotPirateA, 1, 85, Within(562, 605), Within(285, 325), OneOf({4, 5, 6, 7, 8, 9, 11})},
                    {kSlotPirateB, 1, 85, Within(585, 610), Within(380, 385), OneOf({4, 8, 9, 11})},
                    {kSlotPirateC, 1, 85, Within(520, 635), Within(400, 445), Within(4, 9)},
                },
                {},
                {{1, early}, {36, late}},
                86,
                {{kCueKrakenRoar, {7}},
                 {kCueTentacleSlap, {44, 45, 47, 48, 50, 51, 54, 55, 56, 78, 79, 80, 81, 82, 83, 84}}}});
    // The writhing tentacle's two poses go with their rows: pose 0 at y 140,
    // pose 1 at y 141.
    const Keyframe* writhe = TrackOfSlot(*SceneTable[kSceneKrakenRises].pScript, kSlotTentacleThreePoses);
    for (int f = 42; f <= 85; ++f)
        if (writhe[f].frame < 2) {
            EXPECT_EQ(writhe[f].y, 140 + writhe[f].frame) << "frame " << f;
        }
}

TEST(SceneTables, SceneEightTheGalleonGoesDown) {
    CheckScene({kSceneGalleonGoesDown, 220, kBackdropOpenSea,
                {kSlotBrig, kSlotEnsign, kSlotGalleon, kSlotGalleonHeeling, kSlotJollyRoger, kSlotKrakenHead,
                 kSlotKrakenEyesSmall, kSlotTentacleTipA, kSlotTentacleTipB, kSlotTentacleTipC, kSlotWavesNarrow},
                {
                    {kSlotBrig, 1, 47, Within(179, 181), Within(140, 142), Is(0)},
                    {kSlotBrig, 48, 220, Line(177, -3), Within(140, 142), Is(0)},
                    {kSlotBrig, 220, 220, Is(-339), Within(140, 142), Is(0)},
                    {kSlotEnsign, 1, 220, Free(), Free(), Alternates(0, 1)},
                    {kSlotGalleon, 1, 10, Is(315), Within(125, 126), Is(0)},
                    Gone(kSlotGalleon, 11, 220),
                    Gone(kSlotGalleonHeeling, 1, 10), Pose(kSlotGalleonHeeling, 11, 15, 318, 200, 0),
                    {kSlotGalleonHeeling, 16, 39, Is(318), Line(205, 5), Is(0)},
                    {kSlotGalleonHeeling, 40, 47, Is(318), Line(340, 20), Is(0)},
                    Pose(kSlotGalleonHeeling, 39, 39, 318, 320, 0), Pose(kSlotGalleonHeeling, 47, 47, 318, 480, 0),
                    Gone(kSlotGalleonHeeling, 48, 220),
                    {kSlotJollyRoger, 1, 47, Free(), Free(), Alternates(0, 1)},
                    {kSlotJollyRoger, 1, 10, Is(321), Within(225, 226), Free()},
                    {kSlotJollyRoger, 11, 15, Is(304), Is(200), Free()},
                    {kSlotJollyRoger, 16, 39, Is(304), Line(205, 5), Free()},
                    {kSlotJollyRoger, 40, 47, Is(304), Line(340, 20), Free()},
                    Gone(kSlotJollyRoger, 48, 220),
                    Pose(kSlotKrakenHead, 1, 10, 370, 260, 0), Pose(kSlotKrakenHead, 11, 15, 370, 270, 0),
                    {kSlotKrakenHead, 16, 39, Is(370), Line(275, 5), Is(0)},
                    {kSlotKrakenHead, 40, 47, Is(370), Line(410, 20), Is(0)},
                    Pose(kSlotKrakenHead, 39, 39, 370, 390, 0), Pose(kSlotKrakenHead, 47, 47, 370, 550, 0),
                    Gone(kSlotKrakenHead, 48, 220),
                    Gone(kSlotKrakenEyesSmall, 1, 6), Pose(kSlotKrakenEyesSmall, 7, 9, 457, 406, 0),
                    Gone(kSlotKrakenEyesSmall, 10, 14),
                    {kSlotKrakenEyesSmall, 15, 47, Free(), Free(), Is(0)},
                    Pose(kSlotKrakenEyesSmall, 15, 15, 457, 416, 0), Pose(kSlotKrakenEyesSmall, 47, 47, 457, 696, 0),
                    Gone(kSlotKrakenEyesSmall, 48, 220),
                    // The tentacle tips.
                    {kSlotTentacleTipA, 1, 10, Within(330, 332), Within(351, 353), OneOf({0, 1})},
                    {kSlotTentacleTipA, 11, 12, Within(330, 332), Within(361, 363), OneOf({0, 1})},
                    {kSlotTentacleTipA, 13, 15, Within(330, 332), Within(361, 363), Is(0)},
                    {kSlotTentacleTipA, 16, 39, Within(330, 332), Line(368, 5), Is(0)},
                    {kSlotTentacleTipA, 40, 47, Within(330, 332), Line(503, 20), Is(0)},
                    {kSlotTentacleTipA, 47, 47, Free(), Is(643), Is(0)},
                    Gone(kSlotTentacleTipA, 48, 220),
                    {kSlotTentacleTipB, 1, 10, Within(358, 362), Within(267, 269), OneOf({0, 1})},
                    {kSlotTentacleTipB, 11, 14, Within(358, 362), Within(277, 279), OneOf({0, 1})},
                    {kSlotTentacleTipB, 15, 15, Within(358, 362), Within(277, 279), Is(1)},
                    {kSlotTentacleTipB, 16, 39, Within(358, 362), Line(282, 5), Is(1)},
                    {kSlotTentacleTipB, 40, 47, Within(358, 362), Line(417, 20), Is(1)},
                    {kSlotTentacleTipB, 47, 47, Free(), Is(557), Is(1)},
                    Gone(kSlotTentacleTipB, 48, 220),
                    {kSlotTentacleTipC, 1, 10, Within(586, 587), Within(281, 283), OneOf({2, 3})},
                    {kSlotTentacleTipC, 11, 13, Within(586, 587), Within(291, 293), OneOf({2, 3})},
                    {kSlotTentacleTipC, 14, 15, Within(586, 587), Within(291, 293), Is(2)},
                    {kSlotTentacleTipC, 16, 34, Within(586, 587), Line(296, 5), Is(2)},
                    {kSlotTentacleTipC, 35, 36, Within(586, 587), Line(391, 5), Is(3)},
                    {kSlotTentacleTipC, 37, 39, Within(586, 587), Line(401, 5), Is(2)},
                    {kSlotTentacleTipC, 40, 47, Within(586, 587), Line(431, 20), Is(2)},
                    {kSlotTentacleTipC, 47, 47, Free(), Is(571), Is(2)},
                    Gone(kSlotTentacleTipC, 48, 220),
                    Pose(kSlotWavesNarrow, 1, 47, 287, 475, 0), Gone(kSlotWavesNarrow, 48, 220),
                },
                {{kSlotEnsign, kSlotBrig, 1, 220, 320, 3}, {kSlotKrakenEyesSmall, kSlotKrakenHead, 15, 47, 87, 146}},
                {{1,
                  {kSlotBrig, kSlotEnsign, kSlotGalleon, kSlotGalleonHeeling, kSlotJollyRoger, kSlotKrakenHead,
                   kSlotKrakenEyesSmall, kSlotTentacleTipA, kSlotTentacleTipB, kSlotTentacleTipC, kSlotWavesNarrow}}},
                222,
                {{kCueKrakenRoar, {10}}, {kCueShipSinking, {25}}, {kCueSeaAmbience, {60, 125}}}});
}

TEST(SceneTables, HoldTheStatedNumberOfCues) {
    int nTotal = 0;
    for (int n = 1; n <= 8; ++n) {
        const SceneScript& s = *SceneTable[n].pScript;
        for (int f = 0; f < s.nCues; ++f) nTotal += s.pCues[f] != 0;
    }
    EXPECT_EQ(nTotal, 119);
}

}  // namespace
