// Child processes on Windows: CreateProcessW with standard output on a pipe, the pipe drained while
// waiting for the process, TerminateProcess when the time is up. A crash shows as the exception code in
// the exit status, which is how it shows under Wine too.
//
// Index of this file:
// - Text and handles
// - The command line
// - runChildProcess
// - The child's side
#include "platform/child_process.h"

#include "platform/windows_error.h"

#include <windows.h>

#include <io.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <utility>

namespace kadenzo::platform {

namespace {

// ---- Text and handles ------------------------------------------------------------------------------

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length,
                        nullptr, nullptr);
    return result;
}

[[noreturn]] void fail(const std::string& what) {
    throw ChildProcessError(what + ": " + windowsErrorText(GetLastError()));
}

class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE value) : value(value == INVALID_HANDLE_VALUE ? nullptr : value) {}
    ~Handle() { close(); }
    Handle(Handle&& other) noexcept : value(std::exchange(other.value, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            close();
            value = std::exchange(other.value, nullptr);
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return value; }
    void close() {
        if (value) CloseHandle(value);
        value = nullptr;
    }

private:
    HANDLE value = nullptr;
};

SECURITY_ATTRIBUTES inheritable() {
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.bInheritHandle = TRUE;
    return attributes;
}

// This process's standard error as a handle the child inherits; none when there is none.
Handle inheritableStandardError() {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (!error || error == INVALID_HANDLE_VALUE) return Handle();
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), error, GetCurrentProcess(), &copy, 0, TRUE,
                         DUPLICATE_SAME_ACCESS))
        return Handle();
    return Handle(copy);
}

// ---- The command line ------------------------------------------------------------------------------

// One argument as the C runtime's parser reads it back: quoted when needed, backslashes doubled only
// before a quote.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : argument) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        result.append(character == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        result += character;
    }
    result.append(backslashes * 2, L'\\');
    return result + L"\"";
}

std::wstring commandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::wstring line = quoted(wide(program));
    for (const std::string& argument : arguments)
        line += L" " + quoted(wide(argument));
    return line;
}

// ---- Exit codes ------------------------------------------------------------------------------------

struct ExceptionName {
    DWORD code;
    const char* name;
};

constexpr std::array<ExceptionName, 9> exceptionNames{{
    {0xC0000005, "access violation"},
    {0xC00000FD, "stack overflow"},
    {0xC0000094, "integer division by zero"},
    {0xC0000409, "fast fail"},
    {0xC000001D, "illegal instruction"},
    {0xC0000096, "privileged instruction"},
    {0xC0000374, "heap corruption"},
    {0xC0000025, "noncontinuable exception"},
    {0xE06D7363, "C++ exception"},
}};

// Exit codes from 0xC0000000 on are the codes of exceptions that ended the process.
bool isExceptionCode(DWORD code) {
    return code >= 0xC0000000;
}

std::string exceptionDescription(DWORD code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
    std::string text = std::string("exception ") + hex;
    for (const ExceptionName& exception : exceptionNames)
        if (exception.code == code) text += std::string(" (") + exception.name + ")";
    return text;
}

using Clock = std::chrono::steady_clock;

// Reads whatever the pipe holds now, without waiting.
void drain(HANDLE pipe, std::string& output) {
    char buffer[65536];
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        DWORD got = 0;
        if (!ReadFile(pipe, buffer, static_cast<DWORD>(sizeof buffer), &got, nullptr) || got == 0) return;
        output.append(buffer, got);
    }
}

// The exit status the process gets when its time is up; never reported, since timedOut says it.
constexpr UINT timedOutExitCode = 0x4B5A0001;

} // namespace

// ---- runChildProcess -------------------------------------------------------------------------------

FinishedChild runChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                              double timeLimitSeconds) {
    SECURITY_ATTRIBUTES attributes = inheritable();
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &attributes, 1 << 20)) fail("cannot make a pipe");
    Handle output(readEnd);
    Handle childOutput(writeEnd);
    // Only the child's end is inherited.
    SetHandleInformation(output.get(), HANDLE_FLAG_INHERIT, 0);
    Handle input(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const Handle error = inheritableStandardError();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.get();
    startup.hStdOutput = childOutput.get();
    startup.hStdError = error.get();
    PROCESS_INFORMATION started{};
    std::wstring line = commandLine(program, arguments);
    if (!CreateProcessW(wide(program).c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started))
        fail("cannot start " + program);
    const Handle process(started.hProcess);
    CloseHandle(started.hThread);
    childOutput.close();

    const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                          std::chrono::duration<double>(timeLimitSeconds));
    FinishedChild result;
    for (;;) {
        drain(output.get(), result.output);
        if (WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0) break;
        if (Clock::now() >= deadline) {
            TerminateProcess(process.get(), timedOutExitCode);
            WaitForSingleObject(process.get(), INFINITE);
            result.timedOut = true;
            break;
        }
    }
    drain(output.get(), result.output);
    if (result.timedOut) return result;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    if (isExceptionCode(code))
        result.crash = exceptionDescription(code);
    else
        result.exitStatus = code;
    return result;
}

std::string ownExecutablePath() {
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    return utf8(buffer);
}

// ---- The child's side ------------------------------------------------------------------------------

namespace {

// Ends the process with the exception's code at once: no crash dialog, no debugger started.
LONG WINAPI endWithExceptionCode(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

std::FILE* becomeCheckProcess() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(endWithExceptionCode);
    std::fflush(stdout);
    const int results = _dup(1);
    if (results < 0 || _dup2(2, 1) != 0) return stdout;
    SetStdHandle(STD_OUTPUT_HANDLE, GetStdHandle(STD_ERROR_HANDLE));
    std::FILE* stream = _fdopen(results, "wb");
    return stream ? stream : stdout;
}

} // namespace kadenzo::platform
