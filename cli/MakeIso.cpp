// orbmenu-cli make-iso: generates a project's CD root as make-cd does (or takes an existing root) and
// writes its disc image.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cdformat/CdReaders.h"
#include "cli/CodeSigning.h"
#include "common/AnsiText.h"
#include "cli/Generation.h"
#include "cli/Verbs.h"
#include "common/PathText.h"
#include "cli/CliFiles.h"
#include "disc/IsoImage.h"
#include "output/ProjectCheck.h"

namespace orb::cli {

namespace {

const char kUsageHead[] =
    "usage: orbmenu-cli make-iso PROJECT.obm -o FILE.iso [--root DIR] [--label TEXT] [--player FILE]\n"
    "                            [--no-runtime] [--force] [SIGNING]\n"
    "       orbmenu-cli make-iso --from-root DIR -o FILE.iso [--label TEXT] [SIGNING]\n"
    "\n"
    "Generates the CD root of a menu project exactly as make-cd does (same checks, same messages, same\n"
    "options) and writes a disc image of it: ISO 9660 with Joliet names, which Windows mounts with a\n"
    "double click and burning programs take. With --from-root, images a CD root that already exists\n"
    "(for example one made by make-simple).\n"
    "\n"
    "  -o, --output FILE  the image to write; an older one is replaced only when the new one is complete.\n"
    "                     It may not lie inside the root folder.\n"
    "  --label TEXT       the volume label, at most 16 characters (default: the CD title without its\n"
    "                     question mark, cut to 16 characters)\n"
    "  --from-root DIR    image DIR as it is, without a project\n"
    "\n"
    "SIGNING: the root's Orbstart.exe is signed before imaging; when that fails, no image is written.\n";
const char kUsageTail[] =
    "\n"
    "The volume's date is SOURCE_DATE_EPOCH when set (later file dates are written as that date), else the\n"
    "newest date in the tree: the same folder gives the same bytes.\n"
    "\n"
    "Exit status: 0 when the image was written; 1 otherwise (the reason on stderr); 2 on a usage error.\n";

volatile std::sig_atomic_t g_interrupted = 0;
extern "C" void OnInterrupt(int) { g_interrupted = 1; }

// Percent and speed on one terminal line, at most five times a second; Ctrl+C cancels cleanly.
class TerminalProgress : public IsoProgress {
 public:
  explicit TerminalProgress(bool show) : show_(show), start_(Clock::now()), last_(start_) {}
  ~TerminalProgress() override {
    if (shown_) std::fputc('\n', stderr);
  }
  bool Advance(std::uint64_t done, std::uint64_t total) override {
    if (g_interrupted) return false;
    auto now = Clock::now();
    if (!show_ || (now - last_ < std::chrono::milliseconds(200) && done < total)) return true;
    last_ = now;
    double seconds = std::chrono::duration<double>(now - start_).count();
    // In the unit of the size figures (SizeText): MB of 1,048,576 bytes, as CDs are measured.
    double rate = seconds > 0 ? static_cast<double>(done) / 1048576 / seconds : 0;
    std::fprintf(stderr, "\r%3d%%  %.1f MB/s ", total ? static_cast<int>(done * 100 / total) : 100, rate);
    std::fflush(stderr);
    shown_ = true;
    return true;
  }

 private:
  using Clock = std::chrono::steady_clock;
  bool show_;
  bool shown_ = false;
  Clock::time_point start_, last_;
};

// The CD title an existing root's menu.cfg holds; empty for a simple-mode root or none.
std::string RootTitle(CliFiles& files, const std::string& root) {
  std::string data, error;
  if (!files.ReadFile(root + "menu.cfg", data, error)) return {};
  MenuConfig config;
  FormatError format;
  if (!ReadMenuConfig(data, root, "menu.cfg", config, format)) return {};
  return config.CdTitle;
}

// Paths here are the system's own (UTF-8), not the project's ANSI text, so they are printed as they are.
ExitCode IsoFailure(const std::string& text) {
  std::fprintf(stderr, "orbmenu-cli make-iso: %s\n", ShownPath(text).c_str());
  return ExitCode::kFailure;
}

ExitCode RunMakeIso(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  std::string error;
  auto output = parsed.Value("--output");
  if (!output || output->empty()) return call.UsageError("name the image with -o FILE.iso");
  auto from_root = parsed.Value("--from-root");
  if (from_root) {
    if (!parsed.positional.empty() || parsed.Value("--root") || parsed.Value("--player") ||
        parsed.Flag("--no-runtime") || parsed.Flag("--force")) {
      return call.UsageError("--from-root takes no project and no generation options");
    }
  } else if (parsed.positional.size() != 1) {
    return call.UsageError("name one project file, or a root with --from-root");
  }

  IsoOptions options;
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
    char* end = nullptr;
    long long value = std::strtoll(epoch, &end, 10);
    if (*end != '\0' || value < 0)
      return IsoFailure(std::string("SOURCE_DATE_EPOCH is not a date: ") + epoch);
    options.volume_time = value;
    options.clamp_file_times = true;
  }

  CliFiles files;
  std::string root, title;
  if (from_root) {
    std::error_code ec;
    if (!std::filesystem::is_directory(FsPath(*from_root), ec)) return IsoFailure(*from_root + ": not a folder");
    root = CliFiles::ModelFolder(*from_root);
    title = RootTitle(files, root);
    std::optional<SigningOptions> signing;
    if (!SigningFromArgs(parsed, signing, error)) return IsoFailure(error);
    std::string subject;
    if (signing &&
        !SignFileInPlace(CliFiles::NativePath(root + "Orbstart.exe"), *signing, subject, error))
      return IsoFailure(error + "; no image was written");
    if (signing) std::fprintf(stderr, "Orbstart.exe signed by %s\n", AnsiToUtf8(subject).c_str());
  } else {
    ExitCode generated = GenerateProjectRoot("make-iso", parsed, true, root, title);
    if (generated != ExitCode::kSuccess) return generated;
  }
  options.label = parsed.Value("--label").value_or(ImageLabel(title));

  // Symbolic links and relative names must not hide an image inside its own root. The image is written
  // from the root's Linux spelling ("/tmp/cd/"), so that its messages name paths with slashes.
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string native_root = CliFiles::NativePath(root);
  fs::path real_root = fs::weakly_canonical(FsPath(native_root), ec);
  fs::path real_iso = fs::weakly_canonical(FsPath(*output), ec);
  std::string iso = FsText(real_iso);
  if (IsInsideFolder(iso, FsText(real_root))) iso = native_root + FsText(real_iso.filename());

  // A closed terminal (SIGHUP) cancels as Ctrl+C and kill do, so the temporary image goes too.
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
#ifdef SIGHUP
  std::signal(SIGHUP, OnInterrupt);
#endif
  IsoResult result;
  {
    TerminalProgress progress(::isatty(2));
    result = WriteIsoImage(files, native_root, iso, options, &progress);
  }
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
#ifdef SIGHUP
  std::signal(SIGHUP, SIG_DFL);
#endif
  if (result.cancelled) return IsoFailure("cancelled; no image was written");
  if (!result.ok) return IsoFailure(result.error);
  std::string label = result.label.empty() ? "no label" : "label \"" + result.label + "\"";
  std::printf("%s: %llu file%s, %s (%llu bytes), %s\n", ShownPath(FsText(real_iso)).c_str(),
              static_cast<unsigned long long>(result.files), result.files == 1 ? "" : "s",
              SizeText(result.bytes).c_str(), static_cast<unsigned long long>(result.bytes), label.c_str());
  return ExitCode::kSuccess;
}

}  // namespace

Verb MakeIsoVerb() {
  return {.name = "make-iso",
          .summary = "generate a CD root and write its disc image (.iso)",
          .usage = WithSigningUsage(kUsageHead, kUsageTail),
          .value_options = WithSigningOptions({"--root", "--player", "--output", "--label", "--from-root"}),
          .flag_options = {"--no-runtime", "--force"},
          .aliases = {{"-o", "--output"}},
          .run = RunMakeIso};
}

}  // namespace orb::cli
