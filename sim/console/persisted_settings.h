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
#include <string>
#include <vector>

namespace kadenzo::sim {

// Takes "--config FILE" out of a command's ARGUMENTS, wherever it stands: the one place where any
// command reads the option. Returns FILE, or "" when the option is not there. Throws ConsoleError when
// FILE is missing or empty, or the option is given twice.
std::string takeConfigOption(std::vector<std::string>& arguments);

class PersistedSettings {
public:
    // No file: nothing is read or written.
    PersistedSettings() = default;

    // Reads PATH into HOST before any plugin registers its variables. A line is "NAME VALUE" in the
    // console's words (blank lines and '#' comments aside), the value a console number. A variable
    // already registered (the game's) is set as the console sets it; the value of one not registered
    // yet is held for it (ConsoleVariables::hold), and the plugin's registration then takes it, clamped
    // to its range. A bad line is reported on WARNINGS as "PATH:LINE: message" and skipped; so is a held
    // value the registered variable refuses (NaN for a variable with a range), when it is registered.
    // WARNINGS must outlive HOST. No file at PATH: nothing is read, the file is created at exit. "" for
    // PATH: no file. Throws KeptFileError when PATH cannot be read or could not be written at exit
    // (kept_files.h).
    static PersistedSettings read(const std::string& path, halvex::host::HostState& host,
                                  std::ostream& warnings);

    // Writes settingsText(HOST) to the file through OutputFile. Returns STATUS, or keptFileNotWritten
    // when STATUS was 0 and writing failed, which is reported on ERR as "kadenzo-sim: cannot write
    // settings PATH: cause". Nothing without a file.
    int writeAtExit(const halvex::host::HostState& host, int status, std::ostream& err) const;

    // The file, "" for none.
    const std::string& path() const { return file; }
    // Where the console keeps the lines typed at the terminal: PATH.history; "" without a file.
    std::string historyPath() const;

private:
    explicit PersistedSettings(std::string path) : file(std::move(path)) {}

    std::string file;
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
