// The main window's page row: which page the menu panel edits, and Add, Rename, Remove, up and down.
#include "editor/windows/MainWindowController.h"

#include "common/TextLines.h"

namespace orb {

void MainWindowController::PageEdited() {
  selected_spot_ = 0;  // the spot list now shows another page's spots
  Changed();
}

void MainWindowController::cmbpage_Click(int entry) {
  if (entry + 1 == model_.CurrentPage() || !model_.SelectPage(entry + 1)) return;
  PageEdited();
}

void MainWindowController::AskPageName(const std::string& caption, std::string name,
                                       const std::function<PageNameProblem(const std::string&)>& apply) {
  if (!hooks_.page_name) return;
  for (;;) {
    std::optional<std::string> typed = hooks_.page_name(caption, name);
    if (!typed) return;
    name = *typed;
    PageNameProblem problem = apply(name);
    if (problem == PageNameProblem::None) return;
    // The box comes back with what was typed, so a slip is corrected rather than retyped.
    ShowInfo(problem == PageNameProblem::Empty
                 ? "Please enter a name for the page."
                 : "A page called \"" + TrimBlanks(name) + "\" exists already. Please choose another name.");
  }
}

void MainWindowController::cmdaddpage_Click() {
  if (!MakeUpEnabled()) return;  // a language version changes texts, not the pages
  int pages = model_.PageCount();
  AskPageName(kAddPageCaption, "", [this](const std::string& name) { return model_.AddPage(name); });
  if (model_.PageCount() == pages) return;
  // The author adds a page to fill it: the panel turns to it.
  model_.SelectPage(model_.PageCount());
  PageEdited();
}

void MainWindowController::cmdrenamepage_Click() {
  if (!MakeUpEnabled()) return;
  int page = model_.CurrentPage();
  AskPageName(kRenamePageCaption, model_.PageName(page),
              [this, page](const std::string& name) { return model_.RenamePage(page, name); });
  Changed();
}

void MainWindowController::cmdremovepage_Click() {
  if (!MakeUpEnabled()) return;
  int page = model_.CurrentPage();
  if (page == 1) {
    ShowInfo("The first page is where the menu starts; it cannot be deleted.");
    return;
  }
  const std::string& name = model_.PageName(page);
  std::string question = "Delete the page \"" + name + "\" and its menu spots?";
  std::vector<PageLink> links = model_.LinksTo(page);
  if (!links.empty()) {
    question = "These menu spots lead to the page \"" + name + "\" and will lead nowhere:\n";
    for (const PageLink& link : links) question += "\n" + link.spot_name + " (on the page \"" + model_.PageName(link.page) + "\")";
    question += "\n\nDelete the page and its menu spots anyway?";
  }
  if (s_.messages.Show(question, "", MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return;
  model_.DeletePage(page);
  PageEdited();
}

void MainWindowController::cmdpageup_Click() {
  if (!MakeUpEnabled()) return;
  if (model_.MovePage(model_.CurrentPage(), -1)) Changed();
}

void MainWindowController::cmdpagedown_Click() {
  if (!MakeUpEnabled()) return;
  if (model_.MovePage(model_.CurrentPage(), 1)) Changed();
}

}  // namespace orb
