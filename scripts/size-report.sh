#!/usr/bin/env bash
# What the stripped i686 Orbstart.exe is made of: its sections, then the largest contributors by library and
# by object file, read from the link map that the build writes beside the program. The player goes onto
# every CD and must stay within 300 KB.
#   scripts/size-report.sh [BUILD_DIR]     (default build/windows, configured as scripts/build.sh does)
#   ORB_SIZE_TOP=N                         object files listed (default 25)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
build=${1:-build/windows}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-i686.cmake" \
    -DCMAKE_INSTALL_PREFIX="$top/dist/windows" -DORB_NATIVE_BIN_DIR="$top/build/native" >/dev/null
fi
cmake --build "$build" -j2 --target Orbstart >/dev/null
exe=$build/player/Orbstart.exe
map=$build/player/Orbstart.map
i686-w64-mingw32-objdump -f "$exe" | grep -q "file format pei-i386" || { echo "$exe is not an i686 program" >&2; exit 1; }
[ -f "$map" ] || { echo "$map is missing: the link writes it (orb_small_program)" >&2; exit 1; }

python3 - "$exe" "$map" "${ORB_SIZE_TOP:-25}" <<'PY'
import collections, os, re, subprocess, sys

exe, map_path, top = sys.argv[1], sys.argv[2], int(sys.argv[3])
budget = 300 * 1024
size = os.path.getsize(exe)
print(f"{exe}: {size:,} bytes stripped; budget {budget:,}, {budget - size:,} left")

# Sections as the file holds them: raw bytes (file-aligned) and the bytes the loader maps.
heads = subprocess.run(["i686-w64-mingw32-objdump", "-h", exe], capture_output=True, text=True, check=True).stdout
rows = []
for line in heads.splitlines():
    m = re.match(r"\s*\d+\s+(\S+)\s+([0-9a-f]+)\s+[0-9a-f]+\s+[0-9a-f]+\s+([0-9a-f]+)", line)
    if m:
        rows.append([m.group(1), int(m.group(2), 16), int(m.group(3), 16)])
# objdump cuts names at 8 characters (".eh_fram"); the map has the whole ones.
with open(map_path, errors="replace") as f:
    lines = f.read().splitlines()
full_names = {n[:8]: n for n in (re.match(r"^(\.\S+)", l).group(1) for l in lines if re.match(r"^\.\S", l))}
offsets = sorted(r[2] for r in rows if r[2]) + [size]
print("\nsections            in file  in memory")
print(f"  {'headers':<14} {offsets[0]:>10,}")
for name, mem, off in rows:
    raw = 0 if off == 0 else offsets[offsets.index(off) + 1] - off
    print(f"  {full_names.get(name, name):<14} {raw:>10,} {mem:>10,}")

# Input sections of the map, after "Linker script and memory map": an output section starts in column 0;
# an input section is " NAME ADDRESS SIZE FILE", its name on a line of its own when it is long.
start = next(i for i, l in enumerate(lines) if l.startswith("Linker script and memory map"))
out = None
pending = False
by_object = collections.defaultdict(collections.Counter)
for line in lines[start + 1:]:
    if re.match(r"^\S", line):
        out = line.split()[0] if line.startswith(".") else None
        continue
    m = re.match(r"^ (\S+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$", line)
    if m and out and out != ".bss" and (m.group(1) or pending):
        if not m.group(1) or not m.group(1).startswith("*"):
            by_object[m.group(3).strip()][out] += int(m.group(2), 16)
        pending = False
        continue
    pending = bool(re.match(r"^ [^\s*]\S*$", line))

def short(path):
    return re.sub(r"^[^(]*/", "", path)

by_library = collections.defaultdict(collections.Counter)
for obj, parts in by_object.items():
    library = re.sub(r"^.*/", "", obj.split("(")[0]) if "(" in obj else "objects of the link"
    by_library[library].update(parts)

def table(title, groups, count):
    print(f"\n{title:<46} {'total':>8} {'.text':>8} {'.eh_frame':>9} {'other':>7}")
    ranked = sorted(groups.items(), key=lambda kv: -sum(kv[1].values()))
    for name, parts in ranked[:count]:
        total = sum(parts.values())
        text, eh = parts[".text"], parts[".eh_frame"]
        print(f"  {name[:44]:<44} {total:>8,} {text:>8,} {eh:>9,} {total - text - eh:>7,}")
    rest = ranked[count:]
    if rest:
        print(f"  {f'{len(rest)} more':<44} {sum(sum(p.values()) for _, p in rest):>8,}")

table("by library (bytes before file alignment)", by_library, 100)
table("by object file", {short(k): v for k, v in by_object.items()}, top)

# Why a library's object is in at all: the map names the first reference that pulled each archive member.
why = {}
member = None
for line in lines[:start]:
    if line.startswith(("Discarded input sections", "Memory Configuration")):
        break
    m = re.match(r"^(\S+\(.*?\))\s*(.*)$", line)
    if m:
        member, line = m.group(1), m.group(2)
    m = re.match(r"^\s*(\S.*?) \((.*)\)$", line)
    if m and member:
        why[member] = (m.group(1), m.group(2))
        member = None
print("\nwhy the largest library objects are linked (the first reference to each)")
ours = [k for k in by_object if "(" in k and "/liborb_" not in k]
for obj in sorted(ours, key=lambda k: -sum(by_object[k].values()))[:top // 2]:
    if obj in why:
        referrer, symbol = why[obj]
        print(f"  {short(obj)} <- {short(referrer)}: {symbol[:70]}")
PY
