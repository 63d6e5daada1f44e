// The small window that asks a page's name for the main window's Add and Rename buttons, and a language
// tag for the language row's Add and Set Default.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orb {

// Shows the name box modally over owner with caption and the name it starts with; the name as typed (UTF-8)
// on OK, nothing on Cancel.
std::optional<std::string> AskPageName(HWND owner, const std::string& caption, const std::string& name,
                                       const char* prompt = "Name of the page:");
inline constexpr const char* kLanguageTagPrompt = "Language tag (such as de, fr or pt-BR):";

}  // namespace orb
