// The Linux player's host: state shared by its parts (the profile file, the
// SDL window and its presenting, the sound output, the FluidSynth
// sequencer) and what the player's main loop calls of them.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "config/ini_profile.h"
#include "host/host.h"

struct LinuxHostState {
    // The settings file and its lines as read; one warning per run when it
    // cannot be read or written.
    std::string szSettingsPath;
    IniLines settings;
    bool bSettingsWarned = false;

    std::string szTempDir;  // private, with a trailing separator

    bool bSilenceSaid = false;

    SDL_Window* pWindow = nullptr;
    bool bForeignWindow = false;  // drawn into another program's window
    bool bFullScreen = false;     // over every display, each one an output
    bool bDrawsInSurface = false;  // the window in memory is the window's surface
};
extern LinuxHostState LinuxHost;

HostWindow LinuxWindow();

// ---- The settings file (settings_file.cpp) ----
// $XDG_CONFIG_HOME/harborgast/settings.ini, or ~/.config/harborgast/...
std::string DefaultSettingsPath();
// Reads the file (absent: no settings); false after saying once why not.
bool LoadSettingsFile(const std::string& szPath);
// Writes the lines to a new file beside it and renames it over the old
// one, so that the file is whole at every moment; false after saying once
// why not.
bool SaveSettingsFile();

// ---- Presenting (display_sdl.cpp) ----
// Makes the window in memory the SDL window's surface (or, for a surface in
// another pixel format, a picture of the window's size), black, unless it
// already is: true when it was made anew. Again after every change of the
// window's size, which makes a new surface.
bool AttachWindowSurface();
// Copies what the window in memory drew since the last call (all of it with
// bWhole) to the SDL window.
void PresentWindow(bool bWhole);

// ---- Sound and music (sound_sdl.cpp, music_fluidsynth.cpp) ----
// Says once, on standard error, why the show (or its music) is silent.
void SaySilent(const std::string& szWhy);
// Sends standard error nowhere while it lives: the sound libraries write
// their own complaints there, and the player says in one line what they mean.
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int nSaved;
};
// Starts loading the soundfont in the background; the first tune opened
// waits for it and opens the synthesiser's output, or says in one line why
// the tunes are silent.
void StartMusicSynth(const char* szSoundFont);
// Queues the notification of each play with notification that reached its
// end since the last call.
void PollMusic();
void CloseMusicSynth();
