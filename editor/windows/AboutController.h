// The about window (frmabout): the scrolling product line, the two link labels' hover colours and their
// shell actions. Positions are in twips; colours in the Windows 0x00BBGGRR layout.
#pragma once

#include <string>

#include "editor/windows/UiSeams.h"

namespace orb {

inline constexpr const char* kAboutCaption = "About Orbmenu";
inline constexpr const char* kAboutWebsiteLabel = "Website : ";
inline constexpr const char* kAboutBugsLabel = "For any bugs, suggestions, queries";
inline constexpr int kScrollIntervalMs = 70;
inline constexpr int kScrollStepTwips = 100;
inline constexpr int kScrollRestartTwips = 4300;
inline constexpr unsigned kLinkHoverColour = 0xFF0000;  // blue
inline constexpr unsigned kLinkColour = 0x000000;       // black

// lblscroll's left edge after one tick of tmrscroll: a label that has left the window completely (left at
// or beyond minus its width) starts again at kScrollRestartTwips; every tick moves it kScrollStepTwips left.
int NextScrollLeft(int left, int width);

class AboutController {
 public:
  explicit AboutController(ShellSeam& shell);

  static std::string ScrollText();  // product name and version
  static std::string WebsiteText();
  static std::string EmailText();

  // The view places lblscroll and tells its width once the text is measured.
  void SetScrollLabel(int left, int width) {
    scroll_left_ = left;
    scroll_width_ = width;
  }
  int scroll_left() const { return scroll_left_; }
  void tmrscroll_Timer() { scroll_left_ = NextScrollLeft(scroll_left_, scroll_width_); }

  // Pointer moves; each returns true when a label's colour changed (the view repaints it).
  bool lblwebsite_MouseMove();
  bool lblemail_MouseMove();
  bool Form_MouseMove();
  unsigned website_colour() const { return website_colour_; }
  unsigned email_colour() const { return email_colour_; }

  void lblwebsite_Click();
  void lblemail_Click();

 private:
  bool SetColours(unsigned website, unsigned email);

  ShellSeam& shell_;
  int scroll_left_ = kScrollRestartTwips;
  int scroll_width_ = 0;
  unsigned website_colour_ = kLinkColour;
  unsigned email_colour_ = kLinkColour;
};

}  // namespace orb
