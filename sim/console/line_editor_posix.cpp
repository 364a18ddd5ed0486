// The console's lines at a terminal on POSIX systems, edited through libedit (BSD licence): emacs-style
// keys, the history on the up and down arrows, and TAB completing the word before the cursor through
// LineEditing::complete. When libedit cannot take the terminal, the lines are read plainly.
//
// Requests to end are held while the console runs (platform/requests_to_end.h). libedit reads each key
// through readKey, which waits for the key or a request in one step; a request makes el_gets return, and
// next() then drops the line being typed (Ctrl+C: "^C" and a new prompt, as a shell does) or ends the
// input (SIGTERM, SIGHUP). Rationale: libedit's own signal handling (EL_SIGNAL) is off, as it ends the
// process on those signals, and on the others only keeps the terminal right while the process is stopped
// or resized, which the shell and the next line's set-up do as well.
#include "console/line_editor.h"

#include "command_words.h"
#include "console/console_history.h"
#include "console/script_reader.h"
#include "platform/files.h"
#include "platform/requests_to_end.h"

#include <fmt/format.h>

#include <histedit.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <ostream>

namespace kadenzo::sim {

namespace {

constexpr const char* inputName = "<stdin>";

class EditedLines : public LineSource {
public:
    EditedLines(LineEditing editing, std::ostream& out) : editing(std::move(editing)), out(out) {}
    ~EditedLines() override {
        if (editor) ::el_end(editor);
        if (recall) ::history_end(recall);
    }
    EditedLines(const EditedLines&) = delete;
    EditedLines& operator=(const EditedLines&) = delete;

    // False when libedit cannot be set up; the lines are then read plainly.
    bool open();

    bool next(std::string& line) override;
    void skipRestOfLine() override {}
    const std::string& name() const override { return sourceName; }
    int lineNumber() const override { return lines; }

private:
    static char* prompt(EditLine*) { return const_cast<char*>(consolePrompt); }
    static unsigned char completeWord(EditLine* editor, int key);
    static int readKey(EditLine* editor, wchar_t* key);
    void remember(const std::string& line);

    LineEditing editing;
    std::ostream& out;
    std::string sourceName = inputName;
    // Why the wait for a key failed, when it did.
    std::string waitFailure;
    int lines = 0;
    History* recall = nullptr;
    EditLine* editor = nullptr;
};

bool EditedLines::open() {
    // Characters beyond ASCII as the terminal's locale has them; numbers keep the C locale.
    std::setlocale(LC_CTYPE, "");
    recall = ::history_init();
    if (!recall) return false;
    HistEvent event;
    ::history(recall, &event, H_SETSIZE, static_cast<int>(ConsoleHistory::mostLines));
    ::history(recall, &event, H_SETUNIQUE, 1);
    for (const std::string& line : editing.history)
        remember(line);
    editor = ::el_init("kadenzo-sim", stdin, stdout, stderr);
    if (!editor) return false;
    ::el_set(editor, EL_CLIENTDATA, this);
    ::el_set(editor, EL_EDITOR, "emacs");
    ::el_set(editor, EL_SIGNAL, 0);
    ::el_wset(editor, EL_GETCFN, &EditedLines::readKey);
    ::el_set(editor, EL_PROMPT, &EditedLines::prompt);
    ::el_set(editor, EL_HIST, ::history, recall);
    // Rationale: the wide call keeps the name and help given, which live as long as the program; the
    // narrow one copies them and never frees the copies.
    ::el_wset(editor, EL_ADDFN, L"kadenzo-complete", L"complete a command, variable or game function",
              &EditedLines::completeWord);
    ::el_set(editor, EL_BIND, "^I", "kadenzo-complete", nullptr);
    return true;
}

void EditedLines::remember(const std::string& line) {
    HistEvent event;
    ::history(recall, &event, H_ENTER, line.c_str());
}

bool EditedLines::next(std::string& line) {
    out << std::flush;
    // A Ctrl+C while the last command ran: the terminal showed it; the prompt goes on a line of its own.
    if (platform::takeHeldInterrupt()) std::fputs("\n", stdout);
    for (;;) {
        if (platform::heldEndingSignal() != 0) return false;
        int count = 0;
        errno = 0;
        const char* text = ::el_gets(editor, &count);
        const bool whole = text && count > 0 && text[count - 1] == '\n';
        if (!whole && platform::heldEndingSignal() != 0) {
            std::fputs("\n", stdout);
            return false;
        }
        if (!whole && platform::takeHeldInterrupt()) {
            std::fputs("^C\n", stdout);
            continue;
        }
        if (!waitFailure.empty())
            throw ScriptUnreadable(fmt::format("cannot read script {}: {}", sourceName, waitFailure));
        if (!text && count < 0 && errno == EINTR) continue;
        if (!text || count <= 0) {
            if (count < 0)
                throw ScriptUnreadable(
                    fmt::format("cannot read script {}: {}", sourceName, std::strerror(errno)));
            // The end of the input (Ctrl+D) leaves the terminal's cursor after the prompt.
            std::fputs("\n", stdout);
            return false;
        }
        line.assign(text, static_cast<std::size_t>(count));
        break;
    }
    if (!line.empty() && line.back() == '\n') line.pop_back();
    ++lines;
    if (line.size() > ScriptReader::longestLine)
        throw ConsoleError(fmt::format("the line is longer than {} bytes", ScriptReader::longestLine));
    if (line.find_first_not_of(" \t\r") != std::string::npos) remember(line);
    return true;
}

// One key for libedit, decoded as the terminal's locale has it; -1 with errno EINTR when a request came
// first, which ends el_gets. Bytes that are no character are dropped, as libedit's own reading does.
int EditedLines::readKey(EditLine* editor, wchar_t* key) {
    EditedLines* self = nullptr;
    ::el_get(editor, EL_CLIENTDATA, &self);
    char bytes[MB_LEN_MAX];
    std::size_t count = 0;
    for (;;) {
        try {
            if (!platform::waitForInputOrRequest()) {
                errno = EINTR;
                return -1;
            }
        } catch (const platform::FileSystemError& failure) {
            if (self) self->waitFailure = failure.what();
            errno = EIO;
            return -1;
        }
        char byte = 0;
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got == 0) return 0;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return -1;
        }
        bytes[count++] = byte;
        std::mbstate_t state{};
        const std::size_t size = std::mbrtowc(key, bytes, count, &state);
        if (size == static_cast<std::size_t>(-2) && count < sizeof bytes) continue;
        if (size == static_cast<std::size_t>(-1) || size == static_cast<std::size_t>(-2)) {
            count = 0;
            continue;
        }
        return 1;
    }
}

// Inserts what is certain; with nothing certain and several candidates, lists them under the line.
unsigned char EditedLines::completeWord(EditLine* editor, int /*key*/) {
    EditedLines* self = nullptr;
    ::el_get(editor, EL_CLIENTDATA, &self);
    const LineInfo* info = ::el_line(editor);
    if (!self || !self->editing.complete || !info) return CC_ERROR;
    const std::string beforeCursor(info->buffer, static_cast<std::size_t>(info->cursor - info->buffer));
    const Completion completion = self->editing.complete(beforeCursor);
    const std::string insertion = completionInsertion(completion, beforeCursor);
    if (!insertion.empty()) return ::el_insertstr(editor, insertion.c_str()) == 0 ? CC_REFRESH : CC_ERROR;
    if (completion.candidates.size() < 2) return CC_REFRESH_BEEP;
    std::string list = "\n";
    for (const std::string& candidate : completion.candidates)
        list += candidate + "  ";
    list += '\n';
    std::fputs(list.c_str(), stdout);
    return CC_REDISPLAY;
}

// Without libedit: whole lines as the terminal's own line discipline edits them, which drops the line
// being typed on Ctrl+C itself. The requests held are taken before each line; one that comes while a
// line is read waits for the line (a second request to end ends the process).
class PlainLines : public ScriptReader {
public:
    explicit PlainLines(std::ostream& out) : ScriptReader(stdin, inputName, &out) {}

    bool next(std::string& line) override {
        if (platform::takeHeldInterrupt()) std::fputs("\n", stdout);
        if (platform::heldEndingSignal() != 0) return false;
        return ScriptReader::next(line);
    }
};

} // namespace

std::unique_ptr<LineSource> openTerminalInput(LineEditing editing, std::ostream& out) {
    auto edited = std::make_unique<EditedLines>(std::move(editing), out);
    if (edited->open()) return edited;
    return std::make_unique<PlainLines>(out);
}

} // namespace kadenzo::sim
