// bands: the resistor colour code at a terminal, in both directions.
//
// Output goes through the C library (or, to a Windows console, through
// WriteConsoleW), never through the C++ streams, whose locale machinery
// would make up most of the program.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "command_line.h"
#include "output.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// What the environment says of colours: NO_COLOR counts when set to a
// non-empty text (no-color.org); TERM=dumb is a terminal without them.
void ReadEnvironment(OutputTerminal& terminal) {
  const char* const noColor = std::getenv("NO_COLOR");
  terminal.noColor = noColor != nullptr && noColor[0] != '\0';
  const char* const term = std::getenv("TERM");
  terminal.dumbTerminal = term != nullptr && std::strcmp(term, "dumb") == 0;
}

// A stream of the C library: bytes as they are, "\n" as the system ends a
// line (CR LF in a Windows program's text mode).
void WriteToFile(void* context, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), static_cast<std::FILE*>(context));
}

}  // namespace

#ifdef _WIN32

namespace {

// A console is written in UTF-16 with WriteConsoleW: it shows every
// character whatever its code page, and the program leaves the code page as
// it was. Writing UTF-8 bytes to it would show them through the console's
// code page.
struct Console {
  HANDLE handle = INVALID_HANDLE_VALUE;
  DWORD originalMode = 0;
  bool failed = false;
};

void WriteWide(Console& console, const wchar_t* text, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteConsoleW(console.handle, text, size, &written, nullptr) || written == 0) {
      console.failed = true;
      return;
    }
    text += written;
    size -= written;
  }
}

void WriteToConsole(void* context, std::string_view text) {
  Console& console = *static_cast<Console*>(context);
  constexpr std::size_t kPiece = 256;  // bytes of UTF-8 converted at a time
  wchar_t wide[kPiece];
  std::size_t position = 0;
  while (position < text.size()) {
    if (text[position] == '\n') {
      WriteWide(console, L"\r\n", 2);
      ++position;
      continue;
    }
    std::size_t end = position;
    while (end < text.size() && text[end] != '\n' && end - position < kPiece) ++end;
    // Never split a UTF-8 character between two pieces.
    if (end < text.size() && end - position == kPiece) {
      while (end > position + 1 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    }
    const int count = MultiByteToWideChar(CP_UTF8, 0, text.data() + position,
                                          static_cast<int>(end - position), wide, kPiece);
    if (count > 0) WriteWide(console, wide, static_cast<DWORD>(count));
    position = end;
  }
}

// Wine's console (Wine 8) accepts ENABLE_VIRTUAL_TERMINAL_PROCESSING but
// keeps the sequences as text in its screen buffer: a picture comes out as
// escape codes broken across lines. Under Wine the console is taken to
// refuse the mode.
bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Opens a standard handle as a console when it is one (the NUL device and
// files are none).
bool OpenConsole(DWORD which, Console& console) {
  console.handle = GetStdHandle(which);
  return console.handle != INVALID_HANDLE_VALUE && console.handle != nullptr &&
         GetConsoleMode(console.handle, &console.originalMode);
}

// The arguments as Windows holds them, in UTF-16, converted to UTF-8 in one
// block: the ohm sign and every other character arrive whole, which the
// narrow arguments in the ANSI code page would not.
struct Utf8Arguments {
  std::string_view* views = nullptr;
  char* text = nullptr;
};

bool ConvertArguments(int argc, wchar_t** argv, Utf8Arguments& arguments) {
  std::size_t total = 0;
  for (int i = 1; i < argc; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return false;
    total += static_cast<std::size_t>(size);
  }
  arguments.views =
      static_cast<std::string_view*>(std::malloc(sizeof(std::string_view) * (argc + 1)));
  arguments.text = static_cast<char*>(std::malloc(total + 1));
  if (arguments.views == nullptr || arguments.text == nullptr) return false;
  char* next = arguments.text;
  for (int i = 1; i < argc; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, next, static_cast<int>(total),
                                         nullptr, nullptr);
    if (size <= 0) return false;
    arguments.views[i - 1] = std::string_view(next, static_cast<std::size_t>(size - 1));
    next += size;
    total -= static_cast<std::size_t>(size);
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  OutputTerminal terminal;
  ReadEnvironment(terminal);
  Console console, errorConsole;
  const bool outToConsole = OpenConsole(STD_OUTPUT_HANDLE, console);
  // The pictures only where the console agrees to read their sequences; a
  // console that refuses gets the plain lines.
  if (outToConsole && !RunningUnderWine()) {
    terminal.isTerminal =
        SetConsoleMode(console.handle, console.originalMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  }
  const bool errToConsole = OpenConsole(STD_ERROR_HANDLE, errorConsole);
  Output out = outToConsole ? Output(WriteToConsole, &console) : Output(WriteToFile, stdout);
  Output err = errToConsole ? Output(WriteToConsole, &errorConsole) : Output(WriteToFile, stderr);

  Utf8Arguments arguments;
  int status = ExitFailure;
  if (ConvertArguments(argc, argv, arguments)) {
    status = RunBands({arguments.views, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)}, out,
                      err, terminal);
  } else {
    err.Line("bands: out of memory");
  }
  std::free(arguments.views);
  std::free(arguments.text);
  if (terminal.isTerminal) SetConsoleMode(console.handle, console.originalMode);
  // A full disk or a closed pipe must not pass for success.
  const bool written =
      outToConsole ? !console.failed : std::fflush(stdout) == 0 && !std::ferror(stdout);
  return written ? status : ExitFailure;
}

#else

int main(int argc, char** argv) {
  OutputTerminal terminal;
  ReadEnvironment(terminal);
  terminal.isTerminal = isatty(STDOUT_FILENO) != 0;
  Output out(WriteToFile, stdout);
  Output err(WriteToFile, stderr);
  // The arguments as views, in a block of their own: no container that
  // could throw.
  auto* const views =
      static_cast<std::string_view*>(std::malloc(sizeof(std::string_view) * (argc + 1)));
  if (views == nullptr) {
    err.Line("bands: out of memory");
    return ExitFailure;
  }
  const std::size_t count = argc > 0 ? static_cast<std::size_t>(argc - 1) : 0;
  for (std::size_t i = 0; i < count; ++i) views[i] = argv[i + 1];
  const int status = RunBands({views, count}, out, err, terminal);
  std::free(views);
  // A full disk or a closed pipe must not pass for success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) return ExitFailure;
  return status;
}

#endif
