// The Options window: what it reads on opening, what Save writes, and that Exit writes nothing.
#include <gtest/gtest.h>

#include "editor/windows/OptionsController.h"
#include "tests/editor/windows/MainWindowFakes.h"

namespace orb::test {
namespace {

struct OptionsRig {
  CallLog log;
  FakeMessages messages{log};
  MemorySettingsStore settings;
  OptionsController options{settings, messages};
  std::string Get(const char* key) { return settings.Read("OBM", "Options", key); }
};

TEST(Options, FreshAccountShowsAllUncheckedAndSaveWritesZeros) {
  OptionsRig rig;
  rig.options.Form_Load();
  EXPECT_EQ(rig.options.chklastprj + rig.options.chkimm + rig.options.chkRtxruntimes, 0);
  rig.options.cmdok_Click();
  EXPECT_EQ(rig.Get("LastSaved"), "0");
  EXPECT_EQ(rig.Get("IMM"), "0");
  EXPECT_EQ(rig.Get("RtxRuntimes"), "0");
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].text, "Settings Saved Successfully.");
  EXPECT_EQ(rig.messages.boxes[0].title, "Orbmenu");
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Information);
  EXPECT_TRUE(rig.options.Closed());
}

TEST(Options, StoredValuesComeBackAndOnlyOneCountsAsChecked) {
  OptionsRig rig;
  rig.settings.Write("OBM", "Options", "LastSaved", "1");
  rig.settings.Write("OBM", "Options", "IMM", " 1 ");
  rig.settings.Write("OBM", "Options", "RtxRuntimes", "yes");
  rig.options.Form_Load();
  EXPECT_EQ(rig.options.chklastprj, 1);
  // As start-up and the generator read it: only an exact "1" is on.
  EXPECT_EQ(rig.options.chkimm, 0);
  EXPECT_EQ(rig.options.chkRtxruntimes, 0);
}

TEST(Options, SwitchingOffWritesZeroAndKeepsTheLastProject) {
  OptionsRig rig;
  rig.settings.Write("OBM", "Options", "LastSaved", "1");
  rig.settings.Write("OBM", "Options", "SavedPrjName", "C:\\a.obm");
  rig.options.Form_Load();
  rig.options.chklastprj = 0;
  rig.options.chkRtxruntimes = 1;
  rig.options.txtsigncommand = "  signtool sign /a \"%1\" ";
  rig.options.cmdok_Click();
  EXPECT_EQ(rig.Get("LastSaved"), "0");
  EXPECT_EQ(rig.Get("RtxRuntimes"), "1");
  EXPECT_EQ(rig.Get("SavedPrjName"), "C:\\a.obm");
  EXPECT_EQ(rig.Get("SignCommand"), "signtool sign /a \"%1\"");
  OptionsController again{rig.settings, rig.messages};
  again.Form_Load();
  EXPECT_EQ(again.txtsigncommand, "signtool sign /a \"%1\"");
}

TEST(Options, ExitAfterChangingBoxesWritesNothing) {
  OptionsRig rig;
  rig.options.Form_Load();
  rig.options.chkimm = 1;
  rig.options.cmdcancel_Click();
  EXPECT_TRUE(rig.options.Closed());
  EXPECT_EQ(rig.Get("IMM"), "");
  EXPECT_TRUE(rig.messages.boxes.empty());
}

}  // namespace
}  // namespace orb::test
