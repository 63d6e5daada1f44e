// The media command layer; see MediaCommands.h.
#include "common/MediaCommands.h"

#include <cmath>

namespace orb {
namespace {

std::string Result(MediaTransport& media, long code) {
  return code == 0 ? std::string(kMediaSuccess) : media.ErrorText(code);
}

int32_t LengthFromReply(long code, const std::string& reply) {
  return code == 0 ? static_cast<int32_t>(ParseMediaNumber(reply)) : -1;
}

}  // namespace

std::string MediaPathArgument(const std::string& short_path) {
  if (short_path.find(' ') == std::string::npos) return short_path;
  return "\"" + short_path + "\"";
}

std::string WindowText(MediaWindow window) {
  return std::to_string(static_cast<int32_t>(static_cast<uint32_t>(static_cast<uintptr_t>(window))));
}

std::string OpenCommand(const std::string& short_path, std::string_view device, std::string_view alias,
                        MediaWindow parent) {
  std::string command = "open ";
  command += MediaPathArgument(short_path);
  command += " type ";
  command += device;
  command += " Alias ";
  command += alias;
  command += " parent ";
  command += WindowText(parent);
  command += " Style ";
  command += std::to_string(kMediaChildStyle);
  return command;
}

long ParseMediaNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  double value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
      value += (text[i] - '0') * scale;
    }
  }
  if (negative) value = -value;
  // Keeps absurd replies inside the 32-bit range instead of overflowing.
  if (value > 2147483647.0) value = 2147483647.0;
  if (value < -2147483648.0) value = -2147483648.0;
  return static_cast<long>(std::nearbyint(value));
}

std::string OpenMultimedia(MediaTransport& media, MediaWindow parent, std::string_view alias,
                           const std::string& path, std::string_view device_type) {
  std::string command = OpenCommand(media.ShortPath(path), device_type, alias, parent);
  return Result(media, media.Send(command, nullptr));
}

std::string PutMultimediaWindow(MediaTransport& media, MediaWindow window, std::string_view alias, int left,
                                int top, int& width, int& height) {
  if (width == 0 || height == 0) {
    int w = 0, h = 0;
    if (media.WindowSize(window, w, h)) {
      width = w;
      height = h;
    } else {
      width = height = 0;
    }
  }
  std::string command = "put ";
  command += alias;
  command += " window at " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(width) +
             " " + std::to_string(height);
  return Result(media, media.Send(command, nullptr));
}

int32_t GetMultimediaLength(MediaTransport& media, std::string_view alias) {
  std::string reply;
  media.Send("set " + std::string(alias) + " time format frames", &reply);
  reply.clear();
  long code = media.Send("status " + std::string(alias) + " length", &reply);
  return LengthFromReply(code, reply);
}

int32_t GetMultimediaMilliseconds(MediaTransport& media, std::string_view alias) {
  std::string reply;
  media.Send("set " + std::string(alias) + " time format ms", &reply);
  reply.clear();
  long code = media.Send("status " + std::string(alias) + " length", &reply);
  media.Send("set " + std::string(alias) + " time format frames", nullptr);
  return LengthFromReply(code, reply);
}

std::string PlayMultimedia(MediaTransport& media, std::string_view alias, std::string& from_where,
                           std::string& to_where) {
  from_where = "0";
  to_where = std::to_string(GetMultimediaLength(media, alias));
  std::string command = "play ";
  command += alias;
  command += " from " + from_where + " to " + to_where;
  return Result(media, media.Send(command, nullptr));
}

std::string CloseMultimedia(MediaTransport& media, std::string_view alias) {
  return Result(media, media.Send("Close " + std::string(alias), nullptr));
}

void SendMediaCommand(MediaTransport& media, const std::string& command) { media.Send(command, nullptr); }

void OpenSound(MediaTransport& media, const std::string& path, std::string_view alias, MediaWindow parent) {
  media.Send(OpenCommand(media.ShortPath(path), kSoundDevice, alias, parent), nullptr);
}

}  // namespace orb
