// Child processes on Windows: CreateProcessW with the three standard handles on pipes and no other
// handle inherited (an explicit list), in a job object that kills every process in it when its last
// handle closes, so when this process ends however it ends; the pipes drained while waiting, the job
// ended when the process ends or its time is up. A crash shows as the exception code in the exit status,
// which is how it shows under Wine too.
//
// Index of this file:
// - Text and handles
// - The command line
// - Exit codes
// - The job of the running child
// - Starting: pipes, the handle list, the job
// - runChildProcess
// - The child's side
#include "platform/child_process.h"

#include "platform/requests_to_end.h"
#include "platform/windows_error.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
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

// Reads whatever the pipe holds now, without waiting, at most LIMIT bytes.
void drain(HANDLE pipe, const std::function<void(std::string_view)>& sink, std::size_t limit) {
    char buffer[65536];
    DWORD available = 0;
    for (std::size_t total = 0;
         total < limit && PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0;) {
        DWORD got = 0;
        if (!ReadFile(pipe, buffer, static_cast<DWORD>(sizeof buffer), &got, nullptr) || got == 0) return;
        total += got;
        if (sink) sink(std::string_view(buffer, got));
    }
}

// The exit status the processes get when the job is ended; never reported, since timedOut or the
// process's own status says it.
constexpr UINT endedExitCode = 0x4B5A0001;

// ---- The job of the running child ------------------------------------------------------------------

// The job of the check running now; null when none runs. Read by the handler of a request to end.
std::atomic<HANDLE> runningJob{nullptr};

void endRunningJob() noexcept {
    if (const HANDLE job = runningJob.load()) TerminateJobObject(job, endedExitCode);
}

void endRunningJobOnRequestToEnd() {
    static const bool installed = (onRequestToEnd(endRunningJob), true);
    static_cast<void>(installed);
}

// Publishes the job while it lives.
class RunningJob {
public:
    explicit RunningJob(HANDLE job) { runningJob.store(job); }
    ~RunningJob() { runningJob.store(nullptr); }
    RunningJob(const RunningJob&) = delete;
    RunningJob& operator=(const RunningJob&) = delete;
};

// A job whose processes are all killed when its last handle closes: ours, when this process ends.
Handle makeJob() {
    Handle job(CreateJobObjectW(nullptr, nullptr));
    if (!job.get()) fail("cannot make a job object");
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        fail("cannot set up a job object");
    return job;
}

// The processes of JOB still running.
std::size_t runningInJob(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                   nullptr))
        return 0;
    return accounting.ActiveProcesses;
}

// ---- Starting --------------------------------------------------------------------------------------

struct Pipe {
    Handle readEnd;
    Handle writeEnd;
};

// A pipe whose end CHILD END ("read" or "write") the child inherits; the other end stays ours alone.
Pipe makePipe(bool childReads, DWORD size) {
    SECURITY_ATTRIBUTES attributes = inheritable();
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &attributes, size)) fail("cannot make a pipe");
    Pipe pipe{Handle(readEnd), Handle(writeEnd)};
    SetHandleInformation(childReads ? pipe.writeEnd.get() : pipe.readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

void hand(HANDLE pipe, const std::string& bytes) {
    DWORD written = 0;
    if (!bytes.empty() &&
        (!WriteFile(pipe, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
         written != bytes.size()))
        fail("cannot hand the process its input");
}

// The list of the only handles the child inherits.
class InheritedHandles {
public:
    explicit InheritedHandles(std::vector<HANDLE> handles) : handles(std::move(handles)) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage.resize(size);
        list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage.data());
        if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) fail("cannot list the inherited handles");
        if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, this->handles.data(),
                                       this->handles.size() * sizeof(HANDLE), nullptr, nullptr)) {
            DeleteProcThreadAttributeList(list);
            fail("cannot list the inherited handles");
        }
    }
    ~InheritedHandles() { DeleteProcThreadAttributeList(list); }
    InheritedHandles(const InheritedHandles&) = delete;
    InheritedHandles& operator=(const InheritedHandles&) = delete;

    LPPROC_THREAD_ATTRIBUTE_LIST get() const { return list; }

private:
    std::vector<HANDLE> handles;
    std::vector<char> storage;
    LPPROC_THREAD_ATTRIBUTE_LIST list = nullptr;
};

// Starts the program suspended, puts it in JOB and lets it run; its process handle.
Handle startInJob(const ChildRequest& request, HANDLE job, HANDLE input, HANDLE output, HANDLE error) {
    const InheritedHandles inherited({input, output, error});
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = input;
    startup.StartupInfo.hStdOutput = output;
    startup.StartupInfo.hStdError = error;
    startup.lpAttributeList = inherited.get();
    PROCESS_INFORMATION started{};
    std::wstring line = commandLine(request.program, request.arguments);
    if (!CreateProcessW(wide(request.program).c_str(), line.data(), nullptr, nullptr, TRUE,
                        CREATE_SUSPENDED | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
                        &startup.StartupInfo, &started))
        fail("cannot start " + request.program);
    Handle process(started.hProcess);
    const Handle thread(started.hThread);
    if (!AssignProcessToJobObject(job, process.get())) {
        const DWORD code = GetLastError();
        TerminateProcess(process.get(), endedExitCode);
        SetLastError(code);
        fail("cannot put " + request.program + " in a job object");
    }
    ResumeThread(thread.get());
    return process;
}

} // namespace

// ---- runChildProcess -------------------------------------------------------------------------------

FinishedChild runChildProcess(const ChildRequest& request) {
    endRunningJobOnRequestToEnd();
    const Handle job = makeJob();
    const RunningJob running(job.get());
    Pipe input = makePipe(true, 4096);
    hand(input.writeEnd.get(), request.handed);
    input.writeEnd.close();
    Pipe output = makePipe(false, 1 << 20);
    Pipe error = makePipe(false, 1 << 20);
    const Handle process =
        startInJob(request, job.get(), input.readEnd.get(), output.writeEnd.get(), error.writeEnd.get());
    input.readEnd.close();
    output.writeEnd.close();
    error.writeEnd.close();

    const Clock::time_point deadline =
        Clock::now() +
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(request.timeLimitSeconds));
    FinishedChild result;
    for (;;) {
        drain(output.readEnd.get(), request.onOutput, 1 << 20);
        drain(error.readEnd.get(), request.onError, 1 << 20);
        if (WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0) break;
        if (Clock::now() >= deadline) {
            result.timedOut = true;
            break;
        }
    }
    if (!result.timedOut) result.leftRunning = runningInJob(job.get());
    TerminateJobObject(job.get(), endedExitCode);
    WaitForSingleObject(process.get(), INFINITE);
    drain(output.readEnd.get(), request.onOutput, 4 << 20);
    drain(error.readEnd.get(), request.onError, 4 << 20);
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

// The handed bytes, at most 4 KiB, from standard input; then the null device in its place.
std::string readHanded() {
    std::string handed;
    char buffer[4096];
    while (handed.size() < sizeof buffer) {
        const int got = _read(0, buffer, static_cast<unsigned>(sizeof buffer - handed.size()));
        if (got <= 0) break;
        handed.append(buffer, static_cast<std::size_t>(got));
    }
    const int nothing = _open("NUL", _O_RDONLY);
    if (nothing >= 0) {
        _dup2(nothing, 0);
        _close(nothing);
        SetStdHandle(STD_INPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(0)));
    }
    return handed;
}

// Ends the process with the exception's code at once: no crash dialog, no debugger started.
LONG WINAPI endWithExceptionCode(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

CheckProcessChannel becomeCheckProcess() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(endWithExceptionCode);
    CheckProcessChannel channel;
    channel.handed = readHanded();
    std::fflush(stdout);
    channel.results = stdout;
    const int results = _dup(1);
    if (results < 0 || _dup2(2, 1) != 0) return channel;
    SetStdHandle(STD_OUTPUT_HANDLE, GetStdHandle(STD_ERROR_HANDLE));
    if (std::FILE* stream = _fdopen(results, "wb")) channel.results = stream;
    return channel;
}

} // namespace kadenzo::platform
