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

#include "engine/actor_slots.h"
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
    CheckScene({1, 273, 0, {31, 32, 1, 3},
                {
                    {31, 1, 30, Line(640, -1), Cycle({300, 300, 300, 300, 300, 299, 299, 298, 298, 299}), Is(0)},
                    {31, 31, 273, Line(610, -1, 2), Cycle({300, 300, 300, 300, 300, 299, 299, 298, 298, 299}), Is(0)},
                    {31, 273, 273, Is(489), Is(300), Is(0)},
                    {32, 1, 273, Free(), Free(), Cycle({0, 1})},
                    {32, 1, 1, Is(800), Is(302), Is(0)},
                    {32, 273, 273, Is(649), Is(302), Is(0)},
                    {1, 1, 149, Free(), Free(), Is(-2)},
                    {1, 150, 268, Line(-320, 3), Line(148, -1, 8), Is(1)},
                    {1, 269, 271, Line(-320 + 3 * 119, 3), Is(133), Is(1)},
                    {1, 272, 273, Line(-320 + 3 * 122, 3), Is(132), Is(1)},
                    {1, 268, 268, Free(), Is(134), Is(1)},
                    {1, 273, 273, Is(49), Free(), Is(1)},
                    {3, 1, 149, Free(), Free(), Is(-1)},
                    {3, 150, 273, Free(), Free(), Cycle({0, 1})},
                    {3, 150, 150, Is(-295), Is(205), Is(0)},
                    {3, 273, 273, Is(74), Is(189), Is(1)},
                },
                {{32, 31, 1, 273, 160, 2}, {3, 1, 150, 273, 25, 57}},
                {{1, {31, 1, 32, 3}}},
                274,
                {{13, {1, 80, 140, 200}}}});
}

TEST(SceneTables, SceneTwoTheBrigFires) {
    std::vector<Stretch> k = {
        {0, 1, 11, Cycle({275, 275, 274, 274, 274, 275, 275, 275, 276, 276, 276}),
         Cycle({142, 142, 142, 142, 142, 141, 141, 140, 140, 141, 142}), Is(0)},
        {0, 12, 197, Cycle({275, 275, 275, 274, 274, 275, 275, 276, 276, 276}),
         Cycle({142, 142, 142, 142, 141, 141, 140, 140, 141, 142}), Is(0)},
        {2, 1, 197, Free(), Free(), Cycle({0, 1})},
        {2, 1, 1, Is(595), Is(145), Is(0)},
        {1, 1, 195, Line(22, 2), Within(125, 130), Is(0)},
        {1, 196, 197, Is(410), Within(125, 130), Is(0)},
        {3, 1, 197, Free(), Free(), Cycle({0, 1})},
        {3, 1, 1, Is(28), Is(229), Is(0)},
        {3, 197, 197, Is(416), Is(225), Is(0)},
        Gone(4, 1, 36),
        Gone(4, 181, 197),
        Gone(5, 1, 42),
    };
    // Slot 4's first shot keeps its puff at the muzzle on frames 39 and 40.
    k.push_back(Pose(4, 37, 38, 457, 429, 3));
    k.push_back(Pose(4, 39, 40, 457, 429, 2));
    k.push_back({4, 41, 48, Line(447, -10), Line(419, -10), Is(2)});
    const int kShotsA[][3] = {{49, 481, 429}, {61, 506, 429}, {73, 538, 429}, {85, 568, 429}, {97, 593, 427},
                              {109, 612, 427}, {121, 568, 429}, {133, 612, 427}, {145, 593, 427},
                              {157, 538, 429}, {169, 568, 429}};
    for (const auto& shot : kShotsA) AddShot(k, 4, shot[0], shot[1], shot[2], 3, 2);
    // Slot 5's second shot is hidden on frames 57 and 58 before its puff flies.
    k.push_back(Pose(5, 55, 56, 335, 424, 1));
    k.push_back(Gone(5, 57, 58));
    k.push_back({5, 59, 68, Line(325, -10), Line(412, -10), Is(0)});
    const int kShotsB[][3] = {{43, 335, 428}, {69, 320, 428}, {81, 320, 428}, {93, 320, 428}, {105, 350, 428},
                              {117, 410, 428}, {129, 410, 428}, {141, 430, 428}, {153, 450, 428},
                              {165, 460, 428}, {177, 500, 423}, {189, 550, 423}};
    for (const auto& shot : kShotsB) AddShot(k, 5, shot[0], shot[1], shot[2], 1, 0);
    CheckScene({2, 197, 0, {0, 2, 1, 3, 4, 5}, k,
                {{2, 0, 1, 197, 320, 3}, {3, 1, 1, 197, 6, 100}},
                {{1, {0, 2, 4, 5, 1, 3}}},
                198,
                {{13, {1}},
                 {2, {36, 42, 48, 54, 60, 68, 72, 80, 84, 92, 96, 104, 108, 116, 120, 128, 132, 140, 144, 152, 156,
                      164, 168, 176, 188}}}});
}

TEST(SceneTables, SceneThreeTheFaceOff) {
    CheckScene({3, 32, 1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27},
                {
                    {10, 1, 32, Is(114), Is(172), Cycle({0, 1})},
                    {11, 1, 32, Is(598), Is(146), Cycle({0, 1})},
                    Gone(12, 1, 10), Pose(12, 11, 12, 422, 316, 1), Gone(12, 13, 18), Pose(12, 19, 20, 500, 316, 0),
                    Gone(12, 21, 32),
                    Gone(13, 1, 12), Pose(13, 13, 13, 462, 332, 1), Pose(13, 14, 14, 677, 160, 1), Gone(13, 15, 20),
                    Pose(13, 21, 21, 500, 316, 0), Pose(13, 22, 22, 248, 157, 0), Pose(13, 23, 23, 56, 50, 0),
                    Gone(13, 24, 32),
                    Gone(14, 1, 10), {14, 11, 32, Line(422, -10), Line(316, -10), Is(1)},
                    Pose(14, 32, 32, 212, 106, 1),
                    Gone(15, 1, 18), {15, 19, 32, Line(470, -10), Line(286, -10), Is(0)},
                    Pose(15, 32, 32, 340, 156, 0),
                    Gone(16, 1, 23), Pose(16, 24, 32, 15, 22, 0),
                    Pose(17, 1, 4, 276, 280, 7), Pose(17, 5, 5, 264, 280, 4), Pose(17, 6, 32, 276, 280, 7),
                    Pose(18, 1, 8, 222, 355, 13), Pose(18, 9, 10, 262, 348, 12), Pose(18, 11, 31, 250, 355, 13),
                    Pose(18, 32, 32, 222, 355, 13),
                    Pose(19, 1, 32, 110, 380, 13),
                    Pose(20, 1, 32, 45, 412, 12),
                    Pose(21, 1, 32, 242, 425, 9),
                    Pose(22, 1, 13, 585, 240, 6), Pose(22, 14, 14, 585, 240, 5), Pose(22, 15, 21, 585, 240, 6),
                    Pose(22, 22, 22, 585, 240, 5), Pose(22, 23, 32, 585, 240, 6),
                    Pose(23, 1, 16, 562, 315, 11), Pose(23, 17, 18, 561, 315, 9), Pose(23, 19, 32, 562, 315, 11),
                    Pose(24, 1, 27, 610, 350, 10), Pose(24, 28, 29, 610, 350, 11), Pose(24, 30, 30, 610, 355, 11),
                    Pose(24, 31, 31, 610, 360, 11), Pose(24, 32, 32, 620, 365, 9),
                    Pose(25, 1, 25, 580, 430, 12), Pose(25, 26, 26, 590, 430, 12), Pose(25, 27, 27, 600, 430, 12),
                    Pose(25, 28, 28, 620, 430, 12), Pose(25, 29, 29, 610, 430, 12), Pose(25, 30, 30, 580, 430, 10),
                    Pose(25, 31, 31, 570, 430, 11), Pose(25, 32, 32, 550, 430, 10),
                    Gone(26, 1, 32),
                    Gone(27, 1, 29), Pose(27, 30, 30, 455, 495, 0), Pose(27, 31, 31, 450, 515, 0),
                    Pose(27, 32, 32, 445, 535, 0),
                },
                {},
                {{1, {10, 11, 14, 15, 12, 13, 16, 17, 18, 19, 20, 21, 27, 22, 23, 24, 25, 26}}},
                33,
                {{3, {5}}, {2, {11, 19}}, {4, {14}}, {5, {22}}}});
}

TEST(SceneTables, SceneFourTheSwordFight) {
    const std::vector<int> kFront = {10, 11, 16, 14, 15, 12, 13};
    auto order = [&](std::vector<int> middle) {
        std::vector<int> slots = kFront;
        slots.insert(slots.end(), middle.begin(), middle.end());
        slots.insert(slots.end(), {24, 25, 26, 28});
        return slots;
    };
    CheckScene({4, 129, 1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28},
                {
                    {10, 1, 129, Is(114), Is(172), Cycle({0, 1})},
                    {11, 1, 129, Is(598), Is(146), Cycle({0, 1})},
                    Gone(12, 1, 129),
                    Gone(13, 1, 129),
                    {14, 1, 17, Line(202, -10), Line(96, -10), Is(1)},
                    Pose(14, 17, 17, 42, -64, 1),
                    Gone(14, 18, 129),
                    {15, 1, 29, Line(330, -10), Line(146, -10), Is(0)},
                    Pose(15, 29, 29, 50, -134, 0),
                    Gone(15, 30, 129),
                    Pose(16, 1, 129, 15, 22, 0),
                    // The fencer.
                    {17, 1, 56, Is(276), Is(280), OneOf({7, 4})},
                    {17, 57, 64, Is(259), Is(310), Shown()},
                    {17, 65, 69, Is(259), Is(350), Shown()},
                    {17, 70, 71, Is(264), Is(400), Shown()},
                    {17, 72, 128, Within(25, 150), Is(365), Within(1, 7)},
                    Pose(17, 129, 129, 60, 355, 8),
                    // Sailor A retreats and goes overboard.
                    Pose(18, 1, 1, 222, 355, 13),
                    {18, 2, 7, Free(), Free(), Cycle({12, 13})},
                    Pose(18, 2, 2, 200, 355, 12),
                    Pose(18, 7, 7, 140, 340, 13),
                    Pose(18, 8, 8, 35, 335, 14),
                    Pose(18, 9, 9, 5, 325, 15),
                    Pose(18, 10, 10, -20, 305, 14),
                    Pose(18, 11, 11, 10, 280, 11),
                    Pose(18, 12, 12, 0, 270, 11),
                    Pose(18, 13, 13, 13, 208, 10),
                    Gone(18, 14, 129),
                    // Sailor B.
                    Pose(19, 1, 32, 110, 380, 13),
                    {19, 33, 72, Within(-5, 150), Within(330, 380), Within(3, 9)},
                    Pose(19, 73, 92, -5, 330, 18),
                    Pose(19, 93, 129, -5, 330, 19),
                    // Sailor C.
                    {20, 1, 27, Is(45), OneOf({412, 400}), Is(12)},
                    Pose(20, 1, 1, 45, 412, 12),
                    {20, 28, 57, Within(65, 130), Is(400), OneOf({1, 5, 6, 7, 8, 9})},
                    {20, 58, 77, Within(100, 110), Is(400), Is(16)},
                    {20, 78, 129, Within(100, 110), Is(400), Is(17)},
                    // Sailor D.
                    Pose(21, 1, 14, 242, 425, 9),
                    {21, 15, 40, Within(5, 175), Is(425), Within(3, 9)},
                    {21, 15, 15, Is(175), Is(425), Within(3, 9)},
                    {21, 40, 40, Is(5), Is(425), Within(3, 9)},
                    {21, 41, 60, Is(5), Within(425, 435), Is(18)},
                    {21, 61, 129, Is(5), Within(425, 435), Is(19)},
                    // The red coat.
                    {22, 1, 49, Is(585), Is(240), OneOf({6, 5, 4})},
                    {22, 50, 73, Free(), Free(), Shown()},
                    {22, 50, 50, Is(580), Is(260), Shown()},
                    {22, 73, 73, Is(254), Is(400), Shown()},
                    {22, 74, 129, Within(100, 240), Within(338, 355), Within(0, 3)},
                    Pose(22, 129, 129, 160, 338, 2),
                    // Pirate A.
                    Pose(23, 1, 10, 562, 315, 11),
                    {23, 11, 72, Within(70, 550), Within(330, 400), Within(4, 11)},
                    {23, 11, 11, Is(550), Is(395), Within(4, 11)},
                    {23, 72, 72, Is(70), Is(330), Within(4, 11)},
                    {23, 73, 78, Within(-170, 50), Within(340, 380), Within(9, 11)},
                    {23, 73, 73, Is(50), Is(340), Within(9, 11)},
                    {23, 78, 78, Is(-170), Is(380), Within(9, 11)},
                    Gone(23, 79, 129),
                    // Pirate B.
                    {24, 1, 28, Free(), Free(), Shown()},
                    {24, 1, 1, Is(600), Is(385), Shown()},
                    {24, 28, 28, Is(225), Is(400), Shown()},
                    {24, 29, 56, Within(150, 200), Is(400), Within(4, 8)},
                    {24, 57, 63, Within(-200, 125), Within(420, 495), OneOf({9, 10})},
                    {24, 57, 57, Is(125), Is(420), OneOf({9, 10})},
                    {24, 63, 63, Is(-200), Is(495), OneOf({9, 10})},
                    Gone(24, 64, 129),
                    // Pirate C.
                    {25, 1, 38, Within(35, 520), Free(), Within(4, 11)},
                    {25, 1, 1, Is(520), Is(430), Within(4, 11)},
                    {25, 38, 38, Is(35), Is(425), Within(4, 11)},
                    {25, 39, 47, Within(-400, -10), Within(445, 525), OneOf({9, 10})},
                    {25, 39, 39, Is(-10), Is(445), OneOf({9, 10})},
                    {25, 47, 47, Is(-400), Is(525), OneOf({9, 10})},
                    Gone(25, 48, 129),
                    // The splash of sailor A going overboard.
                    Gone(26, 1, 15), Pose(26, 16, 16, 1, 305, 1), Pose(26, 17, 17, 1, 305, 1),
                    Pose(26, 18, 18, 1, 305, 0), Pose(26, 19, 19, 6, 315, 0), Gone(26, 20, 129),
                    Pose(27, 1, 129, 445, 535, 0),
                    // The blood spatter.
                    Gone(28, 1, 34), Pose(28, 35, 36, 50, 470, 1), Pose(28, 37, 37, 55, 470, 0),
                    Gone(28, 38, 52), Pose(28, 53, 54, 172, 453, 1), Pose(28, 55, 55, 177, 453, 0),
                    Gone(28, 56, 66), Pose(28, 67, 68, 71, 365, 1), Pose(28, 69, 69, 76, 365, 0),
                    Gone(28, 70, 122), Pose(28, 123, 124, 115, 402, 1), Pose(28, 125, 125, 120, 402, 0),
                    Gone(28, 126, 129),
                },
                {},
                {{1, order({17, 18, 19, 20, 21, 27, 22, 23})},
                 {32, order({17, 18, 19, 21, 27, 22, 23, 20})},
                 {59, order({17, 18, 19, 20, 21, 27, 22, 23})},
                 {72, order({18, 19, 21, 27, 22, 23, 17, 20})}},
                130,
                {{9, {5}},
                 {12, {14}},
                 {7, {35, 53, 67, 123}},
                 {6, {17, 18, 20, 21, 22, 24, 28, 29, 31, 32, 34, 36, 37, 38, 39, 40, 42, 43, 44, 46, 48, 49, 50, 51, 57,
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
        {10, 1, 100, Is(114), Is(172), Cycle({0, 1})},
        {11, 1, 100, Is(598), Is(146), Cycle({0, 1})},
        Pose(16, 1, 100, 15, 22, 0),
        Pose(27, 1, 100, 445, 535, 0),
        Pose(17, 1, 14, 60, 355, 8),
        Pose(17, 15, 100, 60, 355, 9),
        Gone(18, 1, 100),
        Pose(19, 1, 100, -5, 330, 19),
        Pose(20, 1, 100, 110, 400, 17),
        Pose(21, 1, 100, 5, 435, 19),
        // The red coat.
        Pose(22, 1, 1, 160, 338, 6),
        {22, 2, 20, Is(170), Is(345), Alternates(5, 6)},
        Pose(22, 21, 33, 180, 325, 6),
        Pose(22, 34, 35, 210, 335, 8),
        Pose(22, 36, 36, 240, 355, 7),
        Pose(22, 37, 45, 240, 355, 8),
        Pose(22, 46, 46, 240, 355, 7),
        Pose(22, 47, 64, 240, 355, 8),
        {22, 65, 90, Is(190), Is(340), OneOf({5, 6})},
        {22, 91, 100, Free(), Free(), Shown()},
        Pose(22, 91, 91, 210, 355, 8),
        Pose(22, 93, 93, 250, 385, 8),
        Pose(22, 95, 95, 300, 410, 8),
        Pose(22, 96, 96, 390, 380, 7),
        Pose(22, 98, 98, 520, 398, 8),
        Pose(22, 100, 100, 650, 430, 8),
        // The pirates, hidden between their trips.
        Gone(23, 1, 13), Gone(23, 36, 42), Gone(23, 61, 73), Gone(23, 91, 100),
        {23, 16, 20, Is(40), Free(), Within(0, 3)},
        Gone(24, 1, 2), Gone(24, 20, 47), Gone(24, 64, 71), Gone(24, 87, 100),
        Pose(24, 3, 3, -20, 510, 3),
        Pose(24, 4, 4, 40, 490, 2),
        Pose(24, 5, 5, 100, 470, 3),
        Pose(24, 11, 11, 390, 390, 3),
        Pose(24, 15, 15, 585, 385, 3),
        Pose(24, 19, 19, 820, 445, 3),
        Gone(25, 1, 8), Gone(25, 25, 37), Gone(25, 51, 69), Gone(25, 83, 100),
    };
    AddTrip(k, 23, 14, 35, -60, 800, true);
    AddTrip(k, 23, 43, 60, 640, -200, false);
    AddTrip(k, 23, 74, 90, -40, 820, true);
    AddTrip(k, 24, 3, 19, -20, 820, true);
    AddTrip(k, 24, 48, 63, 640, -150, false);
    AddTrip(k, 24, 72, 86, 105, 760, true);
    AddTrip(k, 25, 9, 24, 50, 790, true);
    AddTrip(k, 25, 38, 50, 640, 115, false);
    AddTrip(k, 25, 70, 82, 170, 790, true);
    CheckScene({5, 100, 1, {10, 11, 16, 27, 17, 18, 19, 20, 21, 22, 23, 24, 25}, k, {},
                {{1, {10, 11, 16, 27, 18, 19, 17, 20, 21, 22, 23, 24, 25}}},
                102,
                {{8, {17}}, {14, {68}}}});
}

TEST(SceneTables, SceneSixTheBrigSinks) {
    std::vector<Stretch> k = {
        {0, 1, 19, Within(179, 181), Within(140, 142), Is(0)},
        Gone(0, 20, 155),
        Gone(29, 1, 19),
        Pose(29, 20, 21, 235, 270, 0),
        {29, 22, 40, Is(235), Line(280, 10), Is(0)},
        Pose(29, 40, 40, 235, 460, 0),
        Gone(29, 41, 155),
        {2, 1, 40, Free(), Free(), Alternates(0, 1)},
        {2, 1, 19, Within(499, 501), Within(143, 145), Alternates(0, 1)},
        {2, 20, 21, Is(595), Is(290), Free()},
        {2, 22, 40, Is(595), Line(300, 10), Free()},
        {2, 40, 40, Is(595), Is(480), Free()},
        Gone(2, 41, 155),
        Gone(30, 1, 19),
        Pose(30, 20, 40, 194, 475, 0),
        Gone(30, 41, 155),
        {1, 1, 24, Is(300), Within(125, 130), Is(0)},
        {1, 25, 155, Line(303, 3), Within(125, 130), Is(0)},
        {1, 155, 155, Is(693), Within(125, 130), Is(0)},
        {3, 1, 155, Free(), Free(), Alternates(0, 1)},
        // The two volleys: flashes in a row at y 429, then puffs rising.
        {4, 7, 7, Is(400), Is(419), Is(0)},
        {4, 16, 16, Is(310), Is(329), Is(0)},
        {7, 7, 7, Is(490), Is(418), Is(0)},
        {7, 16, 16, Is(400), Is(301), Is(0)},
    };
    for (int nGun = 0; nGun < 6; ++nGun) {
        const int nSlot = 4 + nGun, x = 410 + 30 * nGun;
        k.push_back(Gone(nSlot, 1, 4));
        for (int nFrom : {5, 17}) {
            k.push_back(Pose(nSlot, nFrom, nFrom + 1, x, 429, 1));
            k.push_back({nSlot, nFrom + 2, nFrom + 11, Line(x - 10, -10), Within(429 - 11 - 9 * 13, 429 - 3), Is(0)});
            k.push_back({nSlot, nFrom + 2, nFrom + 2, Is(x - 10), Within(429 - 11, 429 - 3), Is(0)});
        }
        k.push_back(Gone(nSlot, 29, 155));
    }
    CheckScene({6, 155, 0, {0, 29, 2, 30, 1, 3, 4, 5, 6, 7, 8, 9}, k,
                {{2, 0, 1, 19, 320, 3}, {3, 1, 1, 155, 6, 100}},
                {{1, {0, 29, 2, 30, 4, 5, 6, 7, 8, 9, 1, 3}}},
                156,
                {{11, {5, 17}}, {15, {25}}, {13, {50, 100}}}});
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
    const std::vector<int> kTail = {17, 18, 19, 20, 21, 38, 46, 42, 43, 45, 44, 22, 23, 24, 25};
    std::vector<int> early = {10, 11, 40, 14, 15, 16, 35, 36, 37, 27};
    std::vector<int> late = {10, 11, 14, 15, 16, 35, 36, 37, 27, 40};
    early.insert(early.end(), kTail.begin(), kTail.end());
    late.insert(late.end(), kTail.begin(), kTail.end());
    CheckScene({7, 85, 1, {10, 11, 40, 14, 15, 16, 35, 36, 27, 37, 17, 18, 19, 20, 21, 38, 46, 42, 43, 44, 45, 22, 23, 24, 25},
                {
                    {10, 1, 85, Is(114), Is(172), Cycle({0, 1})},
                    {11, 1, 85, Is(598), Is(146), Cycle({0, 1})},
                    Pose(40, 1, 1, 380, 480, 0), Pose(40, 2, 2, 380, 420, 0), Pose(40, 3, 3, 380, 360, 0),
                    Pose(40, 4, 13, 380, 300, 0), Pose(40, 14, 21, 370, 240, 0), Pose(40, 22, 85, 362, 209, 0),
                    {14, 1, 17, Line(202, -10), Line(96, -10), Is(1)},
                    Pose(14, 17, 17, 42, -64, 1),
                    Gone(14, 18, 85),
                    {15, 1, 29, Line(330, -10), Line(146, -10), Is(0)},
                    Pose(15, 29, 29, 50, -134, 0),
                    Gone(15, 30, 85),
                    Pose(16, 1, 85, 15, 22, 0),
                    Pose(35, 1, 85, 352, 274, 0),
                    Pose(36, 1, 41, 560, 300, 0), Gone(36, 42, 85),
                    Pose(27, 1, 85, 445, 535, 0),
                    Pose(37, 1, 85, 472, 526, 0),
                    // The navy crew falls back.
                    Pose(17, 1, 15, 276, 280, 7), Pose(17, 16, 16, 276, 280, 4), Pose(17, 17, 37, 276, 280, 7),
                    Pose(17, 38, 38, 250, 290, 6), Pose(17, 39, 71, 246, 320, 6), Pose(17, 72, 85, 200, 340, 6),
                    Pose(18, 1, 20, 222, 355, 13), Pose(18, 21, 21, 190, 355, 6), Pose(18, 22, 39, 180, 345, 6),
                    Pose(18, 40, 68, 150, 345, 6), Pose(18, 69, 85, 90, 310, 12),
                    Pose(19, 1, 19, 110, 380, 13), {19, 20, 23, Is(110), Free(), Is(9)},
                    {19, 24, 69, Is(150), Free(), Is(9)}, Pose(19, 70, 85, 90, 390, 9),
                    Pose(20, 1, 17, 45, 412, 12), {20, 18, 18, Is(45), Free(), Is(9)},
                    {20, 19, 22, Is(70), Free(), Is(9)}, {20, 23, 68, Is(100), Free(), Is(9)},
                    {20, 69, 85, Is(40), Free(), Is(9)},
                    Pose(21, 1, 16, 242, 425, 9), Pose(21, 17, 36, 262, 425, 9), Pose(21, 37, 70, 222, 425, 9),
                    Pose(21, 71, 85, 150, 435, 9),
                    // The kraken's eyes, 88 right of and 172 below the head.
                    Gone(38, 1, 14), Pose(38, 15, 21, 458, 412, 0), Pose(38, 22, 25, 450, 381, 0),
                    Pose(38, 26, 27, 450, 381, 1), Pose(38, 28, 29, 450, 381, 0), Gone(38, 30, 62),
                    Pose(38, 63, 64, 450, 381, 1), Gone(38, 65, 66), Pose(38, 67, 74, 450, 381, 0),
                    Gone(38, 75, 85),
                    // The tentacles.
                    Gone(46, 1, 85),
                    Gone(42, 1, 41), Pose(42, 42, 58, 565, 349, 0), Gone(42, 59, 75), Pose(42, 76, 85, 565, 349, 0),
                    Gone(43, 1, 34), Pose(43, 35, 85, 696, 121, 0),
                    Gone(44, 1, 41), {44, 42, 76, Is(520), Within(140, 141), Within(0, 1)},
                    Pose(44, 77, 79, 517, 143, 2), {44, 80, 82, Is(520), Within(140, 141), Within(0, 1)},
                    Pose(44, 83, 85, 517, 143, 2),
                    Gone(45, 1, 33), Pose(45, 34, 85, 623, 220, 0),
                    // The pirates' sword poses.
                    {22, 1, 85, Within(548, 594), Within(240, 283), OneOf({0, 2, 3, 4, 6})},
                    {23, 1, 85, Within(562, 605), Within(285, 325), OneOf({4, 5, 6, 7, 8, 9, 11})},
                    {24, 1, 85, Within(585, 610), Within(380, 385), OneOf({4, 8, 9, 11})},
                    {25, 1, 85, Within(520, 635), Within(400, 445), Within(4, 9)},
                },
                {},
                {{1, early}, {36, late}},
                86,
                {{16, {7}}, {10, {44, 45, 47, 48, 50, 51, 54, 55, 56, 78, 79, 80, 81, 82, 83, 84}}}});
    // The writhing tentacle's two poses go with their rows: pose 0 at y 140,
    // pose 1 at y 141.
    const Keyframe* writhe = TrackOfSlot(*SceneTable[kSceneKrakenRises].pScript, kSlotTentacleThreePoses);
    for (int f = 42; f <= 85; ++f)
        if (writhe[f].frame < 2) EXPECT_EQ(writhe[f].y, 140 + writhe[f].frame) << "frame " << f;
}

TEST(SceneTables, SceneEightTheGalleonGoesDown) {
    CheckScene({8, 220, 0, {0, 2, 1, 33, 3, 41, 39, 46, 47, 48, 34},
                {
                    {0, 1, 47, Within(179, 181), Within(140, 142), Is(0)},
                    {0, 48, 220, Line(177, -3), Within(140, 142), Is(0)},
                    {0, 220, 220, Is(-339), Within(140, 142), Is(0)},
                    {2, 1, 220, Free(), Free(), Alternates(0, 1)},
                    {1, 1, 10, Is(315), Within(125, 126), Is(0)},
                    Gone(1, 11, 220),
                    Gone(33, 1, 10), Pose(33, 11, 15, 318, 200, 0),
                    {33, 16, 39, Is(318), Line(205, 5), Is(0)},
                    {33, 40, 47, Is(318), Line(340, 20), Is(0)},
                    Pose(33, 39, 39, 318, 320, 0), Pose(33, 47, 47, 318, 480, 0),
                    Gone(33, 48, 220),
                    {3, 1, 47, Free(), Free(), Alternates(0, 1)},
                    {3, 1, 10, Is(321), Within(225, 226), Free()},
                    {3, 11, 15, Is(304), Is(200), Free()},
                    {3, 16, 39, Is(304), Line(205, 5), Free()},
                    {3, 40, 47, Is(304), Line(340, 20), Free()},
                    Gone(3, 48, 220),
                    Pose(41, 1, 10, 370, 260, 0), Pose(41, 11, 15, 370, 270, 0),
                    {41, 16, 39, Is(370), Line(275, 5), Is(0)},
                    {41, 40, 47, Is(370), Line(410, 20), Is(0)},
                    Pose(41, 39, 39, 370, 390, 0), Pose(41, 47, 47, 370, 550, 0),
                    Gone(41, 48, 220),
                    Gone(39, 1, 6), Pose(39, 7, 9, 457, 406, 0), Gone(39, 10, 14),
                    {39, 15, 47, Free(), Free(), Is(0)},
                    Pose(39, 15, 15, 457, 416, 0), Pose(39, 47, 47, 457, 696, 0),
                    Gone(39, 48, 220),
                    // The tentacle tips.
                    {46, 1, 10, Within(330, 332), Within(351, 353), OneOf({0, 1})},
                    {46, 11, 12, Within(330, 332), Within(361, 363), OneOf({0, 1})},
                    {46, 13, 15, Within(330, 332), Within(361, 363), Is(0)},
                    {46, 16, 39, Within(330, 332), Line(368, 5), Is(0)},
                    {46, 40, 47, Within(330, 332), Line(503, 20), Is(0)},
                    {46, 47, 47, Free(), Is(643), Is(0)},
                    Gone(46, 48, 220),
                    {47, 1, 10, Within(358, 362), Within(267, 269), OneOf({0, 1})},
                    {47, 11, 14, Within(358, 362), Within(277, 279), OneOf({0, 1})},
                    {47, 15, 15, Within(358, 362), Within(277, 279), Is(1)},
                    {47, 16, 39, Within(358, 362), Line(282, 5), Is(1)},
                    {47, 40, 47, Within(358, 362), Line(417, 20), Is(1)},
                    {47, 47, 47, Free(), Is(557), Is(1)},
                    Gone(47, 48, 220),
                    {48, 1, 10, Within(586, 587), Within(281, 283), OneOf({2, 3})},
                    {48, 11, 13, Within(586, 587), Within(291, 293), OneOf({2, 3})},
                    {48, 14, 15, Within(586, 587), Within(291, 293), Is(2)},
                    {48, 16, 34, Within(586, 587), Line(296, 5), Is(2)},
                    {48, 35, 36, Within(586, 587), Line(391, 5), Is(3)},
                    {48, 37, 39, Within(586, 587), Line(401, 5), Is(2)},
                    {48, 40, 47, Within(586, 587), Line(431, 20), Is(2)},
                    {48, 47, 47, Free(), Is(571), Is(2)},
                    Gone(48, 48, 220),
                    Pose(34, 1, 47, 287, 475, 0), Gone(34, 48, 220),
                },
                {{2, 0, 1, 220, 320, 3}, {39, 41, 15, 47, 87, 146}},
                {{1, {0, 2, 1, 33, 3, 41, 39, 46, 47, 48, 34}}},
                222,
                {{16, {10}}, {15, {25}}, {13, {60, 125}}}});
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
