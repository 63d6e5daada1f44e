// The update check behind Help, "Check for Update...": fetches the version file, compares it with this
// program's version and reports through message boxes or the update window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "editor/windows/UiSeams.h"

namespace orb {

inline constexpr std::size_t kVersionFileReadLimit = 1000;
inline constexpr const char* kConnectionFailedText =
    "Could not retrieve information from the server. Make sure you are online or try again later.";
inline constexpr const char* kConnectionFailedTitle = "Connection failed.";
inline constexpr const char* kLatestVersionText = "You have the latest version.";

// One HTTP GET: at most max_bytes of the body, or empty when nothing could be read (no connection,
// unreachable server, empty file).
class HttpGetSeam {
 public:
  virtual ~HttpGetSeam() = default;
  virtual std::string Get(const std::string& url, std::size_t max_bytes) = 0;
};

// The hourglass over the main window while the request runs.
class BusyCursorSeam {
 public:
  virtual ~BusyCursorSeam() = default;
  virtual void SetBusy(bool busy) = 0;
};

// Shows the update window (frmupdate) modally with the information text in txtinfo.
class UpdateWindowSeam {
 public:
  virtual ~UpdateWindowSeam() = default;
  virtual void Show(const std::string& information) = 0;
};

// True for one or more decimal numbers joined by dots ("2", "2.1.0"); nothing else.
bool IsVersionNumber(std::string_view text);

// Compares two version numbers number by number (10.0.0 is newer than 2.0.0); a missing number counts as 0,
// so 2.0 equals 2.0.0. Negative, zero or positive like strcmp. Both must satisfy IsVersionNumber.
int CompareVersions(std::string_view a, std::string_view b);

enum class UpdateVerdict { Unreadable, Latest, NewerAvailable };

struct VersionFileResult {
  UpdateVerdict verdict = UpdateVerdict::Unreadable;
  std::string latest;       // the server's version number
  std::string information;  // the text after the first comma, trimmed
};

// Reads a version file ("2.1.0,information"), of which only the first kVersionFileReadLimit bytes count.
// Anything that does not begin with a version number and a comma (empty, blanks, a web server's error page)
// is Unreadable, which the check reports like a failed connection.
VersionFileResult ParseVersionFile(std::string_view data, std::string_view own_version);

// The update check over its seams.
class UpdateCheck {
 public:
  UpdateCheck(HttpGetSeam& http, BusyCursorSeam& cursor, MessageBoxSeam& messages, UpdateWindowSeam& window,
              std::string url, std::string own_version);
  void mnuupdate_Click();

 private:
  HttpGetSeam& http_;
  BusyCursorSeam& cursor_;
  MessageBoxSeam& messages_;
  UpdateWindowSeam& window_;
  std::string url_;
  std::string own_version_;
};

// The address of the version file: server (or override when not empty) + kVersionFilePath.
std::string VersionFileUrl(const std::string& server_override);

// The program's own version, "2.0.0".
std::string OwnVersionText();

}  // namespace orb
