// The conversion window: the file dialog it asks for and the messages of the convert button.
#include "editor/windows/ConvertController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

struct Boxes : MessageBoxSeam {
  struct Shown {
    std::string text, title;
    MsgIcon icon;
  };
  std::vector<Shown> shown;
  MsgResult answer = MsgResult::Ok;  // to a question
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) override {
    shown.push_back({text, title, icon});
    return buttons == MsgButtons::Ok ? MsgResult::Ok : answer;
  }
};

struct Dialogs : FileDialogSeam {
  std::string answer;
  std::vector<FileDialogRequest> asked;
  std::string Open(const FileDialogRequest& request) override {
    asked.push_back(request);
    return answer;
  }
  std::string Save(const FileDialogRequest&) override { return ""; }
};

// A 1.x project of one spot whose paths lie in the root folder C:\cd\.
const char kOldProject[] =
    "C:\\cd\\ \r\nMy CD\r\nC:\\cd\\cd.ico\r\nC:\\cd\\start.wav\r\nC:\\cd\\back.bmp\r\n 1 \r\n"
    "Spot\r\nTip\r\n4\r\nC:\\cd\\a.exe\r\nC:\\cd\\roll.bmp\r\n 15 \r\n 30 \r\nC:\\cd\\m.wav\r\nC:\\cd\\c.wav\r\n";

struct ConvertWindow : ::testing::Test {
  FakeFileSystem fs;
  Dialogs dialogs;
  Boxes boxes;
  ConvertController window{fs, dialogs, boxes, "C:\\cd\\"};
};

TEST_F(ConvertWindow, BrowseAsksForA1xProjectInTheRootFolderAndKeepsTheFieldOnCancel) {
  dialogs.answer = "C:\\cd\\old.obm";
  window.cmdindex_Click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Select OBM 1.x Project File");
  EXPECT_EQ(dialogs.asked[0].filter_description, "OBM 1.x Project Files (*.obm)");
  EXPECT_EQ(dialogs.asked[0].filter_pattern, "*.obm*");
  EXPECT_EQ(dialogs.asked[0].initial_folder, "C:\\cd\\");
  EXPECT_TRUE(dialogs.asked[0].must_exist);
  EXPECT_EQ(window.txtfname(), "C:\\cd\\old.obm");
  dialogs.answer = "";
  window.cmdindex_Click();
  EXPECT_EQ(window.txtfname(), "C:\\cd\\old.obm");
}

TEST_F(ConvertWindow, ConvertWithoutAFileAsksForOneAndWritesNothing) {
  EXPECT_FALSE(window.cmdconvert_Click());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Please select OBM 1.x Project File first.");
  EXPECT_EQ(boxes.shown[0].title, "");
  EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
  EXPECT_TRUE(fs.log.empty());
}

TEST_F(ConvertWindow, ConvertWritesTheNewFileBesideTheOldOneAndSaysSo) {
  fs.files["C:\\cd\\old.obm"] = kOldProject;
  dialogs.answer = "C:\\cd\\old.obm";
  window.cmdindex_Click();
  EXPECT_TRUE(window.cmdconvert_Click());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Project (C:\\cd\\old.obm) converted successfully to (C:\\cd\\old_2.xprj.obm).");
  EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
  ASSERT_EQ(fs.files.count("C:\\cd\\old_2.xprj.obm"), 1u);
  const std::string& converted = fs.files["C:\\cd\\old_2.xprj.obm"];
  EXPECT_EQ(converted.substr(0, converted.find("\r\n", converted.find("\r\n") + 2)), "C:\\cd\\\r\nMy CD");
  EXPECT_NE(converted.find("\r\n6\r\n"), std::string::npos);  // 1.x action 4 is 6 now
  EXPECT_EQ(fs.files["C:\\cd\\old.obm"], kOldProject);
}

TEST_F(ConvertWindow, AnEarlierConversionIsReplacedOnlyWhenTheUserSaysYes) {
  fs.files["C:\\cd\\old.obm"] = kOldProject;
  fs.files["C:\\cd\\old_2.xprj.obm"] = "edited since";
  dialogs.answer = "C:\\cd\\old.obm";
  window.cmdindex_Click();
  boxes.answer = MsgResult::No;
  EXPECT_FALSE(window.cmdconvert_Click());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "old_2.xprj.obm already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(boxes.shown[0].title, "Convert OBM Projects");
  EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(fs.files["C:\\cd\\old_2.xprj.obm"], "edited since");
  boxes.answer = MsgResult::Yes;
  EXPECT_TRUE(window.cmdconvert_Click());
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[2].icon, MsgIcon::Information);
  EXPECT_NE(fs.files["C:\\cd\\old_2.xprj.obm"], "edited since");
}

TEST_F(ConvertWindow, ABadOrMissingFileIsReportedAndTheWindowStaysOpen) {
  dialogs.answer = "C:\\cd\\gone.obm";
  window.cmdindex_Click();
  EXPECT_FALSE(window.cmdconvert_Click());
  fs.files["C:\\cd\\short.obm"] = "C:\\cd\\\r\nMy CD\r\n";
  dialogs.answer = "C:\\cd\\short.obm";
  window.cmdindex_Click();
  EXPECT_FALSE(window.cmdconvert_Click());
  ASSERT_EQ(boxes.shown.size(), 2u);
  for (const auto& box : boxes.shown) {
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.text.rfind("The project could not be converted.\r\n", 0), 0u) << box.text;
  }
  EXPECT_NE(boxes.shown[0].text.find("gone.obm"), std::string::npos);
  EXPECT_NE(boxes.shown[1].text.find("short.obm"), std::string::npos);
  EXPECT_EQ(fs.files.count("C:\\cd\\short_2.xprj.obm"), 0u);
}

}  // namespace
}  // namespace orb
