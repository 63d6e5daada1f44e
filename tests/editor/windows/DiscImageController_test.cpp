// Make Disc Image: the check's box, the save dialog, the write and its progress, the done message and
// the burner; and the main window's entry, which generates the root first.
#include "editor/windows/DiscImageController.h"

#include <gtest/gtest.h>

#include "tests/editor/windows/MainWindowFakes.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/SigningFixtures.h"

namespace orb::test {
namespace {

class FakeProgress : public ImageProgressSeam {
 public:
  explicit FakeProgress(CallLog& log) : log_(log) {}
  void Open(const std::string& caption) override { log_.calls.push_back("progress:" + caption); }
  bool Show(int percent, const std::string& text) override {
    shown.push_back(text);
    return percent < cancel_at;
  }
  void Close() override { log_.calls.push_back("progress closed"); }
  std::vector<std::string> shown;
  int cancel_at = 1000;

 private:
  CallLog& log_;
};

struct ImageRig {
  CallLog log;
  FakeMessages messages{log};
  FakeDialogs dialogs{log};
  FakeShell shell{log};
  FakeProgress progress{log};
  FakeFileSystem tree;
  ProjectCheck check = DiscImageCheck(tree);
  std::vector<std::string> writes;  // "root > path (label)"
  IsoResult result;
  DiscImageController controller{
      {messages, dialogs, shell, progress},
      check,
      [this](const std::string& root, const std::string& path, const IsoOptions& options, IsoProgress* p) {
        writes.push_back(root + " > " + path + " (" + options.label + ")");
        IsoResult r = result;
        for (std::uint64_t done : {0ull, 1ull << 20, 2ull << 20, 4ull << 20}) {
          if (!p->Advance(done, 4ull << 20)) {
            r = IsoResult();
            r.cancelled = true;
            break;
          }
        }
        return r;
      }};

  ImageRig() {
    tree.folders = {"E:\\cd"};
    tree.files["E:\\cd\\autorun.inf"] = "x";
    tree.files["E:\\cd\\Orbstart.exe"] = fixtures::SigningFixture(fixtures::kUnsignedProgram);
    result.ok = true;
    result.files = 3;
    result.bytes = 4ull << 20;
    dialogs.answer = "E:\\Demo.iso";
  }
  CheckSubject Subject() {
    CheckSubject subject;
    subject.root = "E:\\cd\\";
    subject.files.push_back({"player (autorun.inf OPEN)", "E:\\cd\\Orbstart.exe", true});
    return subject;
  }
  ImageOutcome Run() { return controller.Run(Subject(), "Demo"); }
};

TEST(DiscImage, ErrorsStopBeforeTheDialogWarningsAskWhetherToGoOn) {
  ImageRig rig;
  rig.check.AddRule([](CheckContext& c) { c.Add(Severity::Warning, "E:\\cd\\a b.exe", "has blanks"); });
  rig.messages.answers = {MsgResult::No};
  EXPECT_EQ(rig.Run(), ImageOutcome::Declined);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].buttons, MsgButtons::YesNo);
  EXPECT_NE(rig.messages.boxes[0].text.find("\r\nwarning: E:\\cd\\a b.exe: has blanks\r\n"),
            std::string::npos);
  EXPECT_TRUE(rig.dialogs.requests.empty());

  rig.check.AddRule([](CheckContext& c) { c.Add(Severity::Error, "E:\\cd\\back.jpg", "does not exist"); });
  rig.messages.boxes.clear();
  EXPECT_EQ(rig.Run(), ImageOutcome::Stopped);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);  // errors and warnings in one box, no question
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Critical);
  EXPECT_EQ(rig.messages.boxes[0].buttons, MsgButtons::Ok);
  EXPECT_LT(rig.messages.boxes[0].text.find("error: "), rig.messages.boxes[0].text.find("warning: "));
  EXPECT_EQ(rig.messages.boxes[0].text.find("note: "), std::string::npos);
  EXPECT_TRUE(rig.writes.empty());

  // A disc of many names in another script: the box names twenty findings and counts the rest.
  rig.check.AddRule([](CheckContext& c) {
    for (int i = 0; i < 30; ++i) c.Add(Severity::Warning, "E:\\cd\\" + std::to_string(i) + ".bmp", "name");
  });
  rig.messages.boxes.clear();
  EXPECT_EQ(rig.Run(), ImageOutcome::Stopped);
  const std::string& text = rig.messages.boxes[0].text;
  EXPECT_NE(text.find("\r\nwarning: E:\\cd\\17.bmp: name\r\n... and 12 more like these"), std::string::npos) << text;
}

TEST(DiscImage, TheBoxWarnsAboutADamagedPlayerSignatureAndSaysNothingOfAGoodOne) {
  ImageRig rig;
  std::string signed_player = fixtures::SigningFixture(fixtures::kSignedProgram);
  rig.tree.files["E:\\cd\\Orbstart.exe"] = signed_player.substr(0, 2000);  // the certificates cut off
  rig.messages.answers = {MsgResult::No};
  EXPECT_EQ(rig.Run(), ImageOutcome::Declined);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_NE(
      rig.messages.boxes[0].text.find("\r\nwarning: E:\\cd\\Orbstart.exe: the player's signature is damaged"),
      std::string::npos)
      << rig.messages.boxes[0].text;

  // Signed or unsigned is only a note, which the box leaves out: straight on to the save dialog.
  rig.tree.files["E:\\cd\\Orbstart.exe"] = signed_player;
  rig.messages.boxes.clear();
  EXPECT_EQ(rig.Run(), ImageOutcome::Written);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].title, "Success");
}

TEST(DiscImage, TheDialogProposesTheLabelAboveTheRootAndRefusesTheRootItself) {
  ImageRig rig;
  int asked = 0;
  // First the root itself in another spelling (refused, the dialog comes back), then a name without
  // an extension elsewhere.
  struct Switching : FileDialogSeam {
    int& asked;
    std::vector<FileDialogRequest> requests;
    explicit Switching(int& n) : asked(n) {}
    std::string Open(const FileDialogRequest&) override { return {}; }
    std::string Save(const FileDialogRequest& r) override {
      requests.push_back(r);
      return ++asked == 1 ? "e:/CD/Demo.iso" : asked == 2 ? "F:\\out\\Demo" : "";
    }
  } dialogs(asked);
  DiscImageController controller(
      {rig.messages, dialogs, rig.shell, rig.progress}, rig.check,
      [&rig](const std::string& root, const std::string& path, const IsoOptions& o, IsoProgress*) {
        rig.writes.push_back(root + " > " + path + " (" + o.label + ")");
        return rig.result;
      });
  EXPECT_EQ(controller.Run(rig.Subject(), "My: Demo?"), ImageOutcome::Written);
  ASSERT_EQ(dialogs.requests.size(), 2u);
  EXPECT_EQ(dialogs.requests[0].initial_folder, "E:\\");
  EXPECT_EQ(dialogs.requests[0].initial_name, "My_ Demo_.iso");
  EXPECT_TRUE(dialogs.requests[0].overwrite_prompt);
  EXPECT_NE(rig.messages.boxes[0].text.find("cannot be saved inside the root folder"), std::string::npos);
  // A name typed without an extension gets ".iso".
  EXPECT_EQ(rig.writes, std::vector<std::string>{"E:\\cd\\ > F:\\out\\Demo.iso (My: Demo?)"});
}

TEST(DiscImage, TheBoxSaysWhatAQuestionMarkDoesAndTheNameIsTheWholeTitle) {
  ImageRig rig;
  CheckSubject subject = rig.Subject();
  subject.title = "Urlaubsfotos 2024: Sommer?";
  rig.messages.answers = {MsgResult::Yes};
  EXPECT_EQ(rig.controller.Run(subject, "Urlaubsfotos 202"), ImageOutcome::Written);
  ASSERT_FALSE(rig.messages.boxes.empty());
  EXPECT_NE(rig.messages.boxes[0].text.find("the title holds '?': the menu shows borderless and shaped"),
            std::string::npos)
      << rig.messages.boxes[0].text;
  ASSERT_EQ(rig.dialogs.requests.size(), 1u);
  EXPECT_EQ(rig.dialogs.requests[0].initial_name, "Urlaubsfotos 2024_ Sommer.iso");
  EXPECT_EQ(rig.writes, std::vector<std::string>{"E:\\cd\\ > E:\\Demo.iso (Urlaubsfotos 202)"});
}

TEST(DiscImage, ProgressShowsPercentAndMegabytesAndCancelLeavesNoMessage) {
  ImageRig rig;
  rig.progress.cancel_at = 50;
  EXPECT_EQ(rig.Run(), ImageOutcome::Cancelled);
  EXPECT_EQ(rig.progress.shown.front(), "Writing Demo.iso: 0 % (0.0 MB of 4.0 MB)");
  EXPECT_EQ(rig.progress.shown.back(), "Writing Demo.iso: 50 % (2.0 MB of 4.0 MB)");
  EXPECT_TRUE(rig.messages.boxes.empty());
  EXPECT_EQ(rig.log.calls.back(), "progress closed");
}

TEST(DiscImage, DoneNamesPathSizeAndDiscAndBurnsThroughTheShellOrSaysItCannot) {
  ImageRig rig;
  EXPECT_EQ(rig.Run(), ImageOutcome::Written);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].text,
            "The disc image has been written:\r\nE:\\Demo.iso\r\n\r\n4.0 MB, 3 files: it fits a 650 MB CD."
            "\r\n\r\nDo you want to burn it to a disc now?");
  EXPECT_EQ(rig.log.calls.back(), "verb:burn|E:\\Demo.iso");

  rig.shell.verbs.clear();
  rig.messages.boxes.clear();
  rig.Run();
  ASSERT_EQ(rig.messages.boxes.size(), 2u);
  EXPECT_NE(rig.messages.boxes[1].text.find("no disc image burner"), std::string::npos);

  rig.messages.boxes.clear();
  rig.messages.answers = {MsgResult::No};
  rig.log.calls.clear();
  rig.Run();
  EXPECT_EQ(rig.messages.boxes.size(), 1u);
  for (const std::string& call : rig.log.calls) EXPECT_NE(call.rfind("verb:", 0), 0u) << call;  // no burner
}

TEST(DiscImage, AFailedWriteShowsItsErrorAndNoSuccess) {
  ImageRig rig;
  rig.result = IsoResult();
  rig.result.error = "E:\\cd\\big.avi: read failed";
  EXPECT_EQ(rig.Run(), ImageOutcome::Failed);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].text, "The disc image could not be written: E:\\cd\\big.avi: read failed");
  EXPECT_EQ(rig.messages.boxes[0].title, "Error");
}

TEST(DiscImage, NamesAndLabels) {
  EXPECT_EQ(FolderAbove("E:\\cd\\"), "E:\\");
  EXPECT_EQ(FolderAbove("E:\\"), "");
  EXPECT_EQ(FolderAbove("/tmp/cd\\"), "");
  EXPECT_EQ(DefaultImageName(""), "disc.iso");
  EXPECT_EQ(DefaultImageName(" a/b. "), "a_b.iso");
  EXPECT_EQ(ImageLabel("?Orbmenu Demo", "E:\\cd\\"), "Orbmenu Demo");
  EXPECT_EQ(ImageLabel(" ? ", "E:\\cd\\OrbDemo\\"), "OrbDemo");
  EXPECT_EQ(ImageLabel("", "E:\\"), "");
  EXPECT_EQ(ImageLabel("", "/tmp/cd\\"), "cd");
}

TEST(MakeDiscImageEntry, GeneratesTheRootQuietlyThenHandsItOverInBothModes) {
  MainWindowRig rig;
  std::vector<std::string> handed;
  rig.window.Hooks().make_disc_image = [&](const CheckSubject& subject, const std::string& label) {
    handed.push_back(subject.root + "|" + label + "|" + std::to_string(subject.files.size()));
  };
  rig.window.OnMenu(MainMenuCommand::MakeDiscImage);  // no root: Generate's own message, nothing else
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{"Please select a Root Folder."});
  EXPECT_TRUE(handed.empty());

  rig.folders.answer = "E:\\Disc\\";
  rig.window.cmdroot_Click();
  rig.messages.boxes.clear();
  rig.window.OnMenu(MainMenuCommand::MakeDiscImage);
  EXPECT_TRUE(rig.messages.boxes.empty());  // the image has its own success message
  EXPECT_EQ(rig.files.files["E:\\Disc\\menu.cfg"], "false\r\n");
  EXPECT_EQ(handed, std::vector<std::string>{"E:\\Disc\\|Disc|1"});

  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  rig.window.txtcdtitle_Change("?Demo");
  rig.window.Model().SetField(ProjectField::BackgroundImage, "E:\\imgmusic\\back.jpg");
  rig.window.Model().AddSpot(NamedSpot("Go"));
  rig.window.OnMenu(MainMenuCommand::MakeDiscImage);
  EXPECT_TRUE(rig.messages.boxes.empty());
  EXPECT_TRUE(rig.files.files.count("E:\\menu.cfg"));
  ASSERT_EQ(handed.size(), 2u);
  EXPECT_EQ(handed[1], "E:\\|Demo|2");  // the player and the background

  rig.files.files.erase("C:\\Orb\\Orbstart.exe");  // a failed generation hands nothing over
  rig.window.OnMenu(MainMenuCommand::MakeDiscImage);
  EXPECT_EQ(rig.BoxTexts(),
            std::vector<std::string>{"Could not find Orbstart.exe. Please reinstall the software."});
  EXPECT_EQ(handed.size(), 2u);
}

}  // namespace
}  // namespace orb::test
