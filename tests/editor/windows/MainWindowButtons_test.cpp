// The root, file and spot buttons of the main window: preconditions, PickFile, AdoptFile, Delete.
#include <gtest/gtest.h>

#include "tests/editor/windows/MainWindowFakes.h"

namespace orb::test {
namespace {

const char* const kCopied = "The file will now be copied to the root folder.\r\nPlease read help for more information";

TEST(MainWindowRoot, SimpleRootButtonSetsFieldAndRememberedFolderWithoutDirtying) {
  MainWindowRig rig;
  rig.folders.answer = "E:\\Data\\Cd\\";
  rig.window.cmdroot_Click();
  EXPECT_EQ(rig.window.FieldText(MainField::txtroot), "E:\\Data\\Cd\\");
  EXPECT_EQ(rig.window.Model().RememberedRoot(), "E:\\Data\\Cd\\");
  EXPECT_FALSE(rig.window.Model().Dirty());
  EXPECT_TRUE(rig.files.folders.empty()) << "imgmusic belongs to the menu mode";
  rig.folders.answer = "";  // a cancelled browser empties both
  rig.window.cmdroot_Click();
  EXPECT_EQ(rig.window.FieldText(MainField::txtroot), "");
  EXPECT_EQ(rig.window.Model().RememberedRoot(), "");
}

TEST(MainWindowRoot, MenuRootButtonCreatesImgmusicOnlyForAChosenFolder) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  EXPECT_EQ(rig.window.FieldText(MainField::txtroot2), "E:\\");
  EXPECT_EQ(rig.window.Model().RememberedRoot(), "E:\\");
  EXPECT_TRUE(rig.window.Model().Dirty());
  EXPECT_EQ(rig.log.calls, std::vector<std::string>{"mkdir:E:\\imgmusic"});
  rig.folders.answer = "";
  rig.window.cmdroot2_Click();
  EXPECT_EQ(rig.log.calls.size(), 1u);
  EXPECT_EQ(rig.window.FieldText(MainField::txtroot2), "");
  // The browser opens at the remembered root folder: nothing at first, then the folder picked before.
  EXPECT_EQ(rig.folders.starts, (std::vector<std::string>{"", "E:\\"}));
}

TEST(MainWindowFiles, NoRootFieldGivesTheMessageAndOpensNoDialog) {
  MainWindowRig rig;
  for (int entry = 0; entry < 3; ++entry) rig.window.cmdindex_Click(entry);
  rig.EnterMenuPanel();
  for (int entry = 0; entry < 4; ++entry) rig.window.cmdindex2_Click(entry);
  ASSERT_EQ(rig.messages.boxes.size(), 7u);
  for (const ShownBox& box : rig.messages.boxes) {
    EXPECT_EQ(box.text, "Please select a Root Folder first.");
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(box.icon, MsgIcon::Information);
  }
  EXPECT_TRUE(rig.dialogs.requests.empty());
}

TEST(MainWindowFiles, DialogsHaveTheirTitlesFiltersAndStartInTheRoot) {
  MainWindowRig rig;
  rig.folders.answer = "C:\\Cd\\";
  rig.window.cmdroot_Click();
  rig.window.cmdindex_Click(0);
  rig.window.cmdindex_Click(1);
  rig.window.cmdindex_Click(2);
  ASSERT_EQ(rig.dialogs.requests.size(), 3u);
  const FileDialogRequest& icon = rig.dialogs.requests[0];
  EXPECT_EQ(icon.title, "Select an Icon for your Cd");
  EXPECT_EQ(icon.filter_description, "Icon Files (*.ico)");
  EXPECT_EQ(icon.filter_pattern, "*.ico*");
  EXPECT_TRUE(icon.more_filters.empty());
  EXPECT_EQ(icon.initial_folder, "C:\\Cd\\");
  EXPECT_TRUE(icon.must_exist);
  EXPECT_EQ(rig.dialogs.requests[1].title, "Select the Starting Program(or a File)  for your Cd");
  EXPECT_EQ(rig.dialogs.requests[1].filter_pattern, "*.*");
  const FileDialogRequest& sound = rig.dialogs.requests[2];
  EXPECT_EQ(sound.filter_pattern, "*.wav;*.mp3;*.mid*");
  ASSERT_EQ(sound.more_filters.size(), 3u);
  EXPECT_EQ(sound.more_filters[2].first, "Mid Files (*.mid)");
  EXPECT_TRUE(rig.messages.boxes.empty()) << "cancelled dialogs change nothing";
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex0), "");

  rig.EnterMenuPanel();
  rig.window.cmdroot2_Click();
  rig.window.cmdindex2_Click(1);
  rig.window.cmdindex2_Click(3);
  ASSERT_EQ(rig.dialogs.requests.size(), 5u);
  EXPECT_EQ(rig.dialogs.requests[3].title, "Select a sound file for your Cd");
  const FileDialogRequest& image = rig.dialogs.requests[4];
  EXPECT_EQ(image.title, "Select a Background Image for your Cd");
  EXPECT_EQ(image.filter_description, "Supported Image Files");
  EXPECT_NE(image.filter_pattern.find("*.png"), std::string::npos) << "PNG pictures are offered with the others";
  ASSERT_EQ(image.more_filters.size(), 5u);
  EXPECT_EQ(image.more_filters[3].second, "*.png");
  EXPECT_EQ(image.more_filters[4].first, "Metafiles  (*.wmf,*.emf)");
  EXPECT_EQ(image.more_filters[4].second, "*.wmf;*.emf");
}

TEST(MainWindowAdopt, FileInsideTheRootIsUsedInPlace) {
  MainWindowRig rig;
  rig.folders.answer = "C:\\Cd\\";
  rig.window.cmdroot_Click();
  rig.dialogs.answer = "C:\\Cd\\sub\\deep\\start.exe";
  rig.window.cmdindex_Click(1);
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex1), "C:\\Cd\\sub\\deep\\start.exe");
  EXPECT_TRUE(rig.messages.boxes.empty());
  EXPECT_EQ(rig.log.calls, std::vector<std::string>{"open:Select the Starting Program(or a File)  for your Cd"});
}

TEST(MainWindowAdopt, OtherSpellingsOfAFileInsideTheRootAreUsedInPlaceNeverCopiedOntoThemselves) {
  MainWindowRig rig;
  rig.folders.answer = "C:\\Cd\\";
  rig.window.cmdroot_Click();
  rig.files.files["c:\\cd\\x.ico"] = "icon";
  // Another letter case, forward slashes, and a spelling that only its full path shows to be inside.
  rig.files.full_paths["..\\Cd\\Deep\\z.ico"] = "C:\\Cd\\Deep\\z.ico";
  const std::pair<const char*, const char*> cases[] = {
      {"c:\\cd\\x.ico", "C:\\Cd\\x.ico"},
      {"C:/CD/sub/y.ico", "C:\\Cd\\sub\\y.ico"},
      {"..\\Cd\\Deep\\z.ico", "C:\\Cd\\Deep\\z.ico"},
  };
  for (const auto& [chosen, field] : cases) {
    rig.dialogs.answer = chosen;
    rig.window.cmdindex_Click(0);
    // The root's own spelling, so that the relative-path rules of the files find it below the root.
    EXPECT_EQ(rig.window.FieldText(MainField::txtindex0), field) << chosen;
  }
  EXPECT_TRUE(rig.messages.boxes.empty());
  for (const std::string& call : rig.log.calls) EXPECT_EQ(call.rfind("copy:", 0), std::string::npos) << call;
  EXPECT_EQ(rig.files.files["c:\\cd\\x.ico"], "icon");
  // A destination that is the chosen file itself is not copied either.
  rig.files.files["D:\\x\\a.ico"] = "a";
  EXPECT_EQ(rig.window.Picker().AdoptFile("D:\\x\\a.ico", "d:\\X\\"), "d:\\X\\a.ico");
  EXPECT_TRUE(rig.messages.boxes.empty());
  for (const std::string& call : rig.log.calls) EXPECT_EQ(call.rfind("copy:", 0), std::string::npos) << call;
  // A folder that only begins like the root lies outside it.
  rig.files.files["C:\\Cdx\\w.ico"] = "other";
  rig.dialogs.answer = "C:\\Cdx\\w.ico";
  rig.window.cmdindex_Click(0);
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex0), "C:\\Cd\\w.ico");
  EXPECT_EQ(rig.messages.boxes.size(), 1u);
}

TEST(MainWindowAdopt, SimplePanelCopiesOutsideFilesIntoTheRoot) {
  MainWindowRig rig;
  rig.folders.answer = "C:\\Cd\\";
  rig.window.cmdroot_Click();
  rig.files.files["D:\\music\\intro.wav"] = "new";
  rig.dialogs.answer = "D:\\music\\intro.wav";
  rig.window.cmdindex_Click(2);
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].text, kCopied);
  EXPECT_EQ(rig.messages.boxes[0].title, "Automatic Adjustment");
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Information);
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex2), "C:\\Cd\\intro.wav");
  EXPECT_EQ(rig.files.files["C:\\Cd\\intro.wav"], "new");
  EXPECT_EQ(rig.log.calls.back(), "copy:D:\\music\\intro.wav>C:\\Cd\\intro.wav");

  // A copy that fails says so and leaves the field as it was, not naming a file that is not there.
  rig.dialogs.answer = "D:\\music\\gone.wav";
  rig.window.cmdindex_Click(2);
  ASSERT_EQ(rig.messages.boxes.size(), 3u);
  EXPECT_EQ(rig.messages.boxes[2].text,
            "Could not copy D:\\music\\gone.wav to C:\\Cd\\gone.wav: the file cannot be found");
  EXPECT_EQ(rig.messages.boxes[2].icon, MsgIcon::Critical);
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex2), "C:\\Cd\\intro.wav");
}

// Two folders' pictures of one name: the one already in imgmusic (another spot's) is never replaced.
TEST(MainWindowAdopt, AFileOfTheSameNameIsKeptDifferentBytesGoUnderTheNextFreeName) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  rig.files.files["E:\\imgmusic\\rollover1.bmp"] = "spot one";
  rig.files.files["C:\\a\\rollover1.bmp"] = "spot one";
  rig.files.files["C:\\b\\rollover1.bmp"] = "spot three";
  rig.files.files["C:\\c\\rollover1.bmp"] = "spot three, longer";
  rig.files.files["C:\\d\\README"] = "r";
  rig.files.files["E:\\imgmusic\\README"] = "R";
  const std::string dest = "E:\\imgmusic\\";
  auto copies = [&] {
    int n = 0;
    for (const std::string& call : rig.log.calls) n += call.rfind("copy:", 0) == 0;
    return n;
  };
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\b\\rollover1.bmp", dest), dest + "rollover1 (2).bmp");
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\c\\rollover1.bmp", dest), dest + "rollover1 (3).bmp");
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\d\\README", dest), dest + "README (2)");
  EXPECT_EQ(copies(), 3);
  EXPECT_EQ(rig.messages.boxes.size(), 3u);
  // Equal bytes, in the first name or a numbered one: used in place, nothing copied, nothing said.
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\a\\rollover1.bmp", dest), dest + "rollover1.bmp");
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\b\\rollover1.bmp", dest), dest + "rollover1 (2).bmp");
  EXPECT_EQ(copies(), 3);
  EXPECT_EQ(rig.messages.boxes.size(), 3u);
  EXPECT_EQ(rig.files.files[dest + "rollover1.bmp"], "spot one");
  EXPECT_EQ(rig.files.files[dest + "rollover1 (2).bmp"], "spot three");
  EXPECT_EQ(rig.files.files[dest + "rollover1 (3).bmp"], "spot three, longer");
  EXPECT_EQ(rig.files.files[dest + "README"], "R");
}

TEST(MainWindowAdopt, APicturesTwinsGoWithItsCopyNeverOverAFileThere) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  const std::string dest = "E:\\imgmusic\\";
  rig.files.files["C:\\art\\back.jpg"] = "b";
  rig.files.files["C:\\art\\back@2x.jpg"] = "b2";
  rig.files.files["C:\\art\\back@1.5x.jpg"] = "b15";
  rig.files.files[dest + "back@1.5x.jpg"] = "someone else's";
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\art\\back.jpg", dest), dest + "back.jpg");
  EXPECT_EQ(rig.files.files[dest + "back@2x.jpg"], "b2");
  EXPECT_EQ(rig.files.files[dest + "back@1.5x.jpg"], "someone else's");
  EXPECT_FALSE(rig.files.Exists(dest + "back@3x.jpg"));
  // A copy under a numbered name takes its twins to that name; one used in place gets those it lacks.
  rig.files.files[dest + "logo.png"] = "another logo";
  rig.files.files["C:\\art\\logo.png"] = "logo";
  rig.files.files["C:\\art\\logo@2x.png"] = "logo2";
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\art\\logo.png", dest), dest + "logo (2).png");
  EXPECT_EQ(rig.files.files[dest + "logo (2)@2x.png"], "logo2");
  rig.files.files["C:\\art\\logo@4x.png"] = "logo4";
  EXPECT_EQ(rig.window.Picker().AdoptFile("C:\\art\\logo.png", dest), dest + "logo (2).png");
  EXPECT_EQ(rig.files.files[dest + "logo (2)@4x.png"], "logo4");
  EXPECT_FALSE(rig.files.Exists(dest + "logo@2x.png"));
}

TEST(MainWindowAdopt, MenuPanelCopiesIntoImgmusicAndMarksTheProjectChanged) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  rig.window.Model().MarkSaved("E:\\p.obm");
  rig.files.files["C:\\art\\back.jpg"] = "jpg";
  rig.dialogs.answer = "C:\\art\\back.jpg";
  rig.window.cmdindex2_Click(2);
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex2_2), "E:\\imgmusic\\back.jpg");
  EXPECT_EQ(rig.window.Model().Data().BackgroundImage, "E:\\imgmusic\\back.jpg");
  EXPECT_TRUE(rig.window.Model().Dirty());
  EXPECT_EQ(rig.files.files["E:\\imgmusic\\back.jpg"], "jpg");
  // On a drive root, chosen files are compared against E:\ itself.
  rig.dialogs.answer = "E:\\pics\\splash.gif";
  rig.window.cmdindex2_Click(3);
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex2_3), "E:\\pics\\splash.gif");
  EXPECT_EQ(rig.messages.boxes.size(), 1u);
}

TEST(MainWindowTyping, TheViewRereadsTheSpotListOnlyWhenItMayHaveChanged) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  ProjectModel& model = rig.window.Model();
  uint64_t shown = UINT64_MAX;
  EXPECT_TRUE(rig.window.SpotListChanged(shown)) << "the first look reads it";
  EXPECT_FALSE(rig.window.SpotListChanged(shown));
  rig.window.txtcdtitle_Change("My CD");
  rig.window.cmbmenu_Click(0);
  EXPECT_FALSE(rig.window.SpotListChanged(shown)) << "typing and selecting leave the list alone";

  auto changes = [&](const char* what, auto&& change) {
    change();
    EXPECT_TRUE(rig.window.SpotListChanged(shown)) << what;
  };
  changes("add", [&] { model.AddSpot(NamedSpot("One")); });
  changes("add", [&] { model.AddSpot(NamedSpot("Two")); });
  changes("rename", [&] { model.ReplaceSpot(1, NamedSpot("Uno")); });
  changes("delete", [&] {
    rig.window.cmbmenu_Click(2);
    rig.window.cmdDelete_Click();
  });
  changes("load", [&] { model.ReplaceWhole(model.Data(), "C:\\p.obm"); });
  changes("new", [&] { model.New(); });
  model.AddSpot(NamedSpot("Three"));
  rig.window.SpotListChanged(shown);
  changes("leaving the menu mode", [&] { rig.window.cmdani_Click(); });
  EXPECT_EQ(rig.window.SpotListEntries(), std::vector<std::string>{" New Menu Spot"});
}

TEST(MainWindowTyping, TitleMarksTheProjectChangedButTheCommandLineDoesNot) {
  MainWindowRig rig;
  rig.window.txtcmdline_Change("-x");
  EXPECT_FALSE(rig.window.Model().Dirty());
  EXPECT_EQ(rig.window.Simple().CommandLine, "-x");
  rig.EnterMenuPanel();
  rig.window.txtcdtitle_Change("?Splashy");
  EXPECT_TRUE(rig.window.Model().Dirty());
  EXPECT_EQ(rig.window.Model().Data().CdTitle, "?Splashy");
}

TEST(MainWindowTyping, AQuestionMarkAnywhereChangesTheTitleTipAndEveryCharacterIsKept) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.window.txtcdtitle_Change("Holiday 2024");
  EXPECT_EQ(rig.window.CdTitleTip(), "");
  rig.window.txtcdtitle_Change("What's new? Holiday 2024");
  EXPECT_NE(rig.window.CdTitleTip().find("borderless"), std::string::npos);
  rig.window.txtcdtitle_Change(
      "\xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
  EXPECT_TRUE(rig.messages.boxes.empty());
  EXPECT_EQ(rig.window.Model().Data().CdTitle,
            "\xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
}

MainWindowRig* WithSpots(MainWindowRig& rig, std::initializer_list<const char*> names) {
  rig.EnterMenuPanel();
  for (const char* name : names) rig.window.Model().AddSpot(NamedSpot(name, 7));
  rig.window.Model().MarkSaved("C:\\p.obm");
  return &rig;
}

TEST(MainWindowSpots, CreateNeedsABackgroundThenOpensTheSpotEditor) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  int created = 0;
  rig.window.Hooks().create_spot = [&] { ++created; };
  rig.window.cmdmenuspots_Click();
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{"Please select a background image. It is required."});
  EXPECT_EQ(created, 0);
  rig.window.Model().SetField(ProjectField::BackgroundImage, "C:\\b.bmp");
  rig.window.cmdmenuspots_Click();
  EXPECT_EQ(created, 1);
}

TEST(MainWindowSpots, EditAndDeleteChecksComeInOrder) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  std::vector<int> edited;
  rig.window.Hooks().edit_spot = [&](int k) { edited.push_back(k); };
  rig.window.cmdedit_Click();
  rig.window.cmdDelete_Click();
  rig.window.Model().AddSpot(NamedSpot("A"));
  rig.window.cmdedit_Click();
  rig.window.cmdDelete_Click();
  rig.window.cmbmenu_Click(1);
  rig.window.cmdedit_Click();
  EXPECT_EQ(rig.BoxTexts(), (std::vector<std::string>{
                                "Minimum one Menu spot is needed to be created to be able Edit it.",
                                "Minimum one Menu spot is needed to be created to be able Delete it.",
                                "Please select a menu spot by clicking on the combo box to Edit it.",
                                "Please select a menu spot by clicking on the combo box to Delete it.",
                            }));
  EXPECT_EQ(edited, std::vector<int>{1});
  EXPECT_EQ(rig.window.Model().SpotCount(), 1);
}

TEST(MainWindowSpots, DeleteKeepsTheOrderOfTheOthers) {
  MainWindowRig rig;
  WithSpots(rig, {"One", " Two ", "Three", "Four"});
  rig.window.cmbmenu_Click(2);
  rig.window.cmdDelete_Click();
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{"Menu Spot successsfully deleted."});
  EXPECT_EQ(rig.window.SpotListEntries(), (std::vector<std::string>{" New Menu Spot", "One", "Three", "Four"}));
  EXPECT_EQ(rig.window.Model().Spot(2).Name, "Three");
  EXPECT_EQ(rig.window.Model().Spot(2).X, 7);
  EXPECT_EQ(rig.window.SelectedSpot(), 0);
  EXPECT_TRUE(rig.window.Model().Dirty());
}

TEST(MainWindowSpots, DeletingTheOnlySpotLeavesThePlaceholder) {
  MainWindowRig rig;
  WithSpots(rig, {"Only"});
  rig.window.cmbmenu_Click(1);
  rig.window.cmdDelete_Click();
  EXPECT_EQ(rig.window.Model().SpotCount(), 0);
  EXPECT_EQ(rig.window.SpotListEntries(), std::vector<std::string>{" New Menu Spot"});
}

TEST(MainWindowPages, AddAsksUntilTheNameIsFreeAndRemoveNamesTheSpotsThatLeadThere) {
  MainWindowRig rig;
  WithSpots(rig, {"One"});
  std::deque<std::optional<std::string>> typed = {"home", " Extras ", std::nullopt};
  std::vector<std::string> asked;
  rig.window.Hooks().page_name = [&](const std::string& caption, const std::string& name) {
    asked.push_back(caption + ":" + name);
    std::optional<std::string> answer = typed.front();
    typed.pop_front();
    return answer;
  };
  rig.window.cmdaddpage_Click();
  EXPECT_EQ(asked, (std::vector<std::string>{"Add Page:", "Add Page:home"})) << "a refused name comes back";
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{"A page called \"home\" exists already. Please choose another name."});
  EXPECT_EQ(rig.window.PageEntries(), (std::vector<std::string>{"Home", "Extras"}));
  EXPECT_EQ(rig.window.Model().CurrentPage(), 2) << "the panel turns to the new page";
  EXPECT_EQ(rig.window.SpotListEntries(), std::vector<std::string>{" New Menu Spot"});
  EXPECT_TRUE(rig.window.PageRemoveEnabled());
  EXPECT_FALSE(rig.window.PageUpEnabled());
  rig.window.cmdrenamepage_Click();  // cancelled
  EXPECT_EQ(asked.back(), "Rename Page:Extras");

  rig.window.cmbpage_Click(0);
  MenuSpot link = NamedSpot("Videos");
  link.Action = ActionCode(ActionKind::GoToPage);
  link.Target = "Extras";
  rig.window.Model().ReplaceSpot(1, link);
  rig.window.cmbmenu_Click(1);
  rig.window.cmbpage_Click(1);
  EXPECT_EQ(rig.window.SelectedSpot(), 0);
  rig.messages.boxes.clear();
  rig.messages.answers = {MsgResult::No, MsgResult::Yes};
  rig.window.cmdremovepage_Click();
  ASSERT_EQ(rig.BoxTexts(), std::vector<std::string>{
      "These menu spots lead to the page \"Extras\" and will lead nowhere:\n\nVideos (on the page \"Home\")"
      "\n\nDelete the page and its menu spots anyway?"});
  EXPECT_EQ(rig.window.Model().PageCount(), 2) << "No keeps the page";
  rig.window.cmdremovepage_Click();
  EXPECT_EQ(rig.window.Model().PageCount(), 1);
  EXPECT_EQ(rig.window.Model().CurrentPage(), 1);
  rig.window.cmdremovepage_Click();
  EXPECT_EQ(rig.BoxTexts().back(), "The first page is where the menu starts; it cannot be deleted.");
}

TEST(MainWindowLanguages, AddRemoveAndDefaultRefuseBadAndRepeatedTags) {
  MainWindowRig rig;
  std::deque<std::optional<std::string>> typed = {"de_DE", "en", "DE"};
  std::vector<std::string> asked;
  rig.window.Hooks().language_tag = [&](const std::string& caption, const std::string& tag) {
    asked.push_back(caption + ":" + tag);
    std::optional<std::string> answer = typed.front();
    typed.pop_front();
    return answer;
  };
  EXPECT_EQ(rig.window.LanguageEntries(), std::vector<std::string>{"Default"});
  rig.window.cmddefaultlanguage_Click();  // "de_DE" refused, then "en"
  rig.window.cmdaddlanguage_Click();      // "DE"
  EXPECT_EQ(asked, (std::vector<std::string>{"Default Language:", "Default Language:de_DE", "Add Language:"}));
  EXPECT_EQ(rig.BoxTexts()[0].substr(0, 29), "\"de_DE\" is not a language tag");
  EXPECT_EQ(rig.window.LanguageEntries(), (std::vector<std::string>{"en", "DE"}));
  EXPECT_EQ(rig.window.Model().CurrentLanguage(), 1) << "the panel turns to the new version";
  EXPECT_TRUE(rig.window.Model().Dirty());

  typed = {"de", "EN", std::nullopt};
  rig.window.cmdaddlanguage_Click();
  EXPECT_EQ(rig.BoxTexts().back(), "The menu has the language \"EN\" already. Please choose another tag.");
  EXPECT_EQ(asked.back(), "Add Language:EN") << "a refused tag comes back";
  EXPECT_EQ(rig.window.Model().LanguageCount(), 2);

  rig.window.Model().SetLanguageText(LanguageField::Title, 1, 0, "Willkommen");
  rig.messages.answers = {MsgResult::No, MsgResult::Yes};
  rig.window.cmdremovelanguage_Click();
  EXPECT_EQ(rig.BoxTexts().back(),
            "Delete the language \"DE\" and all its titles, tooltips, pictures and targets?");
  EXPECT_EQ(rig.window.Model().LanguageCount(), 2) << "No keeps the version";
  rig.window.cmdremovelanguage_Click();
  EXPECT_TRUE(rig.window.Model().Data().Languages.empty());
  EXPECT_EQ(rig.window.Model().CurrentLanguage(), 0);
  rig.window.cmdremovelanguage_Click();
  EXPECT_EQ(rig.BoxTexts().back().substr(0, 47), "The default language is the menu's own; it cann");
  EXPECT_EQ(rig.window.Model().Data().DefaultLanguage, "en");
}

TEST(MainWindowLanguages, AVersionsTitleAndBackgroundShowTheDefaultsAsHintsAndTheRestIsLocked) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  rig.window.txtcdtitle_Change("Welcome");
  rig.window.Model().SetField(ProjectField::BackgroundImage, "E:\\imgmusic\\back.jpg");
  rig.window.Model().AddLanguage("de");
  rig.window.cmblanguage_Click(1);
  EXPECT_FALSE(rig.window.MakeUpEnabled());
  EXPECT_FALSE(rig.window.FieldEnabled(MainField::txtindex2_3));
  EXPECT_TRUE(rig.window.FieldEnabled(MainField::txtcdtitle));
  EXPECT_EQ(rig.window.FieldText(MainField::txtcdtitle), "");
  EXPECT_EQ(rig.window.FieldHint(MainField::txtcdtitle), "Welcome");
  EXPECT_EQ(rig.window.FieldHint(MainField::txtindex2_2), "E:\\imgmusic\\back.jpg");

  rig.window.txtcdtitle_Change("Willkommen");
  rig.files.files["C:\\art\\hinten.jpg"] = "jpg";
  rig.dialogs.answer = "C:\\art\\hinten.jpg";
  rig.window.cmdindex2_Click(2);
  rig.window.cmdindex2_Click(3);  // the splash is the default's: no dialog
  EXPECT_EQ(rig.window.FieldText(MainField::txtcdtitle), "Willkommen");
  EXPECT_EQ(rig.window.FieldHint(MainField::txtcdtitle), "");
  EXPECT_EQ(rig.window.Model().Data().CdTitle, "Welcome") << "the default keeps its title";
  EXPECT_EQ(rig.window.Model().Data().Languages[0].Texts,
            (std::vector<LanguageText>{{LanguageField::Title, 1, 0, "Willkommen"},
                                       {LanguageField::Background, 1, 0, "E:\\imgmusic\\hinten.jpg"}}));
  rig.window.cmdmenuspots_Click();
  // Empty, or the default's own picture chosen again: the default's, and nothing left of it in the version.
  rig.window.txtcdtitle_Change("");
  rig.dialogs.answer = "E:\\imgmusic\\back.jpg";
  rig.window.cmdindex2_Click(2);
  EXPECT_EQ(rig.window.FieldHint(MainField::txtcdtitle), "Welcome");
  EXPECT_EQ(rig.window.FieldHint(MainField::txtindex2_2), "E:\\imgmusic\\back.jpg");
  EXPECT_TRUE(rig.window.Model().Data().Languages[0].Texts.empty());

  rig.window.cmblanguage_Click(0);
  EXPECT_TRUE(rig.window.MakeUpEnabled());
  EXPECT_EQ(rig.window.FieldText(MainField::txtcdtitle), "Welcome");
  EXPECT_EQ(rig.window.FieldHint(MainField::txtcdtitle), "");
  EXPECT_EQ(rig.window.LanguageEntries(), (std::vector<std::string>{"Default", "de"}));
}

}  // namespace
}  // namespace orb::test
