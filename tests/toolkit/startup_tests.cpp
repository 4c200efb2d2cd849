// Start-up and exit, seen from outside: probe programs started with chosen
// command lines and start-up information report what their main routine
// was given, and their exit codes are checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD ProbeDeadlineMilliseconds = 30000;

struct ProbeRun {
  bool finished = false;
  DWORD exitCode = 0;
  std::string output;  // standard output, without carriage returns
};

std::string ProgramBeside(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string beside(path);
  return beside.substr(0, beside.find_last_of('\\') + 1) + name;
}

// Starts `program` with `commandLine` (its name part need not be the real
// path) and, when `showWindow` is given, STARTF_USESHOWWINDOW.
ProbeRun RunProbe(const char* program, std::string commandLine, int showWindow = -1) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ProbeRun run;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 16)) return run;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);  // Wine's own messages stay out of the output
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  if (showWindow >= 0) {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindow);
  }
  PROCESS_INFORMATION process{};
  const std::string path = ProgramBeside(program);
  const BOOL started = CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (started) {
    if (WaitForSingleObject(process.hProcess, ProbeDeadlineMilliseconds) == WAIT_OBJECT_0) {
      run.finished = true;
      GetExitCodeProcess(process.hProcess, &run.exitCode);
      // Only what is already in the pipe: a process the probe left behind
      // could hold the write end open, and a plain read would wait for it.
      char buffer[4096];
      DWORD available = 0, read = 0;
      while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
             ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        for (DWORD i = 0; i < read; ++i) {
          if (buffer[i] != '\r') run.output += buffer[i];
        }
      }
    } else {
      TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return run;
}

bool Reports(const ProbeRun& run, const std::string& line) {
  return run.output.find(line + "\n") != std::string::npos;
}

TEST(StartUp, MainRoutineResultIsTheExitCode) {
  ProbeRun run = RunProbe("startup_probe.exe", "startup_probe.exe");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 42u) << run.output;
  EXPECT_TRUE(Reports(run, "called")) << run.output;
}

TEST(StartUp, ProcessPreparedForTheMainRoutine) {
  ProbeRun run = RunProbe("startup_probe.exe", "startup_probe.exe");
  ASSERT_TRUE(run.finished);
  EXPECT_TRUE(Reports(run, "control word=133F")) << run.output;
  EXPECT_TRUE(Reports(run, "font=MS Sans Serif,8")) << run.output;
  EXPECT_TRUE(Reports(run, "instance=module")) << run.output;
  EXPECT_TRUE(Reports(run, "previous=none")) << run.output;
  EXPECT_TRUE(Reports(run, "registry=empty")) << run.output;
}

TEST(StartUp, ShowState) {
  ProbeRun withoutShowWindow = RunProbe("startup_probe.exe", "startup_probe.exe");
  EXPECT_TRUE(Reports(withoutShowWindow, "show=10")) << withoutShowWindow.output;
  ProbeRun minimised = RunProbe("startup_probe.exe", "startup_probe.exe", SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(Reports(minimised, "show=7")) << minimised.output;
  ProbeRun hidden = RunProbe("startup_probe.exe", "startup_probe.exe", SW_HIDE);
  EXPECT_TRUE(Reports(hidden, "show=0")) << hidden.output;
}

TEST(StartUp, ArgumentText) {
  struct Case {
    const char* commandLine;
    const char* reported;
  };
  const Case cases[] = {
      {"\"C:\\Program Files\\probe dir\\startup_probe.exe\"   abc", "arguments=[abc]"},
      {"startup_probe.exe", "arguments=[]"},
      {"\"startup_probe.exe\"", "arguments=[]"},
      {"startup_probe.exe  one  two", "arguments=[one  two]"},
      {"\"startup probe\"x", "arguments=[x]"},
  };
  for (const auto& c : cases) {
    ProbeRun run = RunProbe("startup_probe.exe", c.commandLine);
    ASSERT_TRUE(run.finished) << c.commandLine;
    EXPECT_TRUE(Reports(run, c.reported)) << c.commandLine << "\n" << run.output;
  }
}

TEST(StartUp, NoThreadSettingsExitsWith255WithoutTheMainRoutine) {
  ProbeRun run = RunProbe("startup_probe_no_tls.exe", "startup_probe_no_tls.exe");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 255u) << run.output;
  EXPECT_EQ(run.output, "");
}

}  // namespace
