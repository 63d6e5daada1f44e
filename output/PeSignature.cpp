// Certificate table of a PE file and the signer named in its PKCS #7 signature; see PeSignature.h.
#include "output/PeSignature.h"

#include <cstdint>
#include <vector>

namespace orb {

namespace {

uint32_t Le(std::string_view data, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(data[at + i]);
  return value;
}

// One DER element: its tag, its content and the whole encoding (for byte-wise comparison of names).
struct Der {
  uint8_t tag = 0;
  std::string_view content;
  std::string_view whole;
};

// Walks the elements one after another inside some content; stops at the first malformed one. Only the
// definite lengths of DER are read, which is what signing tools write.
class DerReader {
 public:
  explicit DerReader(std::string_view data) : rest_(data) {}
  bool AtEnd() const { return rest_.empty(); }

  bool Next(Der& out) {
    if (rest_.size() < 2) return false;
    uint8_t tag = static_cast<uint8_t>(rest_[0]);
    if ((tag & 0x1F) == 0x1F) return false;  // multi-byte tags occur in none of the structures read here
    size_t length = static_cast<uint8_t>(rest_[1]);
    size_t header = 2;
    if (length & 0x80) {
      size_t count = length & 0x7F;
      if (count == 0 || count > 4 || rest_.size() < 2 + count) return false;
      length = 0;
      for (size_t i = 0; i < count; ++i) length = length << 8 | static_cast<uint8_t>(rest_[2 + i]);
      header += count;
    }
    if (length > rest_.size() - header) return false;
    out.tag = tag;
    out.content = rest_.substr(header, length);
    out.whole = rest_.substr(0, header + length);
    rest_.remove_prefix(header + length);
    return true;
  }

  // Next, and only when the element has the wanted tag.
  bool Expect(uint8_t tag, Der& out) { return Next(out) && out.tag == tag; }

 private:
  std::string_view rest_;
};

constexpr uint8_t kSequence = 0x30, kSet = 0x31, kInteger = 0x02, kOid = 0x06;
constexpr uint8_t kContext0 = 0xA0, kContext1 = 0xA1;
constexpr std::string_view kSignedDataOid("\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02", 9);

// The ANSI form of one Unicode character; what the code page cannot show, and control characters that
// would garble a message, become "?".
void AppendAnsi(std::string& out, uint32_t code) {
  if ((code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF)) {
    out += static_cast<char>(code);
  } else {
    out += '?';
  }
}

std::string DirectoryString(const Der& value) {
  std::string out;
  std::string_view text = value.content;
  if (value.tag == 0x1E) {  // BMPString: UTF-16 big-endian
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
      AppendAnsi(out, static_cast<uint8_t>(text[i]) << 8 | static_cast<uint8_t>(text[i + 1]));
    }
  } else if (value.tag == 0x0C) {  // UTF8String
    for (size_t i = 0; i < text.size();) {
      uint8_t lead = static_cast<uint8_t>(text[i]);
      size_t extra = lead < 0x80             ? 0
                     : (lead & 0xE0) == 0xC0 ? 1
                     : (lead & 0xF0) == 0xE0 ? 2
                     : (lead & 0xF8) == 0xF0 ? 3
                                             : 4;
      bool valid = extra < 4 && extra < text.size() - i;
      uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
      for (size_t k = 1; valid && k <= extra; ++k) {
        uint8_t next = static_cast<uint8_t>(text[i + k]);
        valid = (next & 0xC0) == 0x80;
        code = code << 6 | (next & 0x3F);
      }
      AppendAnsi(out, valid ? code : '?');
      i += valid ? extra + 1 : 1;
    }
  } else {  // PrintableString, IA5String, TeletexString, VisibleString: one byte a character
    for (char c : text) AppendAnsi(out, static_cast<uint8_t>(c));
  }
  return out;
}

std::string OidName(std::string_view oid) {
  struct Known {
    std::string_view bytes;
    const char* name;
  };
  static const Known kKnown[] = {
      {std::string_view("\x55\x04\x03", 3), "CN"},
      {std::string_view("\x55\x04\x06", 3), "C"},
      {std::string_view("\x55\x04\x07", 3), "L"},
      {std::string_view("\x55\x04\x08", 3), "ST"},
      {std::string_view("\x55\x04\x0A", 3), "O"},
      {std::string_view("\x55\x04\x0B", 3), "OU"},
      {std::string_view("\x2A\x86\x48\x86\xF7\x0D\x01\x09\x01", 9), "emailAddress"},
  };
  for (const Known& known : kKnown) {
    if (oid == known.bytes) return known.name;
  }
  // Anything else in dotted form, as certificate tools print it.
  std::string dotted;
  uint64_t value = 0;
  bool first = true;
  for (char c : oid) {
    value = value << 7 | (static_cast<uint8_t>(c) & 0x7F);
    if (value > (uint64_t{1} << 56)) return "?";
    if (static_cast<uint8_t>(c) & 0x80) continue;
    if (first) {
      uint64_t top = value < 80 ? value / 40 : 2;
      dotted = std::to_string(top) + "." + std::to_string(value - top * 40);
      first = false;
    } else {
      dotted += "." + std::to_string(value);
    }
    value = 0;
  }
  return dotted.empty() ? "?" : dotted;
}

// A Name (SEQUENCE OF SET OF attribute) as "CN=..., O=..."; false when it is malformed.
bool FormatName(std::string_view name, std::string& text, std::string& common_name) {
  DerReader rdns(name);
  while (!rdns.AtEnd()) {
    Der rdn;
    if (!rdns.Expect(kSet, rdn)) return false;
    DerReader attributes(rdn.content);
    bool first_in_rdn = true;
    while (!attributes.AtEnd()) {
      Der attribute, oid, value;
      if (!attributes.Expect(kSequence, attribute)) return false;
      DerReader parts(attribute.content);
      if (!parts.Expect(kOid, oid) || !parts.Next(value)) return false;
      if (!text.empty()) text += first_in_rdn ? ", " : " + ";
      first_in_rdn = false;
      std::string key = OidName(oid.content), shown = DirectoryString(value);
      text += key + "=" + shown;
      if (key == "CN" && common_name.empty()) common_name = shown;
    }
  }
  return true;
}

// The issuer and subject of one certificate, and its serial number's content octets.
struct CertificateNames {
  std::string_view serial, issuer, subject;
};

bool ReadCertificate(const Der& certificate, CertificateNames& names) {
  Der tbs, element, issuer, validity, subject;
  if (certificate.tag != kSequence) return false;
  DerReader outer(certificate.content);
  if (!outer.Expect(kSequence, tbs)) return false;
  DerReader fields(tbs.content);
  if (!fields.Next(element)) return false;
  if (element.tag == kContext0 && !fields.Next(element)) return false;  // explicit version
  if (element.tag != kInteger) return false;
  names.serial = element.content;
  if (!fields.Expect(kSequence, element) || !fields.Expect(kSequence, issuer) ||
      !fields.Expect(kSequence, validity) || !fields.Expect(kSequence, subject))
    return false;
  names.issuer = issuer.whole;
  names.subject = subject.content;
  return true;
}

PeSignature Result(SignatureState state, std::string problem = {}) {
  PeSignature result;
  result.state = state;
  result.problem = std::move(problem);
  return result;
}

// The signer of a PKCS #7 SignedData: the certificate that the first signer info names by issuer and
// serial number.
PeSignature ReadSignedData(std::string_view pkcs7) {
  const PeSignature damaged =
      Result(SignatureState::Damaged, "the certificate table holds no readable signature");
  Der content_info, oid, explicit_content, signed_data, element;
  DerReader top(pkcs7);
  if (!top.Expect(kSequence, content_info)) return damaged;
  DerReader info(content_info.content);
  if (!info.Expect(kOid, oid) || oid.content != kSignedDataOid) return damaged;
  if (!info.Expect(kContext0, explicit_content)) return damaged;
  if (!DerReader(explicit_content.content).Expect(kSequence, signed_data)) return damaged;

  DerReader fields(signed_data.content);
  Der version, digests, encapsulated;
  if (!fields.Expect(kInteger, version) || !fields.Expect(kSet, digests) ||
      !fields.Expect(kSequence, encapsulated))
    return damaged;
  std::vector<Der> certificates;
  if (!fields.Next(element)) return damaged;
  if (element.tag == kContext0) {
    DerReader list(element.content);
    while (!list.AtEnd()) {
      Der certificate;
      if (!list.Next(certificate)) return damaged;
      certificates.push_back(certificate);
    }
    if (!fields.Next(element)) return damaged;
  }
  if (element.tag == kContext1 && !fields.Next(element)) return damaged;  // revocation lists
  if (element.tag != kSet) return damaged;

  Der signer_info, signer_version, issuer_and_serial, issuer, serial;
  if (!DerReader(element.content).Expect(kSequence, signer_info)) {
    return Result(SignatureState::Damaged, "the signature names no signer");
  }
  DerReader signer(signer_info.content);
  if (!signer.Expect(kInteger, signer_version) || !signer.Expect(kSequence, issuer_and_serial))
    return damaged;
  DerReader sid(issuer_and_serial.content);
  if (!sid.Expect(kSequence, issuer) || !sid.Expect(kInteger, serial)) return damaged;

  for (const Der& certificate : certificates) {
    CertificateNames names;
    if (!ReadCertificate(certificate, names)) continue;  // an attribute certificate or the like
    if (names.issuer != issuer.whole || names.serial != serial.content) continue;
    PeSignature result = Result(SignatureState::Signed);
    if (!FormatName(names.subject, result.subject, result.common_name)) {
      return Result(SignatureState::Damaged, "the signer's certificate has an unreadable subject");
    }
    return result;
  }
  return Result(SignatureState::Damaged, "the signature does not hold its signer's certificate");
}

}  // namespace

PeSignature ReadPeSignature(std::string_view file) {
  if (file.size() < 0x40 || file.substr(0, 2) != "MZ") {
    return Result(SignatureState::NotProgram, "not a Windows program (no MZ header)");
  }
  uint32_t pe = Le(file, 0x3C, 4);
  if (pe > file.size() || file.size() - pe < 24 || file.substr(pe, 4) != std::string_view("PE\0\0", 4)) {
    return Result(SignatureState::NotProgram, "not a Windows program (no PE header)");
  }
  size_t optional = pe + 24;
  size_t optional_size = Le(file, pe + 20, 2);
  if (optional_size > file.size() - optional || optional_size < 2) {
    return Result(SignatureState::NotProgram, "the PE optional header is cut off");
  }
  uint32_t magic = Le(file, optional, 2);
  size_t count_at, directories_at;
  if (magic == 0x10B) {
    count_at = 92, directories_at = 96;
  } else if (magic == 0x20B) {
    count_at = 108, directories_at = 112;
  } else {
    return Result(SignatureState::NotProgram, "unknown PE optional header");
  }
  constexpr size_t kSecurityEntry = 4, kEntrySize = 8;
  size_t entry = directories_at + kSecurityEntry * kEntrySize;
  if (optional_size < count_at + 4)
    return Result(SignatureState::NotProgram, "the PE optional header is cut off");
  if (Le(file, optional + count_at, 4) <= kSecurityEntry || optional_size < entry + kEntrySize) {
    return Result(SignatureState::Unsigned);
  }
  // The certificate table's address is a file offset, not a virtual address.
  uint64_t offset = Le(file, optional + entry, 4), size = Le(file, optional + entry + 4, 4);
  if (size == 0 && offset == 0) return Result(SignatureState::Unsigned);
  if (offset + size > file.size() || size < 8) {
    return Result(SignatureState::Damaged, "the certificate table lies outside the file");
  }
  uint32_t length = Le(file, offset, 4), type = Le(file, offset + 6, 2);
  if (length < 8 || length > size)
    return Result(SignatureState::Damaged, "the certificate table's entry is cut off");
  if (type != 2) return Result(SignatureState::Damaged, "the certificate table holds no PKCS #7 signature");
  return ReadSignedData(file.substr(offset + 8, length - 8));
}

}  // namespace orb
