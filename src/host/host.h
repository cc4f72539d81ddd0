// The platform seam: every service that the portable show asks of its host,
// in one list. The Windows build links the Win32 implementation, the unit
// tests a recording fake, the render tool a host that draws into memory.
#pragma once

#include <cstddef>
#include <cstdint>

// The saver window, opaque to portable code (an HWND on Windows).
struct HostWindowTag;
using HostWindow = HostWindowTag*;

// ---- Profile (the user's WIN.INI) -------------------------------------
// Reads an integer the way the Windows profile does: the default when the
// key is absent, otherwise the number that the text starts with.
int HostGetProfileInt(const char* szSection, const char* szKey, int nDefault);
// Writes text into a key, which then holds it alone (should a hand edit
// have given the key more than once, the other lines go); the result is the
// host's and may be ignored.
bool HostWriteProfileString(const char* szSection, const char* szKey, const char* szValue);

// ---- Time ---------------------------------------------------------------
// Milliseconds since the system started, wrapping at 32 bits.
uint32_t HostGetTickCount();

// ---- Timers of the saver window ------------------------------------------
// Arms the window's timer nTimerId (re-arming it if it runs) to tick every
// nPeriodMs milliseconds; each tick reaches OnSaverTick with that id. False
// when the timer cannot be armed.
bool HostSetTimer(HostWindow hWindow, int nTimerId, uint32_t nPeriodMs);
void HostKillTimer(HostWindow hWindow, int nTimerId);

// ---- Resources of the saver's own module --------------------------------
enum HostResourceType {
    kHostResourceBitmap,  // RT_BITMAP: a packed DIB without file header
    kHostResourceWave,    // custom type "WAVE"
    kHostResourceMidi,    // custom type "MIDI"
};

// Read-only bytes of one resource; pData is null and nSize 0 when absent.
// nSize is the resource's real size: nothing at or beyond it may be read.
struct HostResource {
    const uint8_t* pData;
    size_t nSize;
};
HostResource HostFindResource(HostResourceType nType, int nId);

// The little-endian fields of a resource's bytes (bitmap and WAVE headers).
inline uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// ---- Messages and the end of the run ------------------------------------
enum HostIcon {
    kHostIconNone,
    kHostIconError,
    kHostIconWarning,
    kHostIconInformation,
};
// A modal message box; hOwner may be null (no owner window). Other messages
// of the thread (timer ticks included) are dispatched while it is open.
void HostMessageBox(HostWindow hOwner, const char* szText, const char* szCaption, HostIcon nIcon);
// The default system beep.
void HostBeep();
// Asks the message loop to end with this exit code.
void HostRequestQuit(int nExitCode);

// ---- Temporary files ------------------------------------------------------
// Copies the temporary directory, with its trailing separator, into
// szBuffer (nBufferLength bytes). Returns the length of the path; 0 on
// failure; a value >= nBufferLength when the buffer is too small (then the
// buffer holds nothing usable).
uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength);

// ---- Display: outputs, palette and frame buffer ----------------------------
// A rectangle of the window's client area (or of the frame buffer).
struct HostRect {
    int32_t nLeft;
    int32_t nTop;
    int32_t nWidth;
    int32_t nHeight;
};

// The outputs that the full-screen window covers (the monitors), as
// rectangles of its client area, the main one first; at most nMax are
// written. Returns how many were written; 0 when the platform cannot say,
// and then the whole client area is one output.
int HostGetOutputs(HostWindow hWindow, HostRect* pOutputs, int nMax);


// The 1064-byte header of the frame buffer: a BITMAPINFOHEADER followed by
// 256 four-byte colour slots, laid out exactly as Windows expects it.
struct HostDibHeader {
    uint32_t nSize;
    int32_t nWidth;
    int32_t nHeight;  // negative: rows top-down
    uint16_t nPlanes;
    uint16_t nBitCount;
    uint32_t nCompression;
    uint32_t nSizeImage;
    int32_t nXPelsPerMeter;
    int32_t nYPelsPerMeter;
    uint32_t nClrUsed;
    uint32_t nClrImportant;
    uint8_t colours[1024];  // blue, green, red, 0 each; or 16-bit palette indices
};
static_assert(sizeof(HostDibHeader) == 1064, "the frame-buffer header is 1064 bytes");

struct HostDisplayCaps {
    bool bHasPalette;  // RASTERCAPS has RC_PALETTE
    int nNumColors;    // NUMCOLORS: static system colours
    int nSizePalette;  // SIZEPALETTE: system palette entries
};
HostDisplayCaps HostQueryDisplay(HostWindow hWindow);

// Palette devices only. Creates the show's logical palette of 256 entries
// from 0xRRGGBB colours with no flags; false when it cannot be made.
bool HostCreateShowPalette(const uint32_t (&nColours)[256]);
// Realises the show palette once, reads back the system palette's first
// nEntries entries, gives them the flags (PC_* values) and loads them into
// the show palette, resized to nEntries, so the two match entry for entry.
void HostAdoptSystemPalette(HostWindow hWindow, const uint8_t* pFlags, int nEntries);
// Index of the show palette's entry nearest to an 0xRRGGBB colour.
int HostNearestPaletteIndex(uint32_t nColour);
// Deletes the show palette, if there is one.
void HostDeleteShowPalette();

// Creates the frame buffer from the header (nWidth, nHeight and the colour
// table as filled in); with bPaletteIndices the colour slots hold 16-bit
// indices into the show palette, which is then selected into the window and
// realised. Returns the pixel memory (stride = nWidth), or null on failure.
// An existing frame buffer is deleted first.
uint8_t* HostCreateFrameBuffer(HostWindow hWindow, const HostDibHeader& header,
                               bool bPaletteIndices);
void HostDeleteFrameBuffer();

// ---- Window drawing -------------------------------------------------------
// Stretches a bitmap resource over a rectangle of the window's client area,
// copying pixels as they are (the nearest source pixel, no blending). False
// when the window, its drawing contexts or the picture are not available.
bool HostStretchPicture(HostWindow hWindow, int nResourceId, const HostRect& dest);

// Between these two calls the frame buffer is the source of presenting
// (one frame step). HostBeginFrame returns false when the window cannot be
// drawn on; HostEndFrame must then not be called.
bool HostBeginFrame(HostWindow hWindow);
void HostEndFrame(HostWindow hWindow);
// Within a frame: fills the whole client area with black.
void HostClearWindow(HostWindow hWindow);
// Where the show has drawn on the frame buffer, and since when. The show
// numbers its presents 1, 2, 3, ... (nPresent: this one). For each row y,
// pRows[y].nMark is the number of the first present after the last drawing
// on it (a row drawn since the last present holds nPresent), and [nLeft,
// nRight) the columns of all its drawing since the present before that one.
// So a view that was last presented at present m shows as they are now every
// row whose mark is at most m; and when m is the last present, every column
// of a row outside its columns.
struct HostDrawnRow {
    uint64_t nMark;
    int32_t nLeft, nRight;
};
struct HostDrawnRows {
    const HostDrawnRow* pRows;
    uint64_t nPresent;
};
// Within a frame: copies the part source of the frame buffer to the part
// dest of the window. When the sizes differ the picture is scaled: each
// pixel to a block when bSmooth is false (dest a whole multiple of source),
// blended smoothly when it is true (the nearest pixel on a palette display,
// where only the palette's colours can be shown). A host may use drawn to
// copy only what can have changed since it last presented the same view.
void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn);
// Finishes pending drawing into the frame buffer.
void HostFlush();
// Marks the whole window as to be repainted, without erasing.
void HostInvalidateWindow(HostWindow hWindow);

// ---- Sound ----------------------------------------------------------------
// Starts a WAVE resource asynchronously, cutting off the one playing.
// Failures are silent.
void HostPlayWave(int nResourceId);
// Cuts off the sound playing and lets the sound output go (shut-down).
void HostReleaseSound();

// ---- Music sequencer (a MIDI file player) ---------------------------------
// Every command returns the platform's error code, 0 on success. A play or
// stop "with notification" makes the window receive the sequencer's
// notification message once the command has completed or been cut short.
uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice);
uint32_t HostSequencerStatusPort(uint32_t nDevice);
uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify);
uint32_t HostSequencerSeekToStart(uint32_t nDevice);
uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify);
uint32_t HostSequencerClose(uint32_t nDevice);
