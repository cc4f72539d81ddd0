// The host seam on Win32, music: the MCI sequencer playing the tune files
// with notification to the saver window.

#include <windows.h>
#include <mmsystem.h>

#include "host/host.h"
#include "host/host_win32.h"

namespace {

template <typename Parms>
MCIERROR SendMci(uint32_t nDevice, UINT nCommand, DWORD nFlags, Parms* pParms) {
    return mciSendCommandA(MCIDEVICEID(nDevice), nCommand, nFlags, reinterpret_cast<DWORD_PTR>(pParms));
}

}  // namespace

uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice) {
    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = "sequencer";
    open.lpstrElementName = szPath;
    const MCIERROR nError = SendMci(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open);
    if (nError == 0) *pnDevice = open.wDeviceID;
    return nError;
}

uint32_t HostSequencerStatusPort(uint32_t nDevice) {
    MCI_STATUS_PARMS status = {};
    status.dwItem = MCI_SEQ_STATUS_PORT;
    return SendMci(nDevice, MCI_STATUS, MCI_STATUS_ITEM, &status);
}

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(WindowOf(hNotify));
    return SendMci(nDevice, MCI_PLAY, MCI_NOTIFY, &play);
}

uint32_t HostSequencerSeekToStart(uint32_t nDevice) {
    MCI_SEEK_PARMS seek = {};
    return SendMci(nDevice, MCI_SEEK, MCI_SEEK_TO_START, &seek);
}

uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify) {
    MCI_GENERIC_PARMS stop = {};
    stop.dwCallback = reinterpret_cast<DWORD_PTR>(WindowOf(hNotify));
    return SendMci(nDevice, MCI_STOP, MCI_NOTIFY, &stop);
}

uint32_t HostSequencerClose(uint32_t nDevice) { return SendMci<void>(nDevice, MCI_CLOSE, 0, nullptr); }
