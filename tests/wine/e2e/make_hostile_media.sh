#!/usr/bin/env bash
# make_hostile_media.sh DIR: writes the hostile media files into DIR, small and fast (low rates, few frames):
# videos cut short, with broken boxes or absurd sizes, huge pictures and long runs, and sounds that lie about
# themselves. Prints one line per file: NAME KIND (video or sound).
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"
ff() { ffmpeg -loglevel error -y "$@"; }
h264() { ff -f lavfi -i "color=c=$1:s=$2:r=$3:d=$4" -c:v libx264 -preset ultrafast -pix_fmt yuv420p "${@:5}"; }

# A sound clip of 2 s at 10 frames a second, MP4 with its movie box first and last, and WMV.
ff -f lavfi -i "color=c=green:s=160x120:r=10:d=2" -f lavfi -i "sine=f=440:d=2" -c:v libx264 -preset ultrafast \
  -pix_fmt yuv420p -c:a aac -movflags +faststart first.mp4
ff -i first.mp4 -c copy last.mp4
ff -f lavfi -i "color=c=green:s=160x120:r=10:d=2" -c:v wmv2 whole.wmv
cut() { head -c $(($(stat -c %s "$1") * $2 / 100)) "$1" >"$3"; echo "$3 video"; }
for p in 10 50 99; do cut first.mp4 "$p" "cut$p-moov-first.mp4"; cut last.mp4 "$p" "cut$p-moov-last.mp4"; done
cut whole.wmv 50 cut50.wmv

python3 - <<'PY'
import struct
mp4 = open("first.mp4", "rb").read()
def boxes(data):
    at = 0
    while at + 8 <= len(data):
        size, kind = struct.unpack(">I4s", data[at:at + 8])
        yield at, size, kind
        at += size
ftyp = next(mp4[a:a + s] for a, s, k in boxes(mp4) if k == b"ftyp")
moov_at, moov_size = next((a, s) for a, s, k in boxes(mp4) if k == b"moov")
moov = mp4[moov_at + 8:moov_at + moov_size]
trak = next(moov[a:a + s] for a, s, k in boxes(moov) if k == b"trak")
rest = mp4[moov_at + moov_size:]
def write(name, data):
    open(name, "wb").write(data)
    print(name, "video")
# The movie declares 10,000 tracks, each a copy of the first.
inner = moov + trak * 9999
write("tracks10000.mp4", ftyp + struct.pack(">I4s", 8 + len(inner), b"moov") + inner + rest)
# A valid file type, then garbage.
write("ftyp-garbage.mp4", ftyp + bytes((i * 7919) % 251 for i in range(200000)))
# Box sizes past the end of the file: 32-bit, 64-bit, and a track larger than its movie.
write("box-huge.mp4", ftyp + struct.pack(">I4s", 0xFFFFFFF0, b"moov") + mp4[moov_at + 8:])
write("box-huge64.mp4", ftyp + struct.pack(">I4sQ", 1, b"mdat", 1 << 62) + mp4[len(ftyp):])
t = moov.find(b"trak") - 4
write("box-inner.mp4", mp4[:moov_at + 8 + t] + struct.pack(">I", 0x7FFFFFFF) + mp4[moov_at + 12 + t:])
PY

# No frames at all, and a movie of frames without a single one.
ff -f lavfi -i "color=c=red:s=160x120:r=10:d=1" -frames:v 0 -c:v libx264 zero-frames.mp4 && echo "zero-frames.mp4 video"
# 8K (7680x4320) at 1 frame a second: two clips of different colours.
h264 red 7680x4320 1 2 -movflags +faststart 8k-a.mp4 && echo "8k-a.mp4 video"
h264 blue 7680x4320 1 2 -movflags +faststart 8k-b.mp4 && echo "8k-b.mp4 video"
# An hour at one frame a second.
h264 navy 160x120 1 3600 -movflags +faststart hour.mp4 && echo "hour.mp4 video"
head -c 200000 /dev/urandom >garbage.mp4 && echo "garbage.mp4 video"
head -c 200000 /dev/urandom >garbage.wmv && echo "garbage.wmv video"
: >empty.mp4 && echo "empty.mp4 video"

# Sounds: a header claiming 2 GB, 200 MB of silence, an MP3 named .wav, garbage and nothing.
sox -n -r 22050 -c 1 -b 16 short.wav trim 0 0.5
python3 - <<'PY'
import struct
wav = bytearray(open("short.wav", "rb").read())
wav[4:8] = struct.pack("<I", 0x7FFFFFF0)
data = wav.find(b"data")
wav[data + 4:data + 8] = struct.pack("<I", 0x7FFFFFC0)
open("claims2gb.wav", "wb").write(wav)
print("claims2gb.wav sound")
PY
# Sparse: the header says 200 MB of 16-bit silence and the file holds it.
python3 - <<'PY'
import struct
size = 200 << 20
header = b"RIFF" + struct.pack("<I", 36 + size) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 1, 22050, 44100, 2, 16)
with open("big200mb.wav", "wb") as f:
    f.write(header + b"data" + struct.pack("<I", size))
    f.truncate(44 + size)
print("big200mb.wav sound")
PY
ff -f lavfi -i "sine=f=440:d=1" -c:a libmp3lame mp3.wav && echo "mp3.wav sound"
head -c 50000 /dev/urandom >garbage.wav && echo "garbage.wav sound"
: >empty.wav && echo "empty.wav sound"
rm -f first.mp4 last.mp4 whole.wmv short.wav
