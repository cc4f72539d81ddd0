#!/usr/bin/env python3
"""Renders one tune for the page: the Standard MIDI File through FluidSynth
with a General MIDI soundfont, cut at the file's own end (where the
sequencer reports the end of a play, so the page loops where the saver
does, not after the synthesiser's reverb tail), then encoded as Ogg Opus.

usage: render_tune.py TUNE.mid SOUNDFONT.sf2 OUT.opus
"""
import os
import subprocess
import sys
import tempfile
import wave

RATE = 48000  # Opus's own rate: no resampling on either side
BITRATE_KBPS = "48"


def read_varlen(data, pos):
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = value << 7 | byte & 0x7F
        if byte < 0x80:
            return value, pos


def midi_seconds(data):
    """The play length of a format 0 or 1 file with a ticks-per-quarter
    division: the latest event of any track, through the tempo map."""
    if data[:4] != b"MThd":
        raise ValueError("not a Standard MIDI File")
    tracks = int.from_bytes(data[10:12], "big")
    division = int.from_bytes(data[12:14], "big")
    if division & 0x8000:
        raise ValueError("SMPTE division is not supported")
    pos = 8 + int.from_bytes(data[4:8], "big")
    last_tick, tempos = 0, []
    for _ in range(tracks):
        if data[pos:pos + 4] != b"MTrk":
            raise ValueError("missing track chunk")
        end = pos + 8 + int.from_bytes(data[pos + 4:pos + 8], "big")
        pos, tick, status = pos + 8, 0, 0
        while pos < end:
            delta, pos = read_varlen(data, pos)
            tick += delta
            if data[pos] == 0xFF:
                kind = data[pos + 1]
                length, pos = read_varlen(data, pos + 2)
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(data[pos:pos + 3], "big")))
                pos += length
            elif data[pos] in (0xF0, 0xF7):
                length, pos = read_varlen(data, pos + 1)
                pos += length
            else:
                if data[pos] & 0x80:
                    status = data[pos]
                    pos += 1
                pos += 1 if status & 0xF0 in (0xC0, 0xD0) else 2
        last_tick = max(last_tick, tick)
        pos = end
    seconds, at, tempo = 0.0, 0, 500000
    for tick, value in sorted(tempos):
        if tick >= last_tick:
            break
        seconds += (tick - at) * tempo / 1e6 / division
        at, tempo = tick, value
    return seconds + (last_tick - at) * tempo / 1e6 / division


def main(midi_path, soundfont, out_path):
    with open(midi_path, "rb") as f:
        frames_wanted = round(midi_seconds(f.read()) * RATE)
    with tempfile.TemporaryDirectory() as tmp:
        full = os.path.join(tmp, "full.wav")
        cut = os.path.join(tmp, "cut.wav")
        subprocess.run(["fluidsynth", "-n", "-i", "-q", "-r", str(RATE), "-F", full, soundfont, midi_path],
                       check=True, stdin=subprocess.DEVNULL)
        with wave.open(full, "rb") as src, wave.open(cut, "wb") as dst:
            dst.setparams(src.getparams())
            frames = src.readframes(frames_wanted)
            # A render shorter than the file's length is padded with silence.
            missing = frames_wanted * src.getnchannels() * src.getsampwidth() - len(frames)
            dst.writeframes(frames + bytes(max(0, missing)))
        subprocess.run(["opusenc", "--quiet", "--bitrate", BITRATE_KBPS, cut, out_path], check=True)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
