// The shell's state: what the process learns about itself when it starts,
// shared by the modes (the saver window, the settings, the password change).
#pragma once

struct ShellState {
    void* hInstance = nullptr;       // the saver module (an HINSTANCE)
    bool bWindows95Family = false;   // GetVersionExA says VER_PLATFORM_WIN32_WINDOWS
};
extern ShellState Shell;
