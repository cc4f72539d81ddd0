// The saver window's loop, for every host whose platform does not run the
// window itself (the render tool, the soak, the Linux and web players; the
// Windows saver's message loop and WM_TIMER do this on Windows). The driver
// keeps the window's two timers, delivers the music's notifications between
// ticks, and asks the host only to bring the clock forward and to look at
// each frame.
//
// A host's timer and quit services are the driver's:
//   HostSetTimer(h, id, period)  -> return DriverSetTimer(id, period);
//   HostKillTimer(h, id)         -> DriverKillTimer(id);
//   HostRequestQuit(code)        -> DriverRequestQuit(code);
// and its sequencer, once a command "with notification" has completed or
// been cut short, calls DriverQueueMusicNotify() (on the thread that runs
// the driver). HostGetTickCount is the driver's clock.
#pragma once

#include <cstdint>

#include "host/host.h"

enum DriverStartup {
    // The title picture and the opening sound have the screen to themselves
    // until the start-up timer fires (a player people watch).
    kDriverStartupDelay,
    // Nothing to watch: the first tick and the end of the start-up delay
    // come at the opening instant, and the first frame step too; frame
    // steps then follow one frame period apart (the render tool, the soak).
    kDriverStartupAtOnce,
};

// What one frame tick did, for the host to look at.
struct DriverFrame {
    int nFrame;       // 1 for the first frame tick after the opening
    int nSceneRan;    // the scene this tick ran
    int nSceneFrame;  // its frame number within that scene
    int nNextScene;   // the scene the next tick runs
};

class DriverHost {
public:
    // Brings the clock (HostGetTickCount) to nDue: a headless host sets it;
    // a real-time host waits for it, handling its own events meanwhile, and
    // may return sooner (the driver then waits again). False ends the run.
    virtual bool WaitUntil(uint32_t nDue) = 0;
    // After each frame tick and the music notifications it caused, with the
    // frame presented. False ends the run.
    virtual bool FrameDone(const DriverFrame& frame) = 0;

protected:
    ~DriverHost() = default;
};

struct DriverTimer {
    bool bArmed;
    uint32_t nPeriod;  // ms
    uint32_t nDue;     // the clock reading of the next tick
};

struct DriverState {
    HostWindow hWindow = nullptr;
    DriverTimer timers[2] = {};  // by timer id (kFrameTimerId, kStartupTimerId)
    int nPendingNotifies = 0;
    int nFrames = 0;  // frame ticks since the opening
    bool bQuitRequested = false;
    int nExitCode = 0;
};
extern DriverState Driver;

// The host's timer and quit services (see above).
bool DriverSetTimer(int nTimerId, uint32_t nPeriodMs);
void DriverKillTimer(int nTimerId);
void DriverRequestQuit(int nExitCode);
// The sequencer owes the window one notification.
void DriverQueueMusicNotify();

// Makes the window of the given client size: it arms the timers and, with
// kDriverStartupAtOnce, starts the show. The show's own start-up failures
// end in a quit request (Driver.bQuitRequested).
void DriverOpen(HostWindow hWindow, int nClientWidth, int nClientHeight, DriverStartup nStartup);
// Runs the timers as they fall due, until the host or the show ends the run.
void DriverRun(DriverHost& host);
// Delivers the notifications the sequencer owes, in the order they came.
void DriverDeliverMusicNotifies();
// The window goes: stops the timers and releases the show.
void DriverClose();
