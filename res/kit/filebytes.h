// Little-endian byte building and file writing for the generator's outputs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutU8(Bytes& b, unsigned v) { b.push_back(static_cast<uint8_t>(v)); }
inline void PutU16(Bytes& b, unsigned v) {
    PutU8(b, v & 0xFF);
    PutU8(b, (v >> 8) & 0xFF);
}
inline void PutU32(Bytes& b, uint32_t v) {
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
}
inline void PutTag(Bytes& b, const char (&sz)[5]) { b.insert(b.end(), sz, sz + 4); }
inline void PatchU32(Bytes& b, size_t nAt, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[nAt + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Writes the whole file or reports why not (message on stderr).
bool WriteFileBytes(const std::string& path, const Bytes& bytes);
