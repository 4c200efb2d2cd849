// bands.exe writing to a console of its own (Windows build only): what the
// console holds afterwards is the text, every character whole whatever the
// console's code page, and no escape code shown as text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Wine's drive Z: is the root of the Unix file system.
std::wstring WindowsPath(const std::string& path) {
  std::wstring wide = path.starts_with("/") ? L"Z:" : L"";
  for (const char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return wide;
}

class Console : public testing::Test {
 protected:
  void SetUp() override {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    screen_ =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(screen_, INVALID_HANDLE_VALUE);
  }
  void TearDown() override {
    if (screen_ != INVALID_HANDLE_VALUE) CloseHandle(screen_);
    FreeConsole();
  }

  // Runs bands.exe with standard output and error on the console; returns
  // the rows it wrote, each without its trailing blanks and ending in "\n".
  std::wstring RunOnConsole(const std::wstring& arguments) {
    CONSOLE_SCREEN_BUFFER_INFO before{};
    EXPECT_TRUE(GetConsoleScreenBufferInfo(screen_, &before));
    std::wstring commandLine = L"\"" + WindowsPath(BANDS_PROGRAM) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = screen_;
    startup.hStdError = screen_;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    EXPECT_TRUE(started);
    if (!started) return {};
    const bool ended = WaitForSingleObject(process.hProcess, 60'000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended);
    if (!ended) TerminateProcess(process.hProcess, 255);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    CONSOLE_SCREEN_BUFFER_INFO after{};
    EXPECT_TRUE(GetConsoleScreenBufferInfo(screen_, &after));
    std::wstring rows;
    for (SHORT row = before.dwCursorPosition.Y; row < after.dwCursorPosition.Y; ++row) {
      std::wstring text(after.dwSize.X, L' ');
      DWORD read = 0;
      ReadConsoleOutputCharacterW(screen_, text.data(), after.dwSize.X, COORD{0, row}, &read);
      text.resize(read);
      while (!text.empty() && text.back() == L' ') text.pop_back();
      rows += text + L"\n";
    }
    return rows;
  }

  HANDLE screen_ = INVALID_HANDLE_VALUE;
};

TEST_F(Console, TheOhmSignArrivesWhole) {
  const std::wstring rows = RunOnConsole(L"--value \"4.7 k\u03A9\" --tolerance 5%");
  EXPECT_EQ(rows,
            L"4 bands: yellow violet red gold\n"
            L"5 bands: yellow violet black brown gold\n"
            L"SMD: 472, 4701\n");
  const std::wstring message = RunOnConsole(L"--value 4,7k\u2126");
  EXPECT_NE(message.find(L"bands: value \"4,7k\u2126\": a comma"), std::wstring::npos) << message;
  EXPECT_NE(message.find(L"write 4.7k\u2126 or 4k7"), std::wstring::npos) << message;
}

// A console either interprets the pictures' sequences or gets the plain
// lines; it never holds the escape codes as text.
TEST_F(Console, NoEscapeCodeShownAsText) {
  const std::wstring rows = RunOnConsole(L"yellow violet red gold");
  EXPECT_TRUE(rows.starts_with(L"Resistance: 4.7 k ohm, 5%\n")) << rows;
  EXPECT_EQ(rows.find(L'\x1b'), std::wstring::npos) << rows;
  EXPECT_EQ(rows.find(L"[48;2;"), std::wstring::npos) << rows;
}

}  // namespace
