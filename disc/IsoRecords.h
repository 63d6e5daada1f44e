// The byte forms of ISO 9660: numbers in both byte orders, the two date forms, directory and path
// table records, and the volume descriptors' fixed fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orb {

constexpr std::uint32_t kIsoBlock = 2048;

void PutLittle16(char* at, std::uint16_t value);
void PutBig16(char* at, std::uint16_t value);
void PutLittle32(char* at, std::uint32_t value);
void PutBig32(char* at, std::uint32_t value);
void PutBoth16(char* at, std::uint16_t value);  // 4 bytes
void PutBoth32(char* at, std::uint32_t value);  // 8 bytes

// The 7-byte date of a directory record, UTC; years outside 1900-2155 are held at the nearer end.
void PutRecordDate(char* at, std::int64_t unix_seconds);
// The 17-byte date of a volume descriptor, UTC ("YYYYMMDDHHMMSScc" and the zone).
void PutVolumeDate(char* at, std::int64_t unix_seconds);

// The length of a directory record whose identifier has id_bytes bytes (even, as the standard pads).
std::uint32_t DirectoryRecordLength(std::size_t id_bytes);
// Appends one directory record.
void AppendDirectoryRecord(std::string& out, std::uint32_t extent, std::uint32_t bytes, std::int64_t date,
                           bool folder, std::string_view id);

// The length of a path table record, and one record in little (L table) or big (M table) byte order.
std::uint32_t PathRecordLength(std::size_t id_bytes);
void AppendPathRecord(std::string& out, std::uint32_t extent, std::uint16_t parent, std::string_view id,
                      bool big_endian);

// A text field filled with blanks: d-characters for the primary descriptor, UCS-2 big-endian for Joliet.
void PutText(char* at, std::size_t bytes, std::string_view text);
void PutUcs2Text(char* at, std::size_t bytes, std::u16string_view text);

// UCS-2 big-endian bytes of a name.
std::string Ucs2BigEndian(std::u16string_view text);

}  // namespace orb
