// The about window's behaviour: scroll arithmetic, link colours and link actions.
#include "editor/windows/AboutController.h"

#include "editor/windows/MakerLinks.h"
#include "editor/windows/UpdateCheck.h"

namespace orb {

int NextScrollLeft(int left, int width) {
  if (left <= -width) left = kScrollRestartTwips;
  return left - kScrollStepTwips;
}

AboutController::AboutController(ShellSeam& shell) : shell_(shell) {}

std::string AboutController::ScrollText() { return "Orbmenu version " + OwnVersionText(); }
std::string AboutController::WebsiteText() { return kMakerWebsite; }
std::string AboutController::EmailText() { return kSupportMailAddress; }

bool AboutController::SetColours(unsigned website, unsigned email) {
  bool changed = website != website_colour_ || email != email_colour_;
  website_colour_ = website;
  email_colour_ = email;
  return changed;
}

// Hovering one link only colours that one; leaving onto the background resets both.
bool AboutController::lblwebsite_MouseMove() { return SetColours(kLinkHoverColour, email_colour_); }
bool AboutController::lblemail_MouseMove() { return SetColours(website_colour_, kLinkHoverColour); }
bool AboutController::Form_MouseMove() { return SetColours(kLinkColour, kLinkColour); }

void AboutController::lblwebsite_Click() { shell_.Execute("open", kMakerWebsite, "", "", 1); }
void AboutController::lblemail_Click() {
  shell_.Execute("open", std::string("mailto:") + kSupportMailAddress, "", "", 1);
}

}  // namespace orb
