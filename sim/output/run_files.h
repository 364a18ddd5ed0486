// The files one run of kadenzo-sim reads and writes, declared as the run learns of them, so that no
// output of the run is written over one of its inputs or over another of its outputs. Files are
// compared by identity (platform::fileIdentity), not by their spelling: "r.xml", "./r.xml", an absolute
// name and a hard link are one file; a file that does not exist yet is its folder's identity and its
// name.
//
// main.cpp makes one RunFiles for the whole run of any command; the commands declare what they name:
//     declareInput(pluginPath, "the plugin module");        // loadPlugin does this for every module
//     declareOutput(csvPath, "the CSV file (--csv)");       // with the option, before anything runs
// and OutputFile consults the current RunFiles on its own, so an output that nobody declared (a
// screenshot a script asks for) is still never written over an input. Nor is any output written over
// a file the process has loaded, declared or not (refuseLoadedFile): kadenzo-sim itself, pluginsdk,
// a system library, a plugin loaded a moment ago.
#pragma once

#include "platform/files.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::output {

// How the run uses a file.
enum class FileUse {
    read,    // an input: the module, a script, kadenzo-sim itself
    written, // an output the run was asked for: --csv, --json, a picture of --out
    kept,    // read at the start and written back at exit: the settings of --config and their history
};

// Whether an OutputFile writes a kept file back (only the code that keeps it does) or anything else.
enum class Purpose { output, keptFile };

class RunFiles {
public:
    // Declares kadenzo-sim's own executable, read, and becomes the current run's files until destroyed.
    // A RunFiles made while another is current stands in for it until it goes.
    RunFiles();
    ~RunFiles();
    RunFiles(const RunFiles&) = delete;
    RunFiles& operator=(const RunFiles&) = delete;

    // The RunFiles of the run in progress, null when none was made (some unit tests).
    static RunFiles* current();

    // Declares PATH, which messages call WHAT ("the module under test"). Throws OutputError when it is the
    // same file as one declared already and either of the two is written: "cannot write OUT: it is the
    // same file as OTHER, WHAT" (or "it is WHAT" when the two are spelled alike), OUT being the one
    // written. Declaring one file twice for the same use and WHAT, or reading it twice, is no conflict.
    void declare(const std::string& path, FileUse use, std::string what);

    // Throws OutputError when TARGET is the same file as a declared file the run reads, unless PURPOSE
    // is Purpose::keptFile and it is that kept file. Declared outputs may be written again.
    void checkWrite(const std::string& target, Purpose purpose) const;

private:
    struct Entry {
        std::string spelling;
        std::string what;
        FileUse use;
        std::optional<platform::FileIdentity> identity;
        std::optional<platform::FileIdentity> folder;
        std::filesystem::path name;
        std::filesystem::path lexical; // absolute and normal, for names whose folder does not exist yet
    };
    static Entry entryFor(const std::string& path, FileUse use, std::string what);
    static bool sameFile(const Entry& first, const Entry& second);

    std::vector<Entry> entries;
    RunFiles* previous;
};

// The same on the current run's files; without a current RunFiles, only what can be checked alone.
// Inputs that cannot be looked at (a missing script) are declared by name.
void declareInput(const std::string& path, const char* what);
// Also checks that the target could be written (checkTarget). Throws OutputError.
void declareOutput(const std::string& path, const char* what);

// Throws OutputError when TARGET is the same file, by identity, as one the process has loaded at this
// moment (platform::loadedFiles): "cannot write OUT: it is the same file as PATH, a library kadenzo-sim
// has loaded" (or kadenzo-sim itself, or a file it has mapped into its memory). With or without a
// current RunFiles; checkTarget, and so every output, asks it after the run's own files.
void refuseLoadedFile(const std::string& target);

} // namespace kadenzo::output
