// Asks the platform, from a process of its own, whether a screen saver is
// running: exit status 1 when it says so, 0 when not.
#include <windows.h>

int main() {
    BOOL bRunning = FALSE;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &bRunning, 0)) return 2;
    return bRunning ? 1 : 0;
}
