// Console variables kept across runs, as a host keeps its settings between sessions: `--config FILE`
// on every command that runs the plugin. The file is read into the host before the plugin loads and
// written again at exit. A command does, with the option taken out by takeConfigOption:
//     Simulator simulator;
//     PersistedSettings settings = PersistedSettings::read(configPath, simulator.host, std::cerr);
//     loadPlugin(simulator, ...);  ...  unloadPlugin(simulator);
//     status = settings.writeAtExit(simulator.host, status, std::cerr);
#pragma once

#include "host_state.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// Takes "--config FILE" (or "--config=FILE") out of a command's ARGUMENTS, wherever it stands before
// the "--" that ends the options: the one place where any command reads the option. Returns FILE, or ""
// when the option is not there. Throws ConsoleError when FILE is missing, empty or "-" (settings are a
// file; standard input and output cannot hold them), or the option is given twice.
std::string takeConfigOption(std::vector<std::string>& arguments);

class PersistedSettings {
public:
    // No file: nothing is read or written.
    PersistedSettings() = default;

    // Reads PATH into HOST before any plugin registers its variables. A settings file is empty or made
    // only of blank lines, '#' comments and "NAME VALUE" lines in the console's words; anything else (a
    // line of one or three words, an unterminated quote, a NUL or control byte, a line longer than a
    // script's) makes it some other file, refused as a KeptFileError "PATH:LINE: cause" naming its
    // first such line, before anything is set. The value is a console number. A variable
    // already registered (the game's) is set as the console sets it; the value of one not registered
    // yet is held for it (ConsoleVariables::hold), and the plugin's registration then takes it, clamped
    // to its range. A bad line is reported on WARNINGS as "PATH:LINE: message" and skipped; so is a held
    // value the registered variable refuses (NaN for a variable with a range), when it is registered.
    // WARNINGS must outlive HOST. No file at PATH: nothing is read, the file is created at exit. "" for
    // PATH: no file. Throws KeptFileError when PATH cannot be read or could not be written at exit
    // (kept_files.h).
    static PersistedSettings read(const std::string& path, halvex::host::HostState& host,
                                  std::ostream& warnings);

    // Writes the file back through rewriteKeptFile (kept_files.h): under its lock, what is on the disk
    // now with only what this run changed applied, as settingsText writes it. A variable this run
    // changed is one whose value at exit differs from the one it started with (the file's, or its
    // default when the file had none); its value at exit is written. Every other variable keeps the
    // value on the disk now, and one not there is added with its value at exit. So two runs sharing the
    // file keep both their changes; where both changed one variable, the one that exits last wins.
    // Returns STATUS, or keptFileNotWritten when STATUS was 0 and writing failed (the file on the disk
    // is no longer a settings file, the result would be larger than largestKeptFile, ...), which is
    // reported on ERR as "kadenzo-sim: cannot write settings PATH: cause". Nothing without a file.
    int writeAtExit(const halvex::host::HostState& host, int status, std::ostream& err) const;

    // The file, "" for none.
    const std::string& path() const { return file; }
    // Where the console keeps the lines typed at the terminal: PATH.history; "" without a file.
    std::string historyPath() const;

private:
    explicit PersistedSettings(std::string path) : file(std::move(path)) {}

    bool changedInThisRun(const halvex::host::ConsoleVariables& variables, const std::string& name,
                          const std::string& value) const;
    std::string merged(const halvex::host::ConsoleVariables& variables,
                       const std::optional<std::string>& onDisk) const;

    std::string file;
    // The value each variable started this run with: the file's, or what a variable registered before
    // the file was read held after it.
    std::map<std::string, std::string> startValues;
};

// What the settings file holds for VARIABLES: a comment line saying what wrote it, then every variable,
// registered or held, sorted by name, one "NAME VALUE" line each, which read back as the same name and
// value. A name that no console line can hold (one with a double quote or a line end) is left out.
std::string settingsText(const halvex::host::ConsoleVariables& variables);

// TEXT as one word of a console line: as it is, or double-quoted when it is empty or holds a blank or a
// '#'. Words with a double quote or a line end cannot be written (splitWords has no escapes).
std::string consoleWord(const std::string& text);
bool isWritableAsConsoleWord(const std::string& text);

} // namespace kadenzo::sim
