// The platform's screen-saver-running state, which the Windows 95 family
// uses to block task switching while a password-protected saver runs, and
// the fault guard that makes sure a crash never leaves it on.
#pragma once

// Windows 95 family only; elsewhere it does nothing.
void SetSaverRunning(bool bRunning);

// From here on, a fault that nothing handles turns the state off before
// the platform deals with it (and ends the process).
void InstallFaultGuard();
