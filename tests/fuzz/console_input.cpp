// One input of the console fuzzer: the bounds an input must keep, the scratch folder, the plugin
// module kept mapped, and the run itself.
//
// Index of this file:
// - Bounds
// - The scratch folder
#include "console_input.h"

#include "console/console.h"
#include "console/script_reader.h"
#include "loader/dynamic_library.h"
#include "loader/modules.h"
#include "render/offscreen_renderer.h"
#include "simulator.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kadenzo::fuzz {

namespace {

namespace fs = std::filesystem;
using sim::ConsoleError;

[[noreturn]] void giveUp(const std::string& message) {
    std::cerr << "console fuzzer: " << message << std::endl;
    std::exit(1);
}

// ---- Bounds ------------------------------------------------------------------------------------

// Rationale: libFuzzer reports an input that runs longer than -timeout as a hang and one that needs
// more than -rss_limit_mb as running out of memory. Some commands are slow or huge by design: "frame
// 1000000" renders for minutes under the sanitizers, and a picture of a 16384 x 16384 canvas needs
// gigabytes. An input that asks for more than these bounds is not run, so that what libFuzzer reports
// is a fault and not a command doing what it was told. Each bound is well above what the console
// scripts of the tests ask for; together they keep any input of a few kilobytes within a few seconds
// in the fuzz build (a frame takes well under a millisecond there, a picture of 2048 x 2048 about one
// second).
constexpr long mostFrames = 2000;           // the frames of "frame N" lines and of pointer input, added up
constexpr int mostScreenshots = 2;          // "screenshot" lines
constexpr int largestPictureSide = 2048;    // either side of the canvas a screenshot pictures
constexpr std::size_t mostAttempts = 10000; // the codes of "attempts" lines, added up

// Frames one pointer or window command renders when it finds its target at once; a label looked for
// among several widgets renders more, which the bound above leaves room for.
constexpr int framesOfPointerInput = 4;
// Frames `slide` renders more to find out whether a slider takes real numbers, when its value is no int.
constexpr int framesOfSliderTypeCheck = 5;

// What the console takes from TEXT as a number from 1 to MOST; nothing when it refuses it (such a
// line is an error and costs nothing).
std::optional<int> acceptedNumber(const std::string& text, int most) {
    try {
        return sim::requireWholeNumber(text, 1, most, "the number");
    } catch (const ConsoleError&) {
        return std::nullopt;
    }
}

// What the lines of one input ask for, added up line by line.
class Budget {
public:
    // False when the line takes the input beyond a bound, or asks for something no input may do.
    bool allows(const std::string& line) {
        std::vector<std::string> words;
        try {
            words = sim::splitWords(line);
        } catch (const ConsoleError&) {
            return true; // the console refuses the line before doing anything
        }
        if (words.empty()) return true;
        const std::string& command = words[0];
        if (command == "frame" && words.size() == 2)
            frames += acceptedNumber(words[1], sim::largestFrameCount).value_or(0);
        else if (command == "frame" || command == "mouse")
            frames += 1;
        else if (command == "hover" || command == "click" || command == "close" || command == "collapse")
            frames += framesOfPointerInput;
        else if (command == "slide")
            frames += framesOfPointerInput + framesOfSliderTypeCheck;
        else if (command == "canvas" && words.size() == 3)
            resizeCanvas(words[1], words[2]);
        else if (command == "screenshot")
            return allowsScreenshot(words);
        else if (command == "attempts" && words.size() == 2)
            attempts += words[1].size();
        else if (command == "plugin")
            return allowsPluginCommand(words);
        return frames <= mostFrames && attempts <= mostAttempts;
    }

private:
    void resizeCanvas(const std::string& widthText, const std::string& heightText) {
        constexpr int largest = render::OffscreenRenderer::largestSize;
        const std::optional<int> width = acceptedNumber(widthText, largest);
        const std::optional<int> height = acceptedNumber(heightText, largest);
        if (width && height) {
            canvasWidth = *width;
            canvasHeight = *height;
        }
    }

    bool allowsScreenshot(const std::vector<std::string>& words) {
        ++screenshots;
        return screenshots <= mostScreenshots && canvasWidth <= largestPictureSide &&
               canvasHeight <= largestPictureSide && (words.size() != 2 || staysInScratchFolder(words[1]));
    }

    // Rationale: pictures are written in the scratch folder only. An absolute name, or one that climbs
    // out with "..", could be anywhere on the system, and the fuzzer would write over whatever is there;
    // a NUL byte would cut the name short where the system reads it.
    static bool staysInScratchFolder(const std::string& name) {
        const fs::path path(name);
        if (path.is_absolute() || path.has_root_path() || name.find('\0') != std::string::npos) return false;
        for (const fs::path& part : path)
            if (part == "..") return false;
        return true;
    }

    // Rationale: "plugin load PATH" loads any file on the system as a module and runs its code. Only the
    // plugin beside the program is loaded ("plugin load" with no path), as it was built with the
    // fuzzer's instrumentation and is kept mapped for it.
    static bool allowsPluginCommand(const std::vector<std::string>& words) {
        return !(words.size() >= 3 && words[1] == "load");
    }

    long frames = 0;
    std::size_t attempts = 0;
    int screenshots = 0;
    int canvasWidth = 1920; // the canvas at start
    int canvasHeight = 1080;
};

// The input's lines as a script's are read: split at line ends, a byte-order mark at the start
// dropped. A line too long to be read is left out, as the console skips it after reporting it.
std::vector<std::string> linesOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    if (size == 0) return lines;
    // Opened for reading only; fmemopen merely has no const overload.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(const_cast<std::uint8_t*>(data), size, "rb"), &std::fclose);
    if (!file) giveUp(std::string("cannot read an input from memory: ") + std::strerror(errno));
    sim::ScriptReader reader(file.get(), "input");
    std::string line;
    for (;;) {
        try {
            if (!reader.next(line)) break;
            lines.push_back(line);
        } catch (const ConsoleError&) {
            reader.skipRestOfLine();
        }
    }
    return lines;
}

// ---- The scratch folder ------------------------------------------------------------------------

// A folder of the process's own under the system's temporary folder, removed at a normal exit.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "kadenzo-console-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            giveUp("cannot make a scratch folder: " + std::string(std::strerror(errno)));
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& location() const { return path; }

private:
    fs::path path;
};

std::optional<ScratchFolder>& scratchFolder() {
    static std::optional<ScratchFolder> folder;
    return folder;
}

// Works in the scratch folder while it lives; then empties it, so that every input starts in an empty
// folder and pictures do not pile up, and goes back to the folder it came from.
// Rationale: only the input runs there. libFuzzer's own files (the corpus, the dictionary) and the
// programs it starts again (to merge, for -jobs) are named relative to the starting folder.
class InScratchFolder {
public:
    InScratchFolder() : folder(*scratchFolder()), previous(fs::current_path()) { change(folder.location()); }
    ~InScratchFolder() {
        change(previous);
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.location(), error))
            fs::remove_all(entry.path(), error);
        if (error) giveUp("cannot empty " + folder.location().string() + ": " + error.message());
    }
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

private:
    static void change(const fs::path& path) {
        if (::chdir(path.c_str()) != 0)
            giveUp("cannot work in " + path.string() + ": " + std::strerror(errno));
    }

    const ScratchFolder& folder;
    const fs::path previous;
};

const std::string& pluginPath() {
    static const std::string path = sim::executableDirectory() + "/" + sim::pluginModuleFileName();
    return path;
}

// Rationale: libFuzzer registers a module's coverage counters when the module is mapped and reads them
// after every input from then on. Were the module unmapped when an input unloads the plugin, it would
// read memory that is gone, and every new mapping would take another of its limited module slots. So the
// module stays mapped for the whole run: every input still loads the plugin anew (getPlugin, onLoad,
// and at the end onUnload, deleteMe), and the plugin's code keeps no state of its own outside the
// object; Dear ImGui's context is handed to it again on every load.
void keepPluginMapped() {
    if (!dlopen(pluginPath().c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
        const char* reason = dlerror();
        giveUp("cannot load " + pluginPath() + ": " + (reason ? reason : "unknown error"));
    }
}

} // namespace

void prepareConsoleInputs() {
    keepPluginMapped();
    scratchFolder().emplace();
}

void runConsoleInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = linesOf(data, size);
    Budget budget;
    for (const std::string& line : lines)
        if (!budget.allows(line)) return;

    const InScratchFolder scratch;
    sim::Simulator simulator;
    simulator.defaultPluginPath = pluginPath();
    simulator.host.setTraceSink([](const std::string&) {});
    try {
        sim::loadPlugin(simulator, pluginPath());
    } catch (const ConsoleError& error) {
        giveUp(error.what());
    }
    std::ostringstream out;
    sim::Console console(simulator, out);
    for (const std::string& line : lines) {
        try {
            console.execute(line);
        } catch (const ConsoleError&) {
            // Refused, as typed at a terminal; the next line runs all the same.
        }
    }
    try {
        console.shutDown();
    } catch (const ConsoleError&) {
    }
}

} // namespace kadenzo::fuzz
