// The update check: version file parsing, number-by-number comparison and the messages it leads to.
#include "editor/windows/UpdateCheck.h"

#include <utility>

#include "common/Version.h"
#include "editor/windows/MakerLinks.h"

namespace orb {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Servers write the file with an editor: blanks and line breaks around it mean nothing.
std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The next dot-separated number of version, without leading zeros; empty once version is used up.
std::string_view NextNumber(std::string_view& version) {
  std::size_t dot = version.find('.');
  std::string_view number = version.substr(0, dot);
  version = dot == std::string_view::npos ? std::string_view() : version.substr(dot + 1);
  while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
  return number;
}

}  // namespace

bool IsVersionNumber(std::string_view text) {
  if (text.empty() || text.front() == '.' || text.back() == '.') return false;
  char previous = '.';
  for (char c : text) {
    if (c == '.' ? previous == '.' : !IsDigit(c)) return false;
    previous = c;
  }
  return true;
}

int CompareVersions(std::string_view a, std::string_view b) {
  while (!a.empty() || !b.empty()) {
    std::string_view x = NextNumber(a), y = NextNumber(b);
    if (x.empty()) x = "0";
    if (y.empty()) y = "0";
    // Without leading zeros, a longer digit string is the larger number; no overflow for any length.
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    if (int c = x.compare(y); c != 0) return c < 0 ? -1 : 1;
  }
  return 0;
}

VersionFileResult ParseVersionFile(std::string_view data, std::string_view own_version) {
  VersionFileResult result;
  data = TrimSpace(data.substr(0, kVersionFileReadLimit));
  std::size_t comma = data.find(',');
  if (comma == std::string_view::npos) return result;
  std::string_view latest = TrimSpace(data.substr(0, comma));
  if (!IsVersionNumber(latest)) return result;
  result.latest = std::string(latest);
  result.information = std::string(TrimSpace(data.substr(comma + 1)));
  result.verdict = CompareVersions(latest, own_version) > 0 ? UpdateVerdict::NewerAvailable : UpdateVerdict::Latest;
  return result;
}

UpdateCheck::UpdateCheck(HttpGetSeam& http, BusyCursorSeam& cursor, MessageBoxSeam& messages,
                         UpdateWindowSeam& window, std::string url, std::string own_version)
    : http_(http), cursor_(cursor), messages_(messages), window_(window), url_(std::move(url)),
      own_version_(std::move(own_version)) {}

void UpdateCheck::mnuupdate_Click() {
  cursor_.SetBusy(true);
  std::string data = http_.Get(url_, kVersionFileReadLimit);
  // The pointer is back to normal before any message appears.
  cursor_.SetBusy(false);
  VersionFileResult result = ParseVersionFile(data, own_version_);
  switch (result.verdict) {
    case UpdateVerdict::Unreadable:
      messages_.Show(kConnectionFailedText, kConnectionFailedTitle, MsgIcon::Information, MsgButtons::Ok);
      break;
    case UpdateVerdict::Latest:
      messages_.Show(kLatestVersionText, "", MsgIcon::Information, MsgButtons::Ok);
      break;
    case UpdateVerdict::NewerAvailable:
      window_.Show(result.information);
      break;
  }
}

std::string VersionFileUrl(const std::string& server_override) {
  std::string server = server_override.empty() ? kUpdateServer : server_override;
  while (!server.empty() && server.back() == '/') server.pop_back();
  return server + kVersionFilePath;
}

std::string OwnVersionText() {
  return std::to_string(ORB_VERSION_MAJOR) + "." + std::to_string(ORB_VERSION_MINOR) + "." +
         std::to_string(ORB_VERSION_PATCH);
}

}  // namespace orb
