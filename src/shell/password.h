// The screen-saver password of the Windows 95 family: the system's
// verification module, loaded for a full-screen run when the user asked for
// a password, and the system's password changer. Elsewhere none of it
// does anything and no password is ever required.
#pragma once

struct HostWindowTag;

// Before the full-screen window is made; never for a preview.
void LoadPasswordModule();
// After the message loop; also before a second load.
void UnloadPasswordModule();
// True while a verification entry is loaded: closing needs the password.
bool PasswordRequired();
// Runs the system's password dialog for the saver window: true when the
// password was accepted, or when no verification entry is loaded.
bool VerifySaverPassword(HostWindowTag* hWindow);
// The password mode: the system's change dialog, owned by hOwner.
void ChangeSaverPassword(HostWindowTag* hOwner);
