// Resources read from the generated asset files (bitmapN.bmp, waveN.wav,
// midiN.mid in one directory), for the hosts that have no module resources:
// each file is read once and kept until ReleaseAssetFiles.
#pragma once

#include <string>

#include "host/host.h"

// The directory the files are read from (set before the first find).
void SetAssetDirectory(const std::string& szDirectory);
// What HostFindResource returns: the file's bytes; a bitmap less its
// 14-byte file header, as the resource compiler stores it.
HostResource FindAssetFile(HostResourceType nType, int nId);
// Gives back the bytes of every file read.
void ReleaseAssetFiles();
