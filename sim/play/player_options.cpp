// Reading the options of the simulated player and of the plugin's settings.
#include "play/player_options.h"

#include "console_variables.h"
#include "number_text.h"

#include <fmt/format.h>

namespace kadenzo::sim {

double parseReal(const std::string& option, const std::string& text, RealRange range) {
    const auto parsed = halvex::host::parseConsoleNumber(text);
    if (!parsed || !(*parsed >= static_cast<float>(range.least)) ||
        !(*parsed <= static_cast<float>(range.most)))
        throw ConsoleError(fmt::format("{} needs a number from {} to {}, not \"{}\"", option,
                                       shortest(range.least), shortest(range.most), text));
    return static_cast<double>(*parsed);
}

double parsePeak(const std::string& option, const std::string& text) {
    const auto parsed = halvex::host::parseConsoleNumber(text);
    if (!parsed || !(*parsed > 0.0f) || !(*parsed <= 1.0f))
        throw ConsoleError(fmt::format("{} needs a number above 0 and at most 1, not \"{}\"", option, text));
    return static_cast<double>(*parsed);
}

std::pair<std::string, std::string> parseSetting(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        throw ConsoleError(fmt::format("--set needs NAME=VALUE, not \"{}\"", text));
    std::pair<std::string, std::string> setting{text.substr(0, equals), text.substr(equals + 1)};
    if (!halvex::host::parseConsoleNumber(setting.second))
        throw ConsoleError(fmt::format("--set {}: \"{}\" is not a number", setting.first, setting.second));
    return setting;
}

std::string playerOptionsHelp() {
    return fmt::format(R"(  --seed S           seed of the player's random numbers, a whole number (default 1)
  --comfort-speed C  from {} to {} (default 1.2)
  --spread W         from {} to {} (default 0.2)
  --peak P           above 0 and at most 1 (default 0.95)
  --set NAME=VALUE   set a console variable before the session starts; repeatable,
                     e.g. --set idealAccuracy=0.8
)",
                       shortest(comfortSpeedRange.least), shortest(comfortSpeedRange.most),
                       shortest(spreadRange.least), shortest(spreadRange.most));
}

} // namespace kadenzo::sim
