// The options of the simulated player and of the plugin's settings, one set of rows that every command
// playing sessions takes (play, study): --seed, --comfort-speed, --spread, --peak and --set.
#pragma once

#include "console/option_table.h"

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace kadenzo::sim {

// The player model's accepted values, wide enough for any useful player and narrow enough to keep its
// arithmetic finite. Limits are included.
struct RealRange {
    double least;
    double most;
};
constexpr RealRange comfortSpeedRange{0.01, 100.0};
constexpr RealRange spreadRange{0.001, 100.0};

// OPTION's TEXT as a number within RANGE, compared as the float it is read as so that the limits
// themselves are accepted. Throws ConsoleError naming OPTION.
double parseReal(const std::string& option, const std::string& text, RealRange range);
// A peak: above 0, at most 1.
double parsePeak(const std::string& option, const std::string& text);
// NAME=VALUE of --set, VALUE a number.
std::pair<std::string, std::string> parseSetting(const std::string& text);

// The rows, for any OPTIONS with the members `seed`, `player` (PlayerParameters) and `settings` (the
// --set pairs in order). A command's table of its own goes beside them (applyOptions with two tables).
template <typename Options>
const OptionRow<Options> playerOptionRows[] = {
    {"--seed", "a whole number",
     [](Options& options, const std::string& option, const std::string& value) {
         options.seed = requireWholeNumber<std::uint64_t>(value, 0, std::numeric_limits<std::uint64_t>::max(),
                                                          option, "a whole number");
     }},
    {"--comfort-speed", "a number",
     [](Options& options, const std::string& option, const std::string& value) {
         options.player.comfortSpeed = parseReal(option, value, comfortSpeedRange);
     }},
    {"--spread", "a number",
     [](Options& options, const std::string& option, const std::string& value) {
         options.player.spread = parseReal(option, value, spreadRange);
     }},
    {"--peak", "a number",
     [](Options& options, const std::string& option, const std::string& value) {
         options.player.peak = parsePeak(option, value);
     }},
    {"--set", "NAME=VALUE",
     [](Options& options, const std::string&, const std::string& value) {
         options.settings.push_back(parseSetting(value));
     },
     true},
};

// The help lines of those rows, the same in every command's help.
std::string playerOptionsHelp();

} // namespace kadenzo::sim
