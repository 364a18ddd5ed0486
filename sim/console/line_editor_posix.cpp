// The console's lines at a terminal on POSIX systems, edited through libedit (BSD licence): emacs-style
// keys, the history on the up and down arrows, and TAB completing the word before the cursor through
// LineEditing::complete. When libedit cannot take the terminal, the lines are read plainly.
#include "console/line_editor.h"

#include "command_words.h"
#include "console/console_history.h"
#include "console/script_reader.h"

#include <fmt/format.h>

#include <histedit.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
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
    void remember(const std::string& line);

    LineEditing editing;
    std::ostream& out;
    std::string sourceName = inputName;
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
    // Puts the terminal back as it was when the process is ended while a line is edited.
    ::el_set(editor, EL_SIGNAL, 1);
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
    int count = 0;
    const char* text = nullptr;
    do {
        errno = 0;
        text = ::el_gets(editor, &count);
    } while (!text && count < 0 && errno == EINTR);
    if (!text || count <= 0) {
        if (count < 0)
            throw ScriptUnreadable(
                fmt::format("cannot read script {}: {}", sourceName, std::strerror(errno)));
        // The end of the input (Ctrl+D) leaves the terminal's cursor after the prompt.
        std::fputs("\n", stdout);
        return false;
    }
    line.assign(text, static_cast<std::size_t>(count));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    ++lines;
    if (line.size() > ScriptReader::longestLine)
        throw ConsoleError(fmt::format("the line is longer than {} bytes", ScriptReader::longestLine));
    if (line.find_first_not_of(" \t\r") != std::string::npos) remember(line);
    return true;
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

} // namespace

std::unique_ptr<LineSource> openTerminalInput(LineEditing editing, std::ostream& out) {
    auto edited = std::make_unique<EditedLines>(std::move(editing), out);
    if (edited->open()) return edited;
    return std::make_unique<ScriptReader>(stdin, inputName, &out);
}

} // namespace kadenzo::sim
