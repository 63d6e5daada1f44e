// signcheck: how Windows itself sees a program's signature and version resource, for end-to-end tests.
//   signcheck trust FILE          WinVerifyTrust's result for FILE, as 0x%08X (0x800B0100: no signature)
//   signcheck signer FILE         the signer's simple display name, read through the system's crypto API
//   signcheck version FILE KEY    the version resource's string KEY (CompanyName, ProductName, ...)
#include <windows.h>
// After windows.h: these headers use its types.
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const char* text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), n);
  out.resize(n > 0 ? n - 1 : 0);
  return out;
}

int Trust(const char* file) {
  std::wstring path = Wide(file);
  WINTRUST_FILE_INFO info = {};
  info.cbStruct = sizeof info;
  info.pcwszFilePath = path.c_str();
  WINTRUST_DATA data = {};
  data.cbStruct = sizeof data;
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = WTD_REVOKE_NONE;
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &info;
  data.dwStateAction = WTD_STATEACTION_VERIFY;
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  LONG result = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
  data.dwStateAction = WTD_STATEACTION_CLOSE;
  WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
  std::printf("0x%08lX\n", static_cast<unsigned long>(result));
  return 0;
}

int Signer(const char* file) {
  std::wstring path = Wide(file);
  HCERTSTORE store = nullptr;
  HCRYPTMSG message = nullptr;
  DWORD encoding = 0, content = 0, format = 0;
  if (!CryptQueryObject(CERT_QUERY_OBJECT_FILE, path.c_str(), CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED_EMBED,
                        CERT_QUERY_FORMAT_FLAG_BINARY, 0, &encoding, &content, &format, &store, &message,
                        nullptr)) {
    std::fprintf(stderr, "CryptQueryObject failed: 0x%08lX\n", GetLastError());
    return 1;
  }
  DWORD size = 0;
  CryptMsgGetParam(message, CMSG_SIGNER_INFO_PARAM, 0, nullptr, &size);
  std::vector<BYTE> buffer(size);
  int status = 1;
  if (size && CryptMsgGetParam(message, CMSG_SIGNER_INFO_PARAM, 0, buffer.data(), &size)) {
    auto* signer = reinterpret_cast<CMSG_SIGNER_INFO*>(buffer.data());
    CERT_INFO wanted = {};
    wanted.Issuer = signer->Issuer;
    wanted.SerialNumber = signer->SerialNumber;
    PCCERT_CONTEXT cert =
        CertFindCertificateInStore(store, encoding, 0, CERT_FIND_SUBJECT_CERT, &wanted, nullptr);
    if (cert) {
      char name[256] = {};
      CertGetNameStringA(cert, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, name, sizeof name);
      std::printf("%s\n", name);
      CertFreeCertificateContext(cert);
      status = 0;
    }
  }
  CryptMsgClose(message);
  CertCloseStore(store, 0);
  return status;
}

int Version(const char* file, const char* key) {
  DWORD unused = 0, size = GetFileVersionInfoSizeA(file, &unused);
  std::vector<char> data(size);
  if (!size || !GetFileVersionInfoA(file, 0, size, data.data())) {
    std::fprintf(stderr, "no version resource in %s\n", file);
    return 1;
  }
  struct Translation {
    WORD language, code_page;
  }* translations = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                      &length) ||
      length < sizeof(Translation)) {
    std::fprintf(stderr, "no translation in %s\n", file);
    return 1;
  }
  char query[128];
  std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translations->language,
                translations->code_page, key);
  char* value = nullptr;
  if (!VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&value), &length) || !value) {
    std::fprintf(stderr, "no %s in %s\n", key, file);
    return 1;
  }
  std::printf("%s\n", value);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "trust") == 0) return Trust(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "signer") == 0) return Signer(argv[2]);
  if (argc == 4 && std::strcmp(argv[1], "version") == 0) return Version(argv[2], argv[3]);
  std::fprintf(stderr, "usage: signcheck trust FILE | signer FILE | version FILE KEY\n");
  return 2;
}
