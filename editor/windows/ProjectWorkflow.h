// The File menu's project work in the menu mode: New, Load, Save with their dialogs and messages, the
// window titles, the unsaved-changes question, the closing prompt and the start-up load.
#pragma once

#include <string>

#include "common/FileSystem.h"
#include "common/SettingsStore.h"
#include "editor/windows/UiSeams.h"
#include "project/ProjectModel.h"

namespace orb {

// What the workflow needs of the main window.
class WorkflowHost {
 public:
  virtual ~WorkflowHost() = default;
  virtual std::string Title() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // The fields and the spot list show the model again (the list with entry 0 selected).
  virtual void ShowProject() = 0;
  // The animated switch into the menu mode; the host calls MenuModeEntered() when it has ended.
  virtual void EnterMenuMode() = 0;
};

enum class SaveOutcome { Saved, Cancelled, Failed };

class ProjectWorkflow {
 public:
  ProjectWorkflow(ProjectModel& model, FileSystem& fs, SettingsStore& settings, MessageBoxSeam& messages,
                  FileDialogSeam& dialogs, FolderBrowserSeam& folders, WorkflowHost& host);

  // Menu entries. New and Load first ask about unsaved changes.
  void mnunewprj_Click();
  void mnuldprj_Click();
  SaveOutcome mnusaveprj_Click() { return Save(); }

  // Load without the question: from the dialog, or ProjectPath when a start-up load is pending.
  // True when a project was loaded.
  bool Load();
  SaveOutcome Save();

  // The closing prompt's question, also asked before New, Load and leaving the menu mode: true when the
  // caller may go on (nothing unsaved, Yes and a successful save, or No).
  bool ConfirmDiscardChanges();
  // The main window is asked to close: true when it may.
  bool Form_QueryUnload() { return ConfirmDiscardChanges(); }

  // Start-up: the command line's project (already a full path), each activation of the main window,
  // and the end of the switch into the menu mode.
  void SetCommandLineProject(const std::string& full_path) { command_line_project_ = full_path; }
  void Form_Activate();
  void MenuModeEntered();
  bool StartupLoadPending() const { return startup_load_pending_; }

 private:
  void Inform(const std::string& text, const std::string& title);
  // The save dialog until it gives a name that may be written (the full name, ".obm" added), asking
  // before an existing file is replaced; empty when cancelled.
  std::string AskSaveName();
  void LoadFailed(const std::string& detail);

  ProjectModel& model_;
  FileSystem& fs_;
  SettingsStore& settings_;
  MessageBoxSeam& messages_;
  FileDialogSeam& dialogs_;
  FolderBrowserSeam& folders_;
  WorkflowHost& host_;

  std::string command_line_project_;
  bool activated_once_ = false;
  bool startup_load_pending_ = false;
  bool root_relocated_ = false;
};

}  // namespace orb
