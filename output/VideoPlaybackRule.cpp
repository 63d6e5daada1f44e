// The check's findings on the menu's videos; see VideoPlaybackRule.h.
#include "output/VideoPlaybackRule.h"

#include "common/VideoFormat.h"

namespace orb::check_rules {
namespace {

// Enough for the 'moov' box of a file written for streaming (moov first); one with moov at its end past
// this only loses the codec finding.
constexpr std::size_t kHeadLimit = 32u << 20;

bool ReadHead(FileSystem& fs, const std::string& path, std::string& head) {
  std::string error;
  std::unique_ptr<FileReader> reader = fs.OpenReader(path, error);
  if (!reader) return false;
  char buffer[1 << 16];
  while (head.size() < kHeadLimit) {
    std::size_t got = 0;
    if (!reader->Read(buffer, sizeof buffer, got, error)) return false;
    if (got == 0) break;
    head.append(buffer, got);
  }
  return true;
}

}  // namespace

void VideoPlayback(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  for (const NamedFile& file : subject.files) {
    std::string head;
    if (!file.video || !context.Files().Exists(file.path) || !ReadHead(context.Files(), file.path, head))
      continue;
    VideoFormat format = SniffVideo(head);
    std::string it = "the " + file.what + " (" + OnDisc(file.path, subject.root) + ")";
    if (format.hevc) {
      context.Add(Severity::Warning, file.path,
                  it + " is HEVC (H.265) video: Windows plays it only where the HEVC Video Extensions are "
                       "installed; encode it as H.264 to play everywhere");
    } else if (format.container == VideoContainer::Matroska || format.container == VideoContainer::WebM) {
      context.Add(Severity::Warning, file.path,
                  it + " is a " + ContainerName(format.container) +
                      " file, which the menu cannot play (neither through Media Foundation nor through the "
                      "media control interface); convert it to MP4 (H.264/AAC) or AVI");
    } else if (RouteFor(format.container) == VideoRoute::MediaFoundation) {
      context.Add(Severity::Warning, file.path,
                  it + " is " + ContainerName(format.container) +
                      " video, which the menu plays through Media Foundation: it will not play on the N "
                      "editions of Windows unless the Media Feature Pack is installed");
    }
  }
}

}  // namespace orb::check_rules
