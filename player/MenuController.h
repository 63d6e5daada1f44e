// The menu window's rules: building the menu from MenuConfig, rollovers and move sounds under the pointer,
// the spot actions with their click sounds and videos, the pages and the road back through them, and the
// orderly close.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cdformat/CdReaders.h"
#include "common/MediaCommands.h"
#include "common/SupportMail.h"

namespace orb {

// Texts handed to Windows are cut to what it shows: a tooltip shows at most 1023 characters (the tooltip
// control's own limit), a caption one line of a title bar. Longer texts only cost time: a megabyte-long
// tooltip or caption delays the menu by seconds.
inline constexpr size_t kMaxTooltipText = 1023;
inline constexpr size_t kMaxCaptionText = 255;
// UTF-8 text cut to at most max characters, its end marked "..." when anything was cut.
std::string ShownText(std::string_view text, size_t max);

// One spot's child windows, in pixels of the background picture.
struct SpotLayout {
  int x = 0;
  int y = 0;
  bool has_video_frame = false;
  int video_x = 0;
  int video_y = 0;
  int video_width = 0;
  int video_height = 0;
  std::string tooltip;   // trimmed
  std::string rollover;  // full path; the spot takes this picture's size
  std::string cursor;    // full path, empty for the default spot cursor
};

// What the menu needs from its window.
class MenuView {
 public:
  virtual ~MenuView() = default;
  virtual MediaWindow MenuHandle() = 0;
  // The video frame of a spot, 0 when it has none.
  virtual MediaWindow VideoFrame(int spot) = 0;
  // The borderless variant shaped like the background; false with a reason when the picture fails. At
  // start the window is centred; for a later page it keeps its place and takes the caption as its name.
  virtual bool BuildShaped(const std::string& caption, const std::string& background, std::string& error) = 0;
  // The framed variant with caption, its client area sized to the background.
  virtual bool BuildFramed(const std::string& caption, const std::string& background, std::string& error) = 0;
  // The spots of the page shown go (their windows, video frames and tooltips) before another page is built.
  virtual void LeavePage() = 0;
  // Another page stands built: the keyboard, the pointer and screen readers catch up.
  virtual void PageShown() = 0;
  // The language shown reads right to left (or no longer does): the tooltips and caption follow; pictures
  // are never mirrored. Told before the window of the first page and of a page in another language is built.
  virtual void SetRightToLeft(bool) {}
  // A page that cannot be built ends the player with this message, as a menu that cannot load does.
  virtual void Fail(const std::string& message) = 0;
  virtual FileRead ReadFile(const std::string& path, std::string& data) = 0;
  virtual bool SetIcon(const std::string& path, std::string& error) = 0;
  // Creates spot N; false with the failing file and reason in error.
  virtual bool CreateSpot(int spot, const SpotLayout& layout, std::string& error) = 0;
  // Shows the rollover picture, read from its file each time; a picture that fails is skipped.
  virtual void ShowRollover(int spot, const std::string& path) = 0;
  virtual void HideRollover(int spot) = 0;
  virtual void ShowVideoFrame(int spot) = 0;
  virtual void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                         const std::string& parameters, const std::string& directory) = 0;
  // Closes the menu window; the window then calls Form_Unload.
  virtual void CloseMenu() = 0;
  virtual void UnloadStartupWindow() = 0;
};

class MenuController {
 public:
  // language: the tag of the version to show (MenuLanguage.h); the default's texts for none.
  MenuController(const MenuConfig& config, std::string player_folder, MediaTransport& media, MenuView& view,
                 std::string language = {});

  // Builds the menu; false with a message naming the file and the problem.
  bool Form_Load(std::string& error);
  // Pointer over spot N (1-based) or over the background.
  void PointerOverSpot(int spot);
  void PointerOverBackground();
  void img_Click(int spot);
  // The spot under a pointer that has not moved since the page changed beneath it: lit without its move
  // sound, which belongs to the pointer entering a spot.
  void PointerRestsOn(int spot);
  // Shows the page of that name (compared without case) and remembers the page it came from; nothing when
  // there is no such page or it is the one shown.
  void GoToPage(const std::string& name);
  // Shows the page remembered last; nothing when the page shown was reached from none.
  void GoBack();
  // Shows the page shown again in the version of that tag (the default's tag: the default), the road back
  // kept; nothing for a tag of no version or the language shown.
  void SwitchLanguage(const std::string& tag);
  // The closing sequence; only the first call does anything.
  void Form_Unload();

  static bool IsShaped(const std::string& title) { return title.find('?') != std::string::npos; }
  // The page shown, 1 for the first, and its spots (spot N is Spots()[N - 1]).
  int Page() const { return page_ + 1; }
  const std::vector<PlayerSpot>& Spots() const { return PageSpots(Page()); }
  // The page of that name (compared without case or surrounding blanks), 1 for the first; 0 for none.
  int FindPage(const std::string& name) const;
  // Page N's (1 for the first) background picture and spots.
  const std::string& PageBackground(int page) const;
  const std::vector<PlayerSpot>& PageSpots(int page) const;
  const std::string& PageTitle() const;
  bool CanGoBack() const { return !history_.empty(); }
  int16_t CurrentSpot() const { return current_spot_; }
  int32_t LastSpot() const { return last_spot_; }
  const std::string& ClickAlias() const { return click_alias_; }
  const std::string& VideoAliasBase() const { return video_alias_base_; }
  const std::string& Folder() const { return folder_; }
  // The tag of the language shown, as the menu spells it; empty for a default without a tag.
  const std::string& Language() const { return language_; }
  // The working folder given to the shell by the open actions.
  std::string WorkingFolder() const;

 private:
  const PlayerSpot* Spot(int spot) const;
  // The window, the move sounds and the spots of the page shown.
  bool BuildWindow(std::string& error);
  void OpenMoveSounds();
  bool CreateSpots(std::string& error);
  // Leaves the page shown for page index `page` (0 for the first).
  void ShowPage(size_t page);
  // What plays on the page shown ends, and its spots go.
  void LeavePage();
  // Builds page index `page` of shown_ in the window.
  void EnterPage(size_t page);
  bool HasVideoFrame(const PlayerSpot& spot) const;
  void PlayVideo(int spot);
  void PlayClickSound(const PlayerSpot& spot);

  const MenuConfig& config_;  // as read, in the default language
  MenuConfig shown_;          // config_ in the language shown; every page is built from it
  std::string language_;
  std::string folder_;
  MediaTransport& media_;
  MenuView& view_;
  int16_t current_spot_ = 0;
  int32_t last_spot_ = 0;
  std::string click_alias_;
  std::string video_alias_base_;
  bool unloaded_ = false;
  size_t page_ = 0;              // 0 for the first page, else shown_.Pages[page_ - 1]
  std::vector<size_t> history_;  // the pages Go Back returns to, the last one last
};

}  // namespace orb
