// ISO 9660 byte forms; see IsoRecords.h.
#include "disc/IsoRecords.h"

#include <cstdio>
#include <cstring>

namespace orb {

namespace {

struct Civil {
  int year, month, day, hour, minute, second;
};

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil_from_days).
Civil ToCivil(std::int64_t t) {
  std::int64_t days = t >= 0 ? t / 86400 : -((-t + 86399) / 86400);
  std::int64_t secs = t - days * 86400;
  days += 719468;
  std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  std::int64_t doe = days - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  return {year,
          month,
          day,
          static_cast<int>(secs / 3600),
          static_cast<int>(secs / 60 % 60),
          static_cast<int>(secs % 60)};
}

// Dates are held within what both forms can write.
constexpr std::int64_t kFirst1900 = -2208988800LL;  // 1900-01-01
constexpr std::int64_t kLast2155 = 5869583999LL;    // 2155-12-31 23:59:59

}  // namespace

void PutLittle16(char* at, std::uint16_t v) {
  at[0] = static_cast<char>(v & 0xFF);
  at[1] = static_cast<char>(v >> 8);
}
void PutBig16(char* at, std::uint16_t v) {
  at[0] = static_cast<char>(v >> 8);
  at[1] = static_cast<char>(v & 0xFF);
}
void PutLittle32(char* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void PutBig32(char* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((v >> (8 * (3 - i))) & 0xFF);
}
void PutBoth16(char* at, std::uint16_t v) {
  PutLittle16(at, v);
  PutBig16(at + 2, v);
}
void PutBoth32(char* at, std::uint32_t v) {
  PutLittle32(at, v);
  PutBig32(at + 4, v);
}

void PutRecordDate(char* at, std::int64_t t) {
  Civil c = ToCivil(t < kFirst1900 ? kFirst1900 : t > kLast2155 ? kLast2155 : t);
  at[0] = static_cast<char>(c.year - 1900);
  at[1] = static_cast<char>(c.month);
  at[2] = static_cast<char>(c.day);
  at[3] = static_cast<char>(c.hour);
  at[4] = static_cast<char>(c.minute);
  at[5] = static_cast<char>(c.second);
  at[6] = 0;  // GMT
}

void PutVolumeDate(char* at, std::int64_t t) {
  Civil c = ToCivil(t < kFirst1900 ? kFirst1900 : t > kLast2155 ? kLast2155 : t);
  char text[64];  // room for any int, though the year is held to four digits
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d00", c.year, c.month, c.day, c.hour, c.minute,
                c.second);
  std::memcpy(at, text, 16);
  at[16] = 0;  // GMT
}

std::uint32_t DirectoryRecordLength(std::size_t id_bytes) {
  return static_cast<std::uint32_t>(33 + id_bytes + (id_bytes % 2 == 0 ? 1 : 0));
}

void AppendDirectoryRecord(std::string& out, std::uint32_t extent, std::uint32_t bytes, std::int64_t date,
                           bool folder, std::string_view id) {
  std::uint32_t length = DirectoryRecordLength(id.size());
  size_t at = out.size();
  out.resize(at + length, '\0');
  char* r = out.data() + at;
  r[0] = static_cast<char>(length);
  PutBoth32(r + 2, extent);
  PutBoth32(r + 10, bytes);
  PutRecordDate(r + 18, date);
  r[25] = folder ? 2 : 0;
  PutBoth16(r + 28, 1);  // volume sequence number
  r[32] = static_cast<char>(id.size());
  std::memcpy(r + 33, id.data(), id.size());
}

std::uint32_t PathRecordLength(std::size_t id_bytes) {
  return static_cast<std::uint32_t>(8 + id_bytes + (id_bytes % 2));
}

void AppendPathRecord(std::string& out, std::uint32_t extent, std::uint16_t parent, std::string_view id,
                      bool big_endian) {
  size_t at = out.size();
  out.resize(at + PathRecordLength(id.size()), '\0');
  char* r = out.data() + at;
  r[0] = static_cast<char>(id.size());
  if (big_endian) {
    PutBig32(r + 2, extent);
    PutBig16(r + 6, parent);
  } else {
    PutLittle32(r + 2, extent);
    PutLittle16(r + 6, parent);
  }
  std::memcpy(r + 8, id.data(), id.size());
}

void PutText(char* at, std::size_t bytes, std::string_view text) {
  std::memset(at, ' ', bytes);
  std::memcpy(at, text.data(), std::min(bytes, text.size()));
}

void PutUcs2Text(char* at, std::size_t bytes, std::u16string_view text) {
  for (std::size_t i = 0; i + 1 < bytes; i += 2) {
    char16_t c = i / 2 < text.size() ? text[i / 2] : u' ';
    PutBig16(at + i, static_cast<std::uint16_t>(c));
  }
}

std::string Ucs2BigEndian(std::u16string_view text) {
  std::string out(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    PutBig16(out.data() + 2 * i, static_cast<std::uint16_t>(text[i]));
  return out;
}

}  // namespace orb
