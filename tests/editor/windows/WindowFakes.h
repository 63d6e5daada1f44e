// Test doubles of the project workflow, spot editor and placement window seams: they record every call
// and answer from scripted queues. Kept in their own namespace apart from the main window's fakes.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "tests/support/FakeFileSystem.h"
#include "editor/windows/PlacementController.h"
#include "editor/windows/ProjectWorkflow.h"
#include "editor/windows/SpotEditorController.h"
#include "editor/windows/UiSeams.h"

namespace orb::workfakes {

struct ShownMessage {
  std::string text, title;
  MsgIcon icon;
  MsgButtons buttons;
};

class FakeMessages : public MessageBoxSeam {
 public:
  std::vector<ShownMessage> shown;
  std::deque<MsgResult> answers;  // for Yes/No boxes; Ok boxes answer Ok
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) override {
    shown.push_back({text, title, icon, buttons});
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    if (answers.empty()) return MsgResult::Cancel;
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& m : shown) t.push_back(m.text);
    return t;
  }
};

class FakeDialogs : public FileDialogSeam {
 public:
  std::vector<FileDialogRequest> opens, saves;
  std::deque<std::string> open_answers, save_answers;
  std::string Open(const FileDialogRequest& r) override { return Next(opens, open_answers, r); }
  std::string Save(const FileDialogRequest& r) override { return Next(saves, save_answers, r); }

 private:
  static std::string Next(std::vector<FileDialogRequest>& log, std::deque<std::string>& q,
                          const FileDialogRequest& r) {
    log.push_back(r);
    if (q.empty()) return "";
    std::string a = q.front();
    q.pop_front();
    return a;
  }
};

class FakeFolders : public FolderBrowserSeam {
 public:
  int calls = 0;
  std::string answer;
  std::vector<std::string> starts;
  std::string BrowseRootFolderFrom(const std::string& start_folder) override {
    starts.push_back(start_folder);
    return BrowseRootFolder();
  }
  std::string BrowseRootFolder() override {
    ++calls;
    return answer;
  }
};

// Files and folders in memory; paths are compared as written.
class MemoryFileSystem : public MapStreamsFileSystem<MemoryFileSystem> {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> folders;
  bool fail_writes = false;
  int writes = 0;
  bool Exists(const std::string& path) override {
    if (files.count(path)) return true;
    for (const auto& f : folders) {
      if (f == path || f + "\\" == path) return true;
    }
    return false;
  }
  bool ReadFile(const std::string& path, std::string& data, std::string& error) override {
    auto it = files.find(path);
    if (it == files.end()) {
      error = path + ": the file does not exist";
      return false;
    }
    data = it->second;
    return true;
  }
  bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) override {
    ++writes;
    if (fail_writes) {
      error = path + ": the disk is full";
      return false;
    }
    files[path] = std::string(data);
    return true;
  }
  bool CopyFile(const std::string& from, const std::string& to, std::string& error) override {
    if (!files.count(from)) {
      error = "the file cannot be found";
      return false;
    }
    files[to] = files[from];
    return true;
  }
  void DeleteFile(const std::string& path) override { files.erase(path); }
  bool CreateFolder(const std::string& path) override {
    folders.push_back(path);
    return true;
  }
};

class FakeHost : public WorkflowHost {
 public:
  std::string title = "Orbmenu v2.0 - (New project.obm)";
  int shown = 0, entered = 0;
  std::string Title() override { return title; }
  void SetTitle(const std::string& t) override { title = t; }
  void ShowProject() override { ++shown; }
  void EnterMenuMode() override { ++entered; }
};

class FakeMedia : public PreviewMedia {
 public:
  std::vector<std::string> calls;
  std::map<std::string, std::string> results;  // by call name; "Success" when not listed
  std::string OpenMultimedia(const std::string& alias, const std::string& file, const std::string& device) override {
    return Log("open " + alias + " " + file + " " + device, "open");
  }
  std::string PutMultimediaWindow(const std::string& alias) override { return Log("put " + alias, "put"); }
  std::string PlayMultimedia(const std::string& alias) override { return Log("play " + alias, "play"); }
  std::string CloseMultimedia(const std::string& alias) override { return Log("close " + alias, "close"); }

 private:
  std::string Log(const std::string& call, const std::string& name) {
    calls.push_back(call);
    auto it = results.find(name);
    return it == results.end() ? "Success" : it->second;
  }
};

class FakeList : public SpotListSink {
 public:
  std::vector<std::string> entries{" New Menu Spot"};
  void RenameEntry(int k, const std::string& text) override { entries.at(static_cast<size_t>(k)) = text; }
  void AppendEntry(const std::string& text) override { entries.push_back(text); }
};

class FakePicker : public SpotFilePicker {
 public:
  std::vector<BrowseRequest> requests;
  std::vector<std::string> destinations;
  std::string answer;
  std::string PickAndAdopt(const BrowseRequest& r, const std::string& destination) override {
    requests.push_back(r);
    destinations.push_back(destination);
    return answer;
  }
};

}  // namespace orb::workfakes
