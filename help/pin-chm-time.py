#!/usr/bin/env python3
"""pin-chm-time.py FILE.chm SECONDS: sets the two compile-time stamps chmcmd leaves in a .chm to SECONDS.

chmcmd writes the time of day (milliseconds since midnight) into the ITSF header (big-endian, at 0x10) and
into entry 10 of /#SYSTEM (little-endian). Both lie outside the compressed section, so they can be rewritten
in place; nothing else in the file depends on them. The file is changed only when both are found.
"""
import struct
import sys


class NotChm(Exception):
    pass


def encint(data, pos):
    """A CHM directory's variable-length number: 7 bits a byte, high bit set on all but the last."""
    value = 0
    while True:
        if pos >= len(data):
            raise NotChm("a directory entry runs past its chunk")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def find_entry(chm, wanted):
    """(section, offset, length) of the directory entry named wanted."""
    if len(chm) < 0x60 or chm[:4] != b"ITSF" or struct.unpack_from("<I", chm, 4)[0] != 3:
        raise NotChm("not an ITSF version 3 file")
    dir_offset, dir_length = struct.unpack_from("<QQ", chm, 0x48)
    if dir_offset + 0x54 > len(chm) or chm[dir_offset:dir_offset + 4] != b"ITSP":
        raise NotChm("no ITSP directory header")
    header_length, = struct.unpack_from("<I", chm, dir_offset + 8)
    chunk_size, = struct.unpack_from("<I", chm, dir_offset + 0x10)
    chunk_count, = struct.unpack_from("<I", chm, dir_offset + 0x2C)
    first = dir_offset + header_length
    if chunk_size < 0x14 or first + chunk_count * chunk_size > len(chm):
        raise NotChm("the directory runs past the file")
    for n in range(chunk_count):
        chunk = chm[first + n * chunk_size:first + (n + 1) * chunk_size]
        if chunk[:4] != b"PMGL":
            continue  # an index chunk: the listing chunks alone name every entry
        free, = struct.unpack_from("<I", chunk, 4)
        end = chunk_size - free
        if end < 0x14:
            raise NotChm("a listing chunk claims more free space than it has")
        pos = 0x14
        while pos < end:
            length, pos = encint(chunk, pos)
            name = chunk[pos:pos + length]
            pos += length
            section, pos = encint(chunk, pos)
            offset, pos = encint(chunk, pos)
            size, pos = encint(chunk, pos)
            if name == wanted:
                return section, offset, size
    raise NotChm("no %s entry" % wanted.decode())


def pin(chm, seconds):
    stamp = (seconds % 86400) * 1000
    section, offset, size = find_entry(chm, b"/#SYSTEM")
    if section != 0:
        raise NotChm("/#SYSTEM is compressed")
    content, = struct.unpack_from("<Q", chm, 0x58)
    start, end = content + offset, content + offset + size
    if end > len(chm):
        raise NotChm("/#SYSTEM runs past the file")
    pos = start + 4  # past the version
    while pos + 4 <= end:
        code, length = struct.unpack_from("<HH", chm, pos)
        if code == 10 and length >= 4 and pos + 4 + length <= end:
            struct.pack_into(">I", chm, 0x10, stamp)
            struct.pack_into("<I", chm, pos + 4, stamp)
            return
        pos += 4 + length
    raise NotChm("/#SYSTEM holds no time stamp")


def main():
    if len(sys.argv) != 3 or not sys.argv[2].isdigit():
        sys.exit("usage: pin-chm-time.py FILE.chm SECONDS")
    path = sys.argv[1]
    with open(path, "rb") as f:
        chm = bytearray(f.read())
    try:
        pin(chm, int(sys.argv[2]))
    except (NotChm, struct.error) as e:
        sys.exit("pin-chm-time: %s: %s" % (path, e))
    with open(path, "r+b") as f:
        f.write(chm)


if __name__ == "__main__":
    main()
