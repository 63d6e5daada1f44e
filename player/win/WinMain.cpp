// Entry point of Orbstart.exe, the CD-side player.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

#include "cdformat/PlayerFolder.h"
#include "common/win/MciTransport.h"
#include "common/win/MfVideoEngine.h"
#include "common/win/WideText.h"
#include "player/win/PlayerApp.h"

// The player goes onto every CD and must stay small: it replaces two pieces of the C++ runtime.
//
// The default terminate handler demangles the exception's type name for stderr, which a GUI program has not;
// it alone pulls about 46 KB of demangler into the player.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The library throws its logic and runtime errors (a string too long, an index out of range) from one object
// that builds std::logic_error with reference-counted strings, which pull in a second std::string, its
// unwind tables and std::random_device: about 80 KB. Here they throw one small type instead: catch (...) and
// catch (const std::exception&) still see them, and nothing in the player catches them by their own types.
// All fifteen of that object are defined: one left out would bring the object back, and its link would fail.
namespace {

class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* what) : what_(what) {}
  const char* what() const noexcept override { return what_; }

 private:
  const char* what_;
};

}  // namespace

namespace std {
void __throw_bad_exception() { throw std::bad_exception(); }
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
void __throw_bad_cast() { throw std::bad_cast(); }
void __throw_bad_typeid() { throw std::bad_typeid(); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
void __throw_domain_error(const char* what) { throw LibraryError(what); }
void __throw_invalid_argument(const char* what) { throw LibraryError(what); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_out_of_range(const char* what) { throw LibraryError(what); }
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
void __throw_runtime_error(const char* what) { throw LibraryError(what); }
void __throw_range_error(const char* what) { throw LibraryError(what); }
void __throw_overflow_error(const char* what) { throw LibraryError(what); }
void __throw_underflow_error(const char* what) { throw LibraryError(what); }
}  // namespace std

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The same program is also the menu's video decoder, started as a child for each video: whatever a file
  // does to a decoder, the menu goes on.
  if (orb::RunVideoDecoderIfAsked()) return 0;
  orb::UseVideoDecoderProcess();
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);
  // UTF-8 from here on: the player's text, whatever the code page lacks included.
  std::string folder = orb::PlayerFolder(orb::ProgramFolder(orb::win::Narrow(orb::win::ProgramPath())));
  int code;
  {
    orb::PlayerApp app(instance);
    code = app.Run(folder);
  }
  // A video's worker stuck inside a decoder would hold up the exit (and Media Foundation's shutdown) for
  // good: after a short grace the process ends without it. It holds nothing another process needs.
  auto running = [] { return orb::VideoWorkersRunning() || orb::MciWorkersRunning(); };
  for (int i = 0; i < 30 && running(); ++i) Sleep(10);
  if (running()) TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
  OleUninitialize();
  return code;
}
