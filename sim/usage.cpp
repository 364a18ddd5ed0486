// The simulator's help texts: the command line, play, and the console's commands.
#include "usage.h"

#include "console.h"
#include "console_history.h"
#include "kept_files.h"
#include "play_options.h"
#include "render/offscreen_renderer.h"
#include "script_reader.h"
#include "window/window_options.h"

#include <fmt/format.h>

namespace kadenzo::sim {

std::string commandLineHelp() {
    return fmt::format(R"(kadenzo-sim: a simulated Halvex host for the Kadenzo plugin.

Usage:
  kadenzo-sim [--plugin PATH] [--trace] [--config FILE] [SCRIPT]
  kadenzo-sim play [--config FILE] [OPTIONS]   (see kadenzo-sim play --help)
  kadenzo-sim window [--config FILE] [OPTIONS] (see kadenzo-sim window --help)
  kadenzo-sim validate [OPTIONS] [MODULE]      (see kadenzo-sim validate --help)
  kadenzo-sim --help
  kadenzo-sim --version

Loads the plugin module (default: Kadenzo.so or Kadenzo.dll beside kadenzo-sim), checks its
description record, hands it the host's console and game, calls onLoad, and then runs console
commands from SCRIPT, or from standard input when no SCRIPT is given. Before loading, the module
must be a regular file and a complete module of the platform's format (a 64-bit x86 ELF shared
object, or a 64-bit x86 DLL on Windows). When the input ends the plugin is unloaded.
validate checks a plugin module against the host's contract, each check in a process of its own,
and exits with status 0 only when every check passed.

Options:
  --plugin PATH   load this plugin module instead of the one built beside kadenzo-sim
  --trace         print every host call the plugin makes from the start (as "trace on")
  --config FILE   keep the console variables in FILE from one run to the next (below)
  --help          show this text
  --version       show kadenzo-sim's version and the Dear ImGui release of the host's interface

In a script (or piped input) the first error prints FILE:LINE: message on standard error and
ends the run with status 2. Typed at a terminal, errors are printed and the console goes on.
A script that cannot be read, or a line longer than {longestLine} bytes in a script, is an error too.
A plugin entry point that fails (throws, or getPlugin returning nothing) is reported naming the
module and the entry point, and the plugin is unloaded all the same; at the end of the input that
prints FILE: at exit: message and makes the status 2.
Command output and trace lines go to standard output, errors to standard error. When standard
output cannot be written (a full disk, a closed stream), the run ends with status 1 and says so.

Typed at a terminal, lines are edited as in a shell (the arrow keys, Ctrl+A, Ctrl+E, ...), the up
and down arrows recall earlier lines, and TAB completes command and variable names and, after
"event", game functions, or lists the choices when nothing more is certain. With --config FILE
the lines typed are kept in FILE.history (the last {historyLines}) for the next run, otherwise for
this run only. Scripts and piped input are read as they always were and leave no history. On
Windows the console's own line editing serves.

Settings (--config FILE, for the console, play and window): FILE is read before the plugin loads and
written again at exit. A line is NAME VALUE, a console variable and a number ('#' starts a
comment). A variable the plugin registers takes the file's value, clamped to its range; the value
of a variable no plugin registers is kept. A bad line prints FILE:LINE: message on standard error
and is skipped: the rest loads and the exit status does not change. At exit the file holds every
variable the host has, sorted by name, after a comment line saying what wrote it; comments and
bad lines are dropped. A missing FILE is created at exit. A FILE that could not be written at exit
(a folder, a symbolic link, a device, a FIFO, a read-only file, a missing folder), that cannot be
read or that is larger than {largestKeptMiB} MiB ends the run with status 2 before anything runs; so does
such a FILE.history at a terminal. Failing to write either at exit prints "kadenzo-sim: cannot
write settings FILE: cause" (or history) and makes the status {notWritten} if it would have been 0.
Ctrl+C ends the run without writing them.

)",
                       fmt::arg("longestLine", ScriptReader::longestLine),
                       fmt::arg("historyLines", ConsoleHistory::mostLines),
                       fmt::arg("largestKeptMiB", largestKeptFile / (1024 * 1024)),
                       fmt::arg("notWritten", keptFileNotWritten)) +
           consoleHelp();
}

std::string playHelp() {
    return fmt::format(R"(kadenzo-sim play: a whole training session with a simulated player.

Usage:
  kadenzo-sim play [--plugin PATH] [--attempts N] [--seed S] [--comfort-speed C] [--spread W]
                   [--peak P] [--set NAME=VALUE]... [--csv FILE] [--out DIR] [--config FILE]

Enables the plugin, enters custom training, loads a round and plays N attempts, only through
console variables and game events. The player succeeds with chance
    P / (1 + exp((speed - C) / W))
so P is the best accuracy at low speed, C the speed at which it has halved, and W how fast it
falls around C. Each attempt ends in a goal or a ball explosion, then the controller restarts.

Options:
  --attempts N       attempts to play, a whole number from 1 to {attempts} (the plugin counts
                     in 32 bits; default 300)
  --seed S           seed of the player's random numbers, a whole number (default 1)
  --comfort-speed C  from {comfortLeast} to {comfortMost} (default 1.2)
  --spread W         from {spreadLeast} to {spreadMost} (default 0.2)
  --peak P           above 0 and at most 1 (default 0.95)
  --set NAME=VALUE   set a console variable before the session starts; repeatable,
                     e.g. --set idealAccuracy=0.8
  --csv FILE         write one row per attempt: attempt, outcome, game speed when taken;
                     with --csv - the rows go to standard output and the report to standard
                     error
  --out DIR          write four pictures into DIR, creating it if needed: overlay.png (the
                     overlay in the middle of the session's last window), speed.png (game
                     speed and window accuracy over the session), settings.png (the host's
                     settings window with the plugin's page) and window.png (the plugin's own
                     window)
  --plugin PATH      the plugin module to load
  --config FILE      the console variables kept from one run to the next: read before the
                     plugin loads (--set then changes them), written once the session is over
                     (see kadenzo-sim --help)
  --help             show this text

Prints one line per closed ten-attempt window and a summary at the end.

Every option is checked before anything is created or played. Files are written whole or not
at all: never through a symbolic link, never over a folder, a device, a FIFO or a read-only
file. Exit status: 2 for bad options (a file that could not be written among them, the settings
file included) or a session that could not be played, 1 when writing a file failed once the
session had started (the settings at exit included), else 0.
)",
                       fmt::arg("attempts", mostAttempts), fmt::arg("comfortLeast", comfortSpeedRange.least),
                       fmt::arg("comfortMost", comfortSpeedRange.most),
                       fmt::arg("spreadLeast", spreadRange.least), fmt::arg("spreadMost", spreadRange.most));
}

std::string windowHelp() {
    return fmt::format(R"(kadenzo-sim window: Kadenzo in a desktop window, to try the plugin without the game.

Usage:
  kadenzo-sim window [--plugin PATH] [--script FILE] [--frames N] [--screenshot FILE.png]
                     [--width W] [--height H] [--config FILE]

Loads the plugin and opens a window showing the game's canvas with the plugin's overlay (scaled to
fit), the host's settings window with the plugin's page, and the host's menu bar, whose Plugins
menu opens and closes the plugin's window (togglemenu). The Training panel has buttons for the
game's events and for whole attempts, an automatic player (the play model, with its skill and
pace adjustable while it plays) and a chart of the game speed and the window accuracy of the
attempts played from the window. The Console panel takes every console command and shows the
trace and the commands' output; the same lines go to standard output, errors to standard error.
Keys (when no text field has the keyboard): L load round, G goal, T touch, E explosion,
R restart, S success, X miss, P automatic player.

Options:
  --plugin PATH        load this plugin module instead of the one built beside kadenzo-sim
  --script FILE        run console commands (and the window's own) before the first frame; the
                       first failing line ends the run with FILE:LINE: message and status 2
  --frames N           render N frames (1 to {largestFrameCount}), then close the window
  --screenshot FILE.png
                       after the last frame write the window's own pixels as a PNG picture
                       ({screenshotFrames} frames unless --frames says otherwise)
  --width W, --height H
                       the window's size in pixels, {smallest} to {largest} (default 1600 x 900)
  --config FILE        the console variables kept from one run to the next: read before the
                       plugin loads, written when the window closes (see kadenzo-sim --help)
  --help               show this text

Without a display (or where this build has no window system) it says why and exits with status 2.
Exit status: 2 for bad options, no window, a plugin that cannot be loaded, a failing script line
or a failure when the plugin is unloaded at the end; 1 when the screenshot could not be written;
else 0.
)",
                       fmt::arg("largestFrameCount", largestFrameCount),
                       fmt::arg("screenshotFrames", screenshotFrames),
                       fmt::arg("smallest", smallestWindowSize), fmt::arg("largest", largestWindowSize));
}

std::string consoleHelp() {
    return fmt::format(R"(Console commands (one a line; '#' starts a comment; words may be double-quoted):
  NAME VALUE            set a console variable as the host console does (clamped to its range)
  NAME                  print NAME = VALUE
  cvars                 list every variable: name, value, default, range, description
  plugin load [PATH]    load a plugin module (default: the one beside kadenzo-sim)
  plugin unload         onUnload, drop the plugin's hooks, drawables and bindings, deleteMe, close
  inspect               print the loaded module's description record
  trace on|off          print every host call the plugin makes, every canvas call, and when the
                        host starts or stops keeping the input from the game because the plugin
                        wants it ("host input blocked", "host input passed")
  training on|off       whether the game is in custom training (off at start)
  event FUNCTION        call the game function named by the rest of the line
  loadround, roundchanged, destroyed, touch, explode, goal, restart
                        call the game function these stand for
  attempts CODES        one attempt per character, each followed by a restart:
                        G goal, T touch then explosion, X explosion, N nothing, E explosion then goal
  canvas W H            set the canvas size, 1 to {largestCanvas} pixels each way (1920 x 1080 at start)
  frame [N]             render N frames (default 1, at most {largestFrameCount}): the canvas with every
                        drawable, then the host's interface over it, then the commands the plugin issued
  screenshot FILE.png   write the last frame as a picture, the interface's windows included

The host's interface (Dear ImGui windows over the canvas, drawn in every frame):
  settings on|off       show or hide the host's settings window with the plugin's page (hidden
                        at start)
  togglemenu NAME       open or close the plugin menu NAME (the plugin's window)
  mouse X Y             move the pointer to pixel X, Y; the next frame sees it there
  hover X Y             move the pointer there and render two frames (tooltips show)
  hover LABEL           the same on the visible widget labelled LABEL
  click X Y             move the pointer there, then press and release the left button over
                        frames of their own
  click LABEL           the same on the visible widget labelled LABEL (quote labels with blanks)
  slide LABEL VALUE     Ctrl+click the slider labelled LABEL, type VALUE, press Enter
  close TITLE           click the close button of the window titled TITLE
  collapse TITLE        click its collapse button (again to expand it)
  ui                    list the windows the last frame showed, back to front, each with the
                        rows of text it drew and its separators (---)
  help                  show this list
)",
                       fmt::arg("largestCanvas", render::OffscreenRenderer::largestSize),
                       fmt::arg("largestFrameCount", largestFrameCount));
}

} // namespace kadenzo::sim
