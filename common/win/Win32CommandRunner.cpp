// CreateProcessW with pipes and a job object; see Win32CommandRunner.h.
#include "common/win/Win32CommandRunner.h"

// Before windows.h, whose CopyFile macro would rename the seam's method.
#include "common/win/Win32FileSystem.h"

#include <windows.h>

#include <string>

#include "common/win/WideText.h"

namespace orb {

namespace {

std::string ErrorText(const char* what) { return std::string(what) + ": " + LastErrorText(); }

struct Handle {
  HANDLE h = nullptr;
  ~Handle() {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  void Close() {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    h = nullptr;
  }
};

// Reads what the pipe holds now, without waiting for more.
void ReadAvailable(HANDLE pipe, std::string& output) {
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    char buffer[4096];
    DWORD got = 0;
    if (!ReadFile(pipe, buffer, available < sizeof buffer ? available : sizeof buffer, &got, nullptr) || got == 0)
      return;
    output.append(buffer, got);
  }
}

// A console program writes in the console's (OEM) code page, unless it writes UTF-8; the caller shows UTF-8.
std::string OutputAsUtf8(const std::string& output) {
  if (output.empty() ||
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, output.data(), static_cast<int>(output.size()), nullptr,
                          0) > 0)
    return output;
  int n = MultiByteToWideChar(CP_OEMCP, 0, output.data(), static_cast<int>(output.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_OEMCP, 0, output.data(), static_cast<int>(output.size()), wide.data(), n);
  return win::Narrow(wide);
}

}  // namespace

CommandResult Win32CommandRunner::Run(const std::string& command_line, int timeout_seconds) {
  CommandResult result;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  Handle read_end, write_end, input;
  if (!CreatePipe(&read_end.h, &write_end.h, &inherit, 0)) {
    result.error = ErrorText("cannot make a pipe");
    return result;
  }
  SetHandleInformation(read_end.h, HANDLE_FLAG_INHERIT, 0);
  input.h = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);

  // cmd.exe /s /c "LINE" runs LINE exactly as typed at a prompt, its own quotes kept.
  wchar_t system[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(system, MAX_PATH);
  std::wstring shell = (n > 0 && n < MAX_PATH ? std::wstring(system, n) : std::wstring(L"C:\\Windows\\System32")) +
                       L"\\cmd.exe";
  std::wstring line = L"\"" + shell + L"\" /d /s /c \"" + win::Widen(command_line) + L"\"";

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.h;
  startup.hStdOutput = write_end.h;
  startup.hStdError = write_end.h;
  PROCESS_INFORMATION process = {};
  Handle job;
  job.h = CreateJobObjectW(nullptr, nullptr);
  if (!CreateProcessW(shell.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW | CREATE_SUSPENDED,
                      nullptr, nullptr, &startup, &process)) {
    result.error = ErrorText("cannot start cmd.exe");
    return result;
  }
  Handle process_handle, thread;
  process_handle.h = process.hProcess;
  thread.h = process.hThread;
  // In the job before it runs, so that nothing it starts can outlive a timeout.
  if (job.h) AssignProcessToJobObject(job.h, process.hProcess);
  ResumeThread(process.hThread);
  write_end.Close();  // the child's copies keep the pipe open while it runs
  result.started = true;

  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout_seconds) * 1000;
  for (;;) {
    ReadAvailable(read_end.h, result.output);
    if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0) break;
    if (timeout_seconds > 0 && GetTickCount64() >= deadline) {
      if (!job.h || !TerminateJobObject(job.h, 1)) TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
      result.timed_out = true;
      break;
    }
  }
  ReadAvailable(read_end.h, result.output);
  result.output = OutputAsUtf8(result.output);
  DWORD code = 0;
  result.exit_code = GetExitCodeProcess(process.hProcess, &code) ? static_cast<int>(code) : -1;
  return result;
}

}  // namespace orb
