// The files of a run and the conflicts between them.
//
// Index of this file:
// - Entries: what a declared file is known by
// - RunFiles: declaring and checking
// - The current run
// - The files the process has loaded
#include "output/run_files.h"

#include "output/output_file.h"
#include "platform/child_process.h"
#include "platform/loaded_files.h"

namespace kadenzo::output {

namespace fs = std::filesystem;

namespace {

RunFiles* currentRun = nullptr;

constexpr const char* executableWhat = "kadenzo-sim itself";

// A file that cannot be looked at (a folder without search permission, a name too long) is known by
// its name alone; opening it will say what is wrong.
std::optional<platform::FileIdentity> identityOf(const fs::path& path, platform::Links links) {
    try {
        return platform::fileIdentity(path, links);
    } catch (const platform::FileSystemError&) {
        return std::nullopt;
    }
}

fs::path lexicalName(const fs::path& path) {
    std::error_code ignored;
    const fs::path absolute = fs::absolute(path, ignored);
    return (absolute.empty() ? path : absolute).lexically_normal();
}

bool isWritten(FileUse use) {
    return use != FileUse::read;
}

} // namespace

// ---- Entries -----------------------------------------------------------------------------------

// Rationale: an input is what its name leads to, links followed, since that is what is read; an output
// is the name itself, as outputs are never written through links.
RunFiles::Entry RunFiles::entryFor(const std::string& path, FileUse use, std::string what) {
    const fs::path name = fs::u8path(path);
    const fs::path folder = name.has_parent_path() ? name.parent_path() : fs::path(".");
    const platform::Links links =
        use == FileUse::read ? platform::Links::followed : platform::Links::notFollowed;
    return Entry{path,
                 std::move(what),
                 use,
                 identityOf(name, links),
                 identityOf(folder, platform::Links::followed),
                 name.filename(),
                 lexicalName(name)};
}

bool RunFiles::sameFile(const Entry& first, const Entry& second) {
    if (first.identity && second.identity && *first.identity == *second.identity) return true;
    if (first.folder && second.folder)
        return *first.folder == *second.folder && platform::sameNameInFolder(first.name, second.name);
    return first.lexical == second.lexical;
}

// ---- RunFiles ----------------------------------------------------------------------------------

namespace {

[[noreturn]] void refuse(const std::string& written, const std::string& other, const std::string& what) {
    if (written == other) throw OutputError("cannot write " + written + ": it is " + what);
    throw OutputError("cannot write " + written + ": it is the same file as " + other + ", " + what);
}

} // namespace

RunFiles::RunFiles() : previous(currentRun) {
    currentRun = this;
    try {
        declare(platform::ownExecutablePath(), FileUse::read, executableWhat);
    } catch (...) {
        currentRun = previous;
        throw;
    }
}

RunFiles::~RunFiles() {
    currentRun = previous;
}

RunFiles* RunFiles::current() {
    return currentRun;
}

void RunFiles::declare(const std::string& path, FileUse use, std::string what) {
    Entry entry = entryFor(path, use, std::move(what));
    // Rationale: a file declared again (a module loaded a thousand times) is kept once, so that the
    // run's files do not grow with its length.
    for (const Entry& other : entries)
        if (use == other.use && entry.what == other.what && sameFile(entry, other)) return;
    for (const Entry& other : entries) {
        if (!isWritten(use) && !isWritten(other.use)) continue;
        if (!sameFile(entry, other)) continue;
        if (isWritten(use))
            refuse(entry.spelling, other.spelling, other.what);
        else
            refuse(other.spelling, entry.spelling, entry.what);
    }
    entries.push_back(std::move(entry));
}

void RunFiles::checkWrite(const std::string& target, Purpose purpose) const {
    const Entry written = entryFor(target, FileUse::written, "");
    for (const Entry& other : entries) {
        if (other.use == FileUse::written) continue;
        if (other.use == FileUse::kept && purpose == Purpose::keptFile) continue;
        if (sameFile(written, other)) refuse(target, other.spelling, other.what);
    }
}

// ---- The current run ---------------------------------------------------------------------------

void declareInput(const std::string& path, const char* what) {
    if (RunFiles* run = RunFiles::current()) run->declare(path, FileUse::read, what);
}

void declareOutput(const std::string& path, const char* what) {
    checkTarget(path);
    if (RunFiles* run = RunFiles::current()) run->declare(path, FileUse::written, what);
}

// ---- The files the process has loaded ----------------------------------------------------------

namespace {

const char* loadedWhat(platform::LoadedKind kind) {
    switch (kind) {
    case platform::LoadedKind::program:
        return executableWhat;
    case platform::LoadedKind::data:
        return "a file kadenzo-sim has mapped into its memory";
    default:
        return "a library kadenzo-sim has loaded";
    }
}

} // namespace

// Rationale: asked of the system for each output rather than declared once, since the libraries a run
// maps are not its to list (the system's loader picks them, a plugin brings its own) and a module
// loaded in the middle of a run is one from then on. An output is renamed over its target, which
// leaves a mapped file intact in this process but hands the next one whatever was written.
void refuseLoadedFile(const std::string& target) {
    const std::optional<platform::FileIdentity> written =
        identityOf(fs::u8path(target), platform::Links::notFollowed);
    if (!written) return;
    for (const platform::LoadedFile& loaded : platform::loadedFiles())
        if (loaded.identity == *written) refuse(target, loaded.path.u8string(), loadedWhat(loaded.kind));
}

} // namespace kadenzo::output
