// A stand-in for the system's password changer in MPR.DLL: it records each
// call with the provider name, the owner window and the two reserved values.
#include "standin_log.h"

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR szProvider, HWND hOwner, DWORD nReserved1,
                                                                 DWORD nReserved2) {
    RecordCall(std::string("change provider=") + (szProvider ? szProvider : "(null)") + " owner=" + Decimal(hOwner) +
               " " + std::to_string(nReserved1) + " " + std::to_string(nReserved2));
    return 0;
}
