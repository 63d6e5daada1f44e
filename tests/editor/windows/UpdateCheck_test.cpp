// The update check: version comparison, version-file parsing and what the user is shown.
#include "editor/windows/UpdateCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/windows/MakerLinks.h"
#include "editor/windows/UpdateWindowController.h"

namespace orb {
namespace {

TEST(CompareVersions, ComparesNumberByNumber) {
  EXPECT_GT(CompareVersions("10.0.0", "2.0.0"), 0);
  EXPECT_LT(CompareVersions("2.0.0", "10.0.0"), 0);
  EXPECT_GT(CompareVersions("2.1.0", "2.0.0"), 0);
  EXPECT_GT(CompareVersions("2.0.10", "2.0.9"), 0);
  EXPECT_LT(CompareVersions("1.9", "2.0.0"), 0);
  EXPECT_LT(CompareVersions("1.99.99", "2.0.0"), 0);
  EXPECT_EQ(CompareVersions("2.0.0", "2.0.0"), 0);
}

TEST(CompareVersions, MissingNumbersAndLeadingZerosCountAsZero) {
  EXPECT_EQ(CompareVersions("2", "2.0.0"), 0);
  EXPECT_EQ(CompareVersions("2.0", "2.0.0"), 0);
  EXPECT_EQ(CompareVersions("02.00.000", "2.0.0"), 0);
  EXPECT_GT(CompareVersions("2.0.0.1", "2.0.0"), 0);
  EXPECT_LT(CompareVersions("2.0.0", "2.0.0.1"), 0);
}

TEST(CompareVersions, HugeNumbersDoNotOverflow) {
  EXPECT_GT(CompareVersions("99999999999999999999999.0", "2.0.0"), 0);
  EXPECT_LT(CompareVersions("99999999999999999999998", "99999999999999999999999"), 0);
}

TEST(IsVersionNumber, AcceptsOnlyDottedDecimals) {
  for (const char* good : {"2", "2.0.0", "10.20.30", "1.9"}) EXPECT_TRUE(IsVersionNumber(good)) << good;
  for (const char* bad : {"", ".", "2.", ".2", "2..0", "v2.0", "2.0 beta", "-1", "<html>", "2,0"})
    EXPECT_FALSE(IsVersionNumber(bad)) << bad;
}

TEST(ParseVersionFile, NewerVersionCarriesItsInformation) {
  VersionFileResult r = ParseVersionFile("2.1.0,Faster generation", "2.0.0");
  EXPECT_EQ(r.verdict, UpdateVerdict::NewerAvailable);
  EXPECT_EQ(r.latest, "2.1.0");
  EXPECT_EQ(r.information, "Faster generation");
  // Blanks and the file's line break around the parts do not matter; later commas belong to the text.
  r = ParseVersionFile("  2.1.0 ,  Faster, smaller output \r\n", "2.0.0");
  EXPECT_EQ(r.verdict, UpdateVerdict::NewerAvailable);
  EXPECT_EQ(r.information, "Faster, smaller output");
  EXPECT_EQ(ParseVersionFile("10.0.0,x", "2.0.0").verdict, UpdateVerdict::NewerAvailable);
}

TEST(ParseVersionFile, SameOrOlderVersionIsTheLatest) {
  EXPECT_EQ(ParseVersionFile("2.0.0,Nothing new", "2.0.0").verdict, UpdateVerdict::Latest);
  EXPECT_EQ(ParseVersionFile("1.9,", "2.0.0").verdict, UpdateVerdict::Latest);
  EXPECT_EQ(ParseVersionFile("2.0,", "2.0.0").verdict, UpdateVerdict::Latest);
}

TEST(ParseVersionFile, AnythingButAVersionAndACommaIsUnreadable) {
  for (const char* data : {"", "     ", "\r\n", "2.1.0", "2.1.0 Faster generation", "no version here",
                           ",Faster generation", "v2.1.0,Faster", "<html><body>Not Found, sorry</body></html>"}) {
    VersionFileResult r = ParseVersionFile(data, "2.0.0");
    EXPECT_EQ(r.verdict, UpdateVerdict::Unreadable) << data;
  }
}

TEST(ParseVersionFile, OnlyTheFirstThousandBytesCount) {
  std::string information(1500 - 6, 'a');
  information.replace(993, 1, "b");  // the last byte of the first 1000 (6 bytes are "2.1.0,")
  VersionFileResult r = ParseVersionFile("2.1.0," + information, "2.0.0");
  ASSERT_EQ(r.verdict, UpdateVerdict::NewerAvailable);
  EXPECT_EQ(r.information.size(), 1000u - 6);
  EXPECT_EQ(r.information.back(), 'b');
  // A comma beyond byte 1000 is never seen.
  EXPECT_EQ(ParseVersionFile(std::string(1000, '2') + ",x", "2.0.0").verdict, UpdateVerdict::Unreadable);
}

TEST(VersionFileUrl, DefaultsToTheHttpsServerAndTakesAnOverride) {
  EXPECT_EQ(VersionFileUrl("").rfind("https://", 0), 0u);
  EXPECT_EQ(VersionFileUrl("").substr(VersionFileUrl("").size() - 12), "/ver/obm.ver");
  EXPECT_EQ(VersionFileUrl("http://127.0.0.1:8123"), "http://127.0.0.1:8123/ver/obm.ver");
  EXPECT_EQ(VersionFileUrl("http://127.0.0.1:8123/"), "http://127.0.0.1:8123/ver/obm.ver");
  EXPECT_EQ(OwnVersionText(), "2.0.0");
  // Every address the editor opens comes from the one build setting.
  const std::string site = ORB_MAKER_SITE;
  EXPECT_EQ(site.rfind("https://", 0), 0u);
  EXPECT_EQ(VersionFileUrl(""), site + "/ver/obm.ver");
  for (const char* address : {kMakerWebsite, kMakerProductsPage, kMakerDownloadPage})
    EXPECT_EQ(std::string(address).rfind(site + "/", 0), 0u) << address;
}

// One log of everything the check does, in order, to see that the pointer is normal before any message.
struct Recorder : HttpGetSeam, BusyCursorSeam, MessageBoxSeam, UpdateWindowSeam {
  std::string reply;
  std::vector<std::string> log;
  std::string Get(const std::string& url, std::size_t max_bytes) override {
    log.push_back("get " + url + " " + std::to_string(max_bytes));
    return reply;
  }
  void SetBusy(bool busy) override { log.push_back(busy ? "busy" : "normal"); }
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons) override {
    log.push_back("box " + title + "|" + text + (icon == MsgIcon::Information ? "|info" : "|other"));
    return MsgResult::Ok;
  }
  void Show(const std::string& information) override { log.push_back("window " + information); }
};

std::vector<std::string> RunCheck(const std::string& reply) {
  Recorder r;
  r.reply = reply;
  UpdateCheck check(r, r, r, r, "http://127.0.0.1:1/ver/obm.ver", "2.0.0");
  check.mnuupdate_Click();
  return r.log;
}

TEST(UpdateCheck, ReportsEachOutcome) {
  const std::string get = "get http://127.0.0.1:1/ver/obm.ver 1000";
  EXPECT_EQ(RunCheck("2.1.0,Faster generation"),
            (std::vector<std::string>{"busy", get, "normal", "window Faster generation"}));
  EXPECT_EQ(RunCheck("2.0.0,"), (std::vector<std::string>{"busy", get, "normal",
                                                           "box |You have the latest version.|info"}));
  const std::vector<std::string> failed = {
      "busy", get, "normal",
      "box Connection failed.|Could not retrieve information from the server. Make sure you are online or try "
      "again later.|info"};
  EXPECT_EQ(RunCheck(""), failed);
  EXPECT_EQ(RunCheck("2.1.0 without a comma"), failed);
}

struct ShellLog : ShellSeam {
  std::vector<std::string> calls;
  void Execute(const std::string& op, const std::string& target, const std::string& params,
               const std::string& folder, int show) override {
    calls.push_back(op + "|" + target + "|" + params + "|" + folder + "|" + std::to_string(show));
  }
};

TEST(UpdateWindowController, UpdateNowOpensTheDownloadPageAndStaysOpen) {
  ShellLog shell;
  UpdateWindowController window(shell, "Faster generation");
  EXPECT_EQ(window.txtinfo(), "Faster generation");
  window.cmdupdate_Click();
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].rfind("open|https://", 0), 0u);
  EXPECT_EQ(shell.calls[0].substr(shell.calls[0].size() - 4), "|||1");
  EXPECT_TRUE(window.cmdexit_Click());
}

}  // namespace
}  // namespace orb
