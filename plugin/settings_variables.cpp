// Registering the thirteen variables of settings_table.h, each bound to the plugin's cell of its name.
#include "settings_variables.h"

#include "Kadenzo.h"
#include "settings_table.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <variant>

namespace {

using BoolCell = std::shared_ptr<bool> Kadenzo::*;
using IntCell = std::shared_ptr<int> Kadenzo::*;
using FloatCell = std::shared_ptr<float> Kadenzo::*;
// Alternatives in the order of SettingCell.
using CellMember = std::variant<BoolCell, IntCell, FloatCell>;

// The plugin's cell for each row of settingsTable, row by row.
constexpr CellMember cellMembers[] = {
    &Kadenzo::slowMoEnabled,        &Kadenzo::onTouchEnabled, &Kadenzo::idealAccuracy,
    &Kadenzo::slowMoSpeedIncrement, &Kadenzo::slowMoMaxSpeed, &Kadenzo::slowMoMinSpeed,
    &Kadenzo::showStatus,           &Kadenzo::showGameSpeed,  &Kadenzo::showPrevAccu,
    &Kadenzo::showCurrStreak,       &Kadenzo::showTotalCount, &Kadenzo::showtotalAccu,
    &Kadenzo::showLastShotsAccu,
};
static_assert(std::size(cellMembers) == std::size(settingsTable), "one cell for each setting");

constexpr bool cellTypesMatchTable() {
    for (std::size_t row = 0; row < std::size(settingsTable); ++row)
        if (cellMembers[row].index() != static_cast<std::size_t>(settingsTable[row].cell)) return false;
    return true;
}
static_assert(cellTypesMatchTable(), "each cell has the type its setting says");

// Each registration is finished (registered, bound, wrapper dropped) before the next begins.
template <typename Value>
void registerAndBind(CVarManagerWrapper& console, const Setting& setting,
                     const std::shared_ptr<Value>& cell) {
    const CVarWrapper variable =
        console.registerCvar(setting.name, setting.defaultText, setting.description, true, setting.hasMin,
                             setting.min, setting.hasMax, setting.max, true);
    variable.bindTo(cell);
}

} // namespace

void registerSettingsVariables(Kadenzo& plugin) {
    CVarManagerWrapper& console = *plugin.cvarManager;
    for (std::size_t row = 0; row < std::size(settingsTable); ++row)
        std::visit([&](auto cell) { registerAndBind(console, settingsTable[row], plugin.*cell); },
                   cellMembers[row]);
}
