// The live GDI objects of this process, counted by probing its GDI handle
// table, for the tests and the soak that watch for leaks.
//
// Wine answers GetGuiResources with 0, so the count probes the table
// instead: every live object (bitmap, DC, palette, brush, region...) holds
// one entry, and Wine takes a handle whose upper word is 0 as "any
// generation" of that entry, so GetObjectType on each of the 65536 indices
// finds each live object once. A frame step that kept a DC, a bitmap or a
// palette would add one entry per frame.
#pragma once

#include <windows.h>

#include <cstdint>

inline int CountGdiObjects() {
    int nCount = 0;
    for (uintptr_t nIndex = 0; nIndex < 0x10000; ++nIndex)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(nIndex)) != 0) ++nCount;
    return nCount;
}
