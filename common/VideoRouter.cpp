// Routing video commands between Media Foundation and the media control interface; see VideoRouter.h.
#include "common/VideoRouter.h"

#include <cstdlib>
#include <vector>

#include "common/VideoFormat.h"

namespace orb {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::vector<std::string> Words(const std::string& command) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < command.size()) {
    if (command[i] == ' ') {
      ++i;
      continue;
    }
    size_t end;
    if (command[i] == '"') {
      end = command.find('"', i + 1);
      if (end == std::string::npos) end = command.size();
      words.push_back(command.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      end = command.find(' ', i);
      if (end == std::string::npos) end = command.size();
      words.push_back(command.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

std::string After(const std::vector<std::string>& words, const char* keyword, size_t from) {
  for (size_t i = from; i + 1 < words.size(); ++i)
    if (Lower(words[i]) == keyword) return words[i + 1];
  return std::string();
}

bool VideoRouter::PlaysThroughEngine(const std::string& alias) const {
  return videos_.count(Lower(alias)) != 0;
}

long VideoRouter::Send(const std::string& command, std::string* returned) {
  std::vector<std::string> words = Words(command);
  std::string verb = words.empty() ? std::string() : Lower(words[0]);
  if (verb == "open") {
    long code = 0;
    if (OpenThroughEngine(command, code)) return code;
    code = fallback_.Send(command, returned);
    std::string alias = Lower(After(words, "alias", 2));
    if (code == 0 && !alias.empty()) fallback_aliases_.insert(alias);
    // A video the fallback cannot open (or does not open in time) is not tried again either.
    if (code != 0 && code != kMediaDuplicateAlias && words.size() >= 2 && !alias.empty() &&
        After(words, "type", 2) == kVideoDevice)
      failed_.insert(Lower(words[1]));
    return code;
  }
  if (words.size() >= 2) {
    auto it = videos_.find(Lower(words[1]));
    if (it != videos_.end()) {
      size_t rest = command.find(words[1], words[0].size()) + words[1].size();
      return SendToEngine(it->second, verb, Lower(command.substr(rest)), returned);
    }
  }
  long code = fallback_.Send(command, returned);
  if (verb == "close" && code == 0 && words.size() >= 2) fallback_aliases_.erase(Lower(words[1]));
  return code;
}

bool VideoRouter::Failed(const std::string& path) {
  for (const auto& [alias, video] : videos_)
    if (video.engine->Failed()) failed_.insert(video.path);
  return failed_.count(Lower(path)) != 0;
}

bool VideoRouter::OpenThroughEngine(const std::string& command, long& code) {
  std::vector<std::string> words = Words(command);
  if (words.size() < 2) return false;
  const std::string& path = words[1];
  std::string alias = Lower(After(words, "alias", 2));
  // Only video opens (sounds are spelled with the other device name) and only files the engine plays.
  if (alias.empty() || After(words, "type", 2) != kVideoDevice) return false;
  if (videos_.count(alias)) {
    code = kMediaDuplicateAlias;
    return true;
  }
  // An alias the fallback holds must fail there, as a second open of it always has.
  if (fallback_aliases_.count(alias) || path.empty()) return false;
  // A file that failed once fails at once, silently, without any engine seeing it again: fast clicks on it
  // must not pile up opens of a file that hangs decoders.
  if (Failed(path)) {
    code = kMediaHardwareError;
    return true;
  }
  VideoContainer container = SniffVideo(read_head_(path)).container;
  if (check_ && !check_(path, container).empty()) {
    failed_.insert(Lower(path));
    code = kMediaHardwareError;
    return true;
  }
  if (RouteFor(container) != VideoRoute::MediaFoundation) return false;
  MediaWindow parent = static_cast<MediaWindow>(std::strtoll(After(words, "parent", 2).c_str(), nullptr, 10));
  std::unique_ptr<VideoEngine> engine = open_(path, parent);
  if (!engine) return false;
  videos_[alias].engine = std::move(engine);
  videos_[alias].path = Lower(path);
  code = 0;
  return true;
}

long VideoRouter::SendToEngine(Video& video, const std::string& verb, const std::string& rest,
                               std::string* returned) {
  std::vector<std::string> words = Words(rest);
  if (verb == "put" && words.size() == 6 && words[0] == "window" && words[1] == "at") {
    int v[4];
    for (int i = 0; i < 4; ++i) v[i] = std::atoi(words[2 + i].c_str());
    return video.engine->Place(v[0], v[1], v[2], v[3]) ? 0 : kMediaHardwareError;
  }
  if (verb == "set" && words.size() == 3 && words[0] == "time" && words[1] == "format") {
    video.milliseconds = words[2] == "ms" || words[2] == "milliseconds";
    return 0;
  }
  if (verb == "status" && words.size() == 1 && words[0] == "length") {
    long ms = video.engine->LengthMs();
    // The engine counts no frames: they are given at 30 a second, and play ignores its end point anyway.
    long length = ms < 0 ? 0 : video.milliseconds ? ms : ms * 30 / 1000;
    if (returned) *returned = std::to_string(length);
    return 0;
  }
  if (verb == "play") return video.engine->Play() ? 0 : kMediaHardwareError;
  if (verb == "stop") {
    video.engine->Stop();
    return 0;
  }
  if (verb == "close") {
    for (auto it = videos_.begin(); it != videos_.end(); ++it) {
      if (&it->second == &video) {
        videos_.erase(it);
        break;
      }
    }
    return 0;
  }
  return kMediaUnrecognizedCommand;
}

}  // namespace orb
