// Videos through Media Foundation: its source reader decodes them and this program draws the frames, since
// its own video renderers need Direct3D, which not every machine that runs a CD has working. Loaded at the
// first video, so that the programs start, and play everything else, where Media Foundation is missing
// (N editions).
#pragma once

#include <memory>
#include <string>

#include "common/VideoRouter.h"

namespace orb {

// Paths are UTF-8. A video drawing into parent, with the file opened and ready; null where Media Foundation is missing or
// cannot open the file.
std::unique_ptr<VideoEngine> OpenMediaFoundationVideo(const std::string& path, MediaWindow parent);
// From now on videos decode in a child process of this program, started with a switch that
// RunVideoDecoderIfAsked knows: a decoder that hangs, crashes or takes all the memory a 32-bit process has
// takes only that process down, and what it decodes is handed back at the box's size through shared memory.
// Without it (and where a child cannot start) they decode on a thread of this process.
void UseVideoDecoderProcess();
// In a program started as such a decoder: decodes until told to quit, then ends the process. False at once
// in any other start. Call it first thing.
bool RunVideoDecoderIfAsked();
// The first kVideoSniffBytes of a file; empty when it cannot be read.
std::string ReadVideoHead(const std::string& path);
// What is wrong with an MP4/MOV or WMV file's structure (see VideoStructure.h); empty when it is sound.
std::string CheckVideoFile(const std::string& path, VideoContainer container);
// Whether a video's worker has not ended yet: one may be stuck in Media Foundation for good, and the process
// must then end without waiting for it.
bool VideoWorkersRunning();

// The media control interface with Media Foundation for MP4/MOV and WMV videos in front of it.
class RoutedMediaTransport : public VideoRouter {
 public:
  explicit RoutedMediaTransport(MediaTransport& mci)
      : VideoRouter(mci, ReadVideoHead, OpenMediaFoundationVideo, CheckVideoFile) {}
};

}  // namespace orb
