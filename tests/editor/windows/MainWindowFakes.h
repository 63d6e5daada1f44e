// Recording test doubles of the main window's seams: message boxes, dialogs, folder browser, shell,
// and file operations.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "tests/support/FakeFileSystem.h"
#include "common/SettingsStore.h"
#include "editor/windows/MainWindowController.h"
#include "editor/windows/UiSeams.h"

namespace orb::test {

struct ShownBox {
  std::string text, title;
  MsgIcon icon;
  MsgButtons buttons;
};

// Everything the seams were asked, in one log, so tests can check the order across seams.
struct CallLog {
  std::vector<std::string> calls;
};

class FakeMessages : public MessageBoxSeam {
 public:
  explicit FakeMessages(CallLog& log) : log_(log) {}
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) override {
    boxes.push_back({text, title, icon, buttons});
    log_.calls.push_back("box:" + text);
    if (!answers.empty()) {
      MsgResult r = answers.front();
      answers.pop_front();
      return r;
    }
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
  }
  std::vector<ShownBox> boxes;
  std::deque<MsgResult> answers;

 private:
  CallLog& log_;
};

class FakeDialogs : public FileDialogSeam {
 public:
  explicit FakeDialogs(CallLog& log) : log_(log) {}
  std::string Open(const FileDialogRequest& request) override {
    requests.push_back(request);
    log_.calls.push_back("open:" + request.title);
    return answer;
  }
  std::string Save(const FileDialogRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::vector<FileDialogRequest> requests;
  std::string answer;

 private:
  CallLog& log_;
};

class FakeFolders : public FolderBrowserSeam {
 public:
  std::string BrowseRootFolderFrom(const std::string& start_folder) override {
    starts.push_back(start_folder);
    return BrowseRootFolder();
  }
  std::string BrowseRootFolder() override {
    ++calls;
    return answer;
  }
  std::string answer;
  std::vector<std::string> starts;
  int calls = 0;
};

class FakeShell : public ShellSeam {
 public:
  explicit FakeShell(CallLog& log) : log_(log) {}
  void Execute(const std::string& operation, const std::string& target, const std::string& parameters,
               const std::string& folder, int show_mode) override {
    log_.calls.push_back("shell:" + operation + "|" + target + "|" + parameters + "|" + folder + "|" +
                         std::to_string(show_mode));
  }
  bool ExecuteVerb(const std::string& verb, const std::string& target) override {
    log_.calls.push_back("verb:" + verb + "|" + target);
    return verbs.count(verb) > 0;
  }
  std::set<std::string> verbs = {"burn"};  // the verbs the shell knows

 private:
  CallLog& log_;
};

class FakeFiles : public MapStreamsFileSystem<FakeFiles> {
 public:
  explicit FakeFiles(CallLog& log) : log_(log) {}
  bool Exists(const std::string& path) override { return files.count(path) || folders.count(path); }
  bool ReadFile(const std::string& path, std::string& data, std::string& error) override {
    auto it = files.find(path);
    if (it == files.end()) {
      error = path + ": not found";
      return false;
    }
    data = it->second;
    return true;
  }
  bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) override {
    log_.calls.push_back("write:" + path);
    if (failing_writes.count(path)) {
      error = "disk full";
      return false;
    }
    files[path] = std::string(data);
    return true;
  }
  bool CopyFile(const std::string& from, const std::string& to, std::string& error) override {
    log_.calls.push_back("copy:" + from + ">" + to);
    auto it = files.find(from);
    if (it == files.end()) {
      error = "the file cannot be found";
      return false;
    }
    files[to] = it->second;
    return true;
  }
  void DeleteFile(const std::string& path) override { files.erase(path); }
  bool CreateFolder(const std::string& path) override {
    log_.calls.push_back("mkdir:" + path);
    folders.insert(path);
    return true;
  }
  std::string FullPath(const std::string& path) override {
    auto it = full_paths.find(path);
    return it == full_paths.end() ? path : it->second;
  }
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> full_paths;  // what GetFullPathNameA would make of a path
  std::set<std::string> folders;
  std::set<std::string> failing_writes;

 private:
  CallLog& log_;
};

inline MenuSpot NamedSpot(const char* name, int16_t x = 0) {
  MenuSpot spot;
  spot.Name = name;
  spot.X = x;
  return spot;
}

// A controller wired to fresh fakes.
struct MainWindowRig {
  CallLog log;
  FakeMessages messages{log};
  FakeDialogs dialogs{log};
  FakeFolders folders;
  FakeShell shell{log};
  FakeFiles files{log};
  MemorySettingsStore settings;
  MainWindowController window{{messages, dialogs, folders, shell, files, settings}};

  // The editor runs from C:\Orb\, where its player lies.
  MainWindowRig() {
    files.files["C:\\Orb\\Orbstart.exe"] = "player";
    window.Form_Load("", "C:\\Orb\\Orbmenu.exe", [](const std::string&) { return false; },
                     [](const std::string& p) { return p; });
  }

  // Runs the slide timers until the running slide ends; returns the number of ticks.
  int FinishSlide() {
    int ticks = 0;
    while (window.UpTimerEnabled() && ticks < 1000) window.tmraniup_Timer(), ++ticks;
    while (window.DownTimerEnabled() && ticks < 1000) window.tmranidown_Timer(), ++ticks;
    return ticks;
  }
  void EnterMenuPanel() {
    window.cmdani_Click();
    FinishSlide();
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : messages.boxes) texts.push_back(box.text);
    return texts;
  }
};

}  // namespace orb::test
