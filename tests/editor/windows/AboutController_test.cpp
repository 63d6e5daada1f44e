// The about window: lblscroll's scroll arithmetic and the link labels' colours and actions.
#include "editor/windows/AboutController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orb {
namespace {

TEST(AboutScroll, MovesLeftAndRestartsOnceTheLabelHasLeft) {
  EXPECT_EQ(NextScrollLeft(4300, 2000), 4200);
  EXPECT_EQ(NextScrollLeft(0, 2000), -100);
  EXPECT_EQ(NextScrollLeft(-1999, 2000), -2099);  // one twip still inside: keeps going
  EXPECT_EQ(NextScrollLeft(-2000, 2000), 4200);   // exactly gone: restarts at 4300, then moves
  EXPECT_EQ(NextScrollLeft(-2099, 2000), 4200);
}

TEST(AboutScroll, ALabelWalksFromTheRightEdgeOutAndBackInACycle) {
  struct NullShell : ShellSeam {
    void Execute(const std::string&, const std::string&, const std::string&, const std::string&, int) override {}
  } shell;
  AboutController about(shell);
  about.SetScrollLabel(4300, 1550);
  int ticks = 0;
  std::vector<int> lefts;
  do {
    about.tmrscroll_Timer();
    lefts.push_back(about.scroll_left());
    ++ticks;
  } while (about.scroll_left() != 4200 || ticks == 1);
  // 4200 down to -1600 (the first left at or beyond -1550) in steps of 100, then round again.
  EXPECT_EQ(lefts.front(), 4200);
  EXPECT_EQ(lefts[lefts.size() - 2], -1600);
  EXPECT_EQ(ticks, 60);
}

struct ShellLog : ShellSeam {
  std::vector<std::string> calls;
  void Execute(const std::string& op, const std::string& target, const std::string& params,
               const std::string& folder, int show) override {
    calls.push_back(op + "|" + target + "|" + params + "|" + folder + "|" + std::to_string(show));
  }
};

TEST(AboutLinks, HoverColoursOneLinkBlueAndTheBackgroundResetsBoth) {
  ShellLog shell;
  AboutController about(shell);
  EXPECT_EQ(about.website_colour(), 0u);
  EXPECT_TRUE(about.lblwebsite_MouseMove());
  EXPECT_EQ(about.website_colour(), 0xFF0000u);
  EXPECT_EQ(about.email_colour(), 0u);
  EXPECT_FALSE(about.lblwebsite_MouseMove());  // no repaint for every pixel moved
  EXPECT_TRUE(about.lblemail_MouseMove());
  EXPECT_EQ(about.email_colour(), 0xFF0000u);
  EXPECT_TRUE(about.Form_MouseMove());
  EXPECT_EQ(about.website_colour(), 0u);
  EXPECT_EQ(about.email_colour(), 0u);
  EXPECT_FALSE(about.Form_MouseMove());
}

TEST(AboutLinks, ClicksOpenTheSiteAndAMailToSupport) {
  ShellLog shell;
  AboutController about(shell);
  about.lblwebsite_Click();
  about.lblemail_Click();
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[0], "open|" + AboutController::WebsiteText() + "|||1");
  EXPECT_EQ(shell.calls[1], "open|mailto:" + AboutController::EmailText() + "|||1");
  EXPECT_NE(AboutController::ScrollText().find("2.0.0"), std::string::npos);
}

}  // namespace
}  // namespace orb
