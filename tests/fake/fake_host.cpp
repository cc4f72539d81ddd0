// The recording fake host of the unit tests (the profile has its own fake).

#include "fake_host.h"

#include <algorithm>
#include <cstring>

#include "shell/driver.h"

FakeHostState FakeHost;

namespace {

HostWindowTag* const kFakeWindow = reinterpret_cast<HostWindowTag*>(uintptr_t{0x5A5A0});

void Log(std::string szCall) { FakeHost.calls.push_back(std::move(szCall)); }

// The window that a sequencer command notifies: the saver window, none, or
// some other one.
std::string NotifyTarget(HostWindow hNotify) {
    if (hNotify == kFakeWindow) return "window";
    if (hNotify == nullptr) return "none";
    return "other";
}

uint32_t Distance(uint32_t a, uint32_t b) {
    uint32_t nTotal = 0;
    for (int nShift = 0; nShift < 24; nShift += 8) {
        const int d = int((a >> nShift) & 0xFF) - int((b >> nShift) & 0xFF);
        nTotal += uint32_t(d * d);
    }
    return nTotal;
}

}  // namespace

HostWindow FakeWindow() { return kFakeWindow; }

std::string FakeRectText(const HostRect& r) {
    return std::to_string(r.nLeft) + "," + std::to_string(r.nTop) + "," + std::to_string(r.nWidth) + "x" +
           std::to_string(r.nHeight);
}

int HostGetOutputs(HostWindow, HostRect* pOutputs, int nMax) {
    const int nCount = std::min(nMax, int(FakeHost.outputs.size()));
    std::copy(FakeHost.outputs.begin(), FakeHost.outputs.begin() + nCount, pOutputs);
    return nCount;
}

std::vector<std::string> FakeCalls(const std::string& szPrefix) {
    std::vector<std::string> found;
    for (const std::string& szCall : FakeHost.calls)
        if (szCall.compare(0, szPrefix.size(), szPrefix) == 0) found.push_back(szCall);
    return found;
}

std::vector<std::string> FakeSequencerCalls() {
    std::vector<std::string> found;
    for (const std::string& szCall : FakeHost.calls) {
        for (const char* szName : {"Open(", "Status(", "Play(", "Seek(", "Stop(", "Close("}) {
            if (szCall.compare(0, std::strlen(szName), szName) == 0) found.push_back(szCall);
        }
    }
    return found;
}

void AddFakeResource(HostResourceType nType, int nId, std::vector<uint8_t> bytes) {
    FakeHost.resources[{int(nType), nId}] = std::move(bytes);
}

uint32_t HostGetTickCount() { return FakeHost.nTickCount; }

bool HostSetTimer(HostWindow, int nTimerId, uint32_t nPeriodMs) {
    Log("SetTimer(" + std::to_string(nTimerId) + "," + std::to_string(nPeriodMs) + ")");
    return !FakeHost.bTimersFail && DriverSetTimer(nTimerId, nPeriodMs);
}

void HostKillTimer(HostWindow, int nTimerId) {
    Log("KillTimer(" + std::to_string(nTimerId) + ")");
    DriverKillTimer(nTimerId);
}

HostResource HostFindResource(HostResourceType nType, int nId) {
    auto it = FakeHost.resources.find({int(nType), nId});
    if (it == FakeHost.resources.end()) return {nullptr, 0};
    // An allocation of exactly the resource's size, so that the sanitizer
    // sees any read past its end.
    it->second.shrink_to_fit();
    return {it->second.data(), it->second.size()};
}

void HostMessageBox(HostWindow hOwner, const char* szText, const char* szCaption, HostIcon nIcon) {
    Log(std::string("Box(") + szText + ")");
    FakeHost.boxes.push_back({hOwner, szText, szCaption, nIcon});
    if (FakeHost.onMessageBox) FakeHost.onMessageBox();
}

void HostBeep() { Log("Beep()"); }

void HostRequestQuit(int nExitCode) {
    Log("Quit(" + std::to_string(nExitCode) + ")");
    DriverRequestQuit(nExitCode);
}

uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength) {
    if (FakeHost.bNoTempPath) return 0;
    const uint32_t nLength = uint32_t(FakeHost.szTempPath.size());
    if (nLength + 1 > nBufferLength) return nLength + 1;
    std::memcpy(szBuffer, FakeHost.szTempPath.c_str(), nLength + 1);
    return nLength;
}

HostDisplayCaps HostQueryDisplay(HostWindow) { return FakeHost.caps; }

bool HostCreateShowPalette(const uint32_t (&nColours)[256]) {
    Log("CreatePalette()");
    if (FakeHost.bPaletteFails) return false;
    FakeHost.showPalette.assign(nColours, nColours + 256);
    return true;
}

void HostAdoptSystemPalette(HostWindow, const uint8_t* pFlags, int nEntries) {
    Log("AdoptSystemPalette(" + std::to_string(nEntries) + ")");
    // The platform gives no more entries than the system palette has.
    nEntries = std::clamp(nEntries, 0, int(FakeHost.systemPalette.size()));
    FakeHost.adoptedFlags.assign(pFlags, pFlags + nEntries);
    FakeHost.showPalette.assign(FakeHost.systemPalette.begin(),
                                FakeHost.systemPalette.begin() + nEntries);
}

int HostNearestPaletteIndex(uint32_t nColour) {
    int nBest = 0;
    for (size_t i = 0; i < FakeHost.showPalette.size(); ++i) {
        if (Distance(FakeHost.showPalette[i], nColour) < Distance(FakeHost.showPalette[nBest], nColour))
            nBest = int(i);
    }
    return nBest;
}

void HostDeleteShowPalette() {
    Log("DeletePalette()");
    FakeHost.showPalette.clear();
}

uint8_t* HostCreateFrameBuffer(HostWindow, const HostDibHeader& header, bool bPaletteIndices) {
    Log("CreateFrameBuffer(" + std::to_string(header.nWidth) + "x" + std::to_string(-header.nHeight) +
        ")");
    FakeHost.frameBuffer.clear();
    if (FakeHost.bFrameBufferFails) return nullptr;
    FakeHost.frameBufferHeader = header;
    FakeHost.bFrameBufferPaletteIndices = bPaletteIndices;
    FakeHost.frameBuffer.assign(size_t(header.nWidth) * size_t(-header.nHeight), 0);
    FakeHost.frameBuffer.shrink_to_fit();  // exactly its size, as for resources
    return FakeHost.frameBuffer.data();
}

void HostDeleteFrameBuffer() {
    Log("DeleteFrameBuffer()");
    FakeHost.frameBuffer.clear();
}

bool HostStretchPicture(HostWindow, int nResourceId, const HostRect& dest) {
    Log("StretchPicture(" + std::to_string(nResourceId) + "," + FakeRectText(dest) + ")");
    return FakeHost.bTitlePicture;
}

bool HostBeginFrame(HostWindow) {
    Log("BeginFrame()");
    return FakeHost.bCanDraw;
}

void HostEndFrame(HostWindow) { Log("EndFrame()"); }

void HostClearWindow(HostWindow) { Log("ClearWindow()"); }

void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn) {
    Log("Present(" + FakeRectText(source) + ">" + FakeRectText(dest) + (bSmooth ? ",smooth)" : ")"));
    FakeHost.drawn = drawn;
    if (FakeHost.onPresent) FakeHost.onPresent();
}

void HostFlush() { Log("Flush()"); }

void HostInvalidateWindow(HostWindow) { Log("Invalidate()"); }

void HostPlayWave(int nResourceId) { Log("Wave(" + std::to_string(nResourceId) + ")"); }
void HostReleaseSound() { Log("ReleaseSound()"); }

uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice) {
    Log(std::string("Open(") + szPath + ")");
    if (FakeHost.nOpenError != 0) return FakeHost.nOpenError;
    *pnDevice = FakeHost.nNextDevice++;
    return 0;
}

uint32_t HostSequencerStatusPort(uint32_t nDevice) {
    Log("Status(" + std::to_string(nDevice) + ")");
    return FakeHost.nStatusError;
}

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    Log("Play(" + std::to_string(nDevice) + "," + NotifyTarget(hNotify) + ")");
    return FakeHost.nPlayError;
}

uint32_t HostSequencerSeekToStart(uint32_t nDevice) {
    Log("Seek(" + std::to_string(nDevice) + ")");
    return 0;
}

uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify) {
    Log("Stop(" + std::to_string(nDevice) + "," + NotifyTarget(hNotify) + ")");
    return 0;
}

uint32_t HostSequencerClose(uint32_t nDevice) {
    Log("Close(" + std::to_string(nDevice) + ")");
    return 0;
}
