// The main window's language row: which language the menu panel edits, and Add, Remove and Set Default.
#include "editor/windows/MainWindowController.h"

#include "common/TextLines.h"

namespace orb {

std::optional<LanguageField> VersionField(MainField field) {
  if (field == MainField::txtcdtitle) return LanguageField::Title;
  if (field == MainField::txtindex2_2) return LanguageField::Background;
  return std::nullopt;
}

std::vector<std::string> MainWindowController::LanguageEntries() const {
  std::vector<std::string> entries;
  for (int language = 0; language < model_.LanguageCount(); ++language) entries.push_back(model_.LanguageTag(language));
  if (entries[0].empty()) entries[0] = kDefaultLanguageEntry;
  return entries;
}

bool MainWindowController::FieldEnabled(MainField field) const {
  return !InLanguageVersion() || VersionField(field).has_value();
}

std::string MainWindowController::FieldHint(MainField field) const {
  std::optional<LanguageField> version_field = VersionField(field);
  if (!InLanguageVersion() || !version_field) return std::string();
  if (!model_.LanguageText(*version_field, model_.CurrentPage(), 0).empty()) return std::string();
  return model_.Field(*version_field == LanguageField::Title ? ProjectField::CdTitle : ProjectField::BackgroundImage);
}

void MainWindowController::cmblanguage_Click(int entry) {
  if (entry == model_.CurrentLanguage() || !model_.SelectLanguage(entry)) return;
  Changed();
}

void MainWindowController::AskLanguageTag(const std::string& caption, std::string tag,
                                          const std::function<LanguageTagProblem(const std::string&)>& apply) {
  if (!hooks_.language_tag) return;
  for (;;) {
    std::optional<std::string> typed = hooks_.language_tag(caption, tag);
    if (!typed) return;
    tag = *typed;
    LanguageTagProblem problem = apply(tag);
    if (problem == LanguageTagProblem::None) return;
    // The box comes back with what was typed, so a slip is corrected rather than retyped.
    ShowInfo(problem == LanguageTagProblem::Invalid
                 ? "\"" + TrimBlanks(tag) + "\" is not a language tag. Please enter a tag such as de, fr, pt-BR or "
                   "zh-Hant: letters and digits in parts joined by -."
                 : "The menu has the language \"" + TrimBlanks(tag) + "\" already. Please choose another tag.");
  }
}

void MainWindowController::cmdaddlanguage_Click() {
  int languages = model_.LanguageCount();
  AskLanguageTag(kAddLanguageCaption, "", [this](const std::string& tag) { return model_.AddLanguage(tag); });
  if (model_.LanguageCount() == languages) return;
  // The author adds a version to translate it: the panel turns to it.
  model_.SelectLanguage(model_.LanguageCount() - 1);
  Changed();
}

void MainWindowController::cmdremovelanguage_Click() {
  int language = model_.CurrentLanguage();
  if (language == 0) {
    ShowInfo("The default language is the menu's own; it cannot be deleted. Choose a language version to delete.");
    return;
  }
  std::string question = "Delete the language \"" + model_.LanguageTag(language) +
                         "\" and all its titles, tooltips, pictures and targets?";
  if (s_.messages.Show(question, "", MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return;
  model_.RemoveLanguage(language);
  Changed();
}

void MainWindowController::cmddefaultlanguage_Click() {
  AskLanguageTag(kDefaultLanguageCaption, model_.LanguageTag(0),
                 [this](const std::string& tag) { return model_.SetDefaultLanguage(tag); });
  Changed();
}

}  // namespace orb
