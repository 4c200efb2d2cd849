#include "run_program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;
#endif

namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Two fresh file names in the test's temporary folder.
std::pair<std::string, std::string> CaptureFileNames() {
  static std::atomic<int> counter{0};
  const std::string stem = testing::TempDir() + "bands_run_" + std::to_string(counter++) + "_" +
#ifdef _WIN32
                           std::to_string(GetCurrentProcessId());
#else
                           std::to_string(getpid());
#endif
  return {stem + ".out", stem + ".err"};
}

}  // namespace

#ifdef _WIN32

namespace {

// Wine's drive Z: is the root of the Unix file system.
std::string WindowsPath(const std::string& path) {
  if (!path.starts_with("/")) return path;
  std::string windowsPath = "Z:" + path;
  for (char& c : windowsPath) {
    if (c == '/') c = '\\';
  }
  return windowsPath;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      int deadlineMilliseconds, const std::string& outputPath) {
  ProgramRun run;
  const std::string path = WindowsPath(program);
  std::string commandLine = "\"" + path + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";

  const auto [outPath, errPath] = CaptureFileNames();
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  const auto createCapture = [&](const std::string& name) {
    return CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  HANDLE out = outputPath.empty() ? createCapture(outPath)
                                  : CreateFileA(WindowsPath(outputPath).c_str(), GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE err = createCapture(errPath);
  HANDLE in = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  // Arguments are UTF-8; the child gets them as UTF-16, as from a shell.
  const int wideLength = MultiByteToWideChar(CP_UTF8, 0, commandLine.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> commandBuffer(wideLength > 0 ? wideLength : 1, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, commandLine.c_str(), -1, commandBuffer.data(), wideLength);
  run.started = out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE && wideLength > 0 &&
                CreateProcessW(nullptr, commandBuffer.data(), nullptr, nullptr, TRUE,
                               CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  // The child holds its own copies of the handles.
  for (HANDLE handle : {out, err, in}) {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  if (run.started) {
    run.finishedInTime =
        WaitForSingleObject(process.hProcess, deadlineMilliseconds) == WAIT_OBJECT_0;
    if (!run.finishedInTime) {
      TerminateProcess(process.hProcess, 255);
      WaitForSingleObject(process.hProcess, 5000);
    }
    DWORD exitCode = 0;
    if (run.finishedInTime && GetExitCodeProcess(process.hProcess, &exitCode)) {
      run.status = static_cast<int>(exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  run.out = ReadWholeFile(outPath);
  run.err = ReadWholeFile(errPath);
  DeleteFileA(outPath.c_str());
  DeleteFileA(errPath.c_str());
  return run;
}

#else

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      int deadlineMilliseconds, const std::string& outputPath) {
  ProgramRun run;
  const auto [outPath, errPath] = CaptureFileNames();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (outputPath.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_t child = 0;
  run.started = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (run.started) {
    int waitStatus = 0;
    const timespec pause{0, 5'000'000};
    for (int waited = 0; waited <= deadlineMilliseconds; waited += 5) {
      if (waitpid(child, &waitStatus, WNOHANG) == child) {
        run.finishedInTime = true;
        break;
      }
      nanosleep(&pause, nullptr);
    }
    if (!run.finishedInTime) {
      kill(child, SIGKILL);
      waitpid(child, &waitStatus, 0);
    } else if (WIFEXITED(waitStatus)) {
      run.status = WEXITSTATUS(waitStatus);
    }
  }
  run.out = ReadWholeFile(outPath);
  run.err = ReadWholeFile(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return run;
}

#endif
