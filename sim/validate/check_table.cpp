#include "validate/checks.h"

namespace kadenzo::validate {

const std::vector<Check>& allChecks() {
    static const std::vector<Check> checks{
        {"record.layout",
         "the exports record: 64 bytes, its integers, zero padding, its strings, and both entry points equal "
         "to the exports",
         false, checkRecordLayout},
        {"entry.getplugin-once", "getPlugin twice gives the same handle and one object", false,
         checkGetPluginOnce},
        {"entry.deleteme-idempotent", "deleteMe without an object, and twice in a row, does nothing", false,
         checkDeleteMeIdempotent},
        {"entry.fresh-after-deleteme",
         "getPlugin after deleteMe gives a fresh object with its initial values", false,
         checkFreshAfterDeleteMe},
        {"entry.host-copy-keeps-object",
         "the host's own copy of the handle keeps the object alive after deleteMe", false,
         checkHostCopyKeepsObject},
        {"onload.registrations",
         "onLoad registers and binds the thirteen settings variables in order, and the two long-lived hooks, "
         "and nothing else",
         false, checkOnLoadRegistrations},
        {"lifecycle.transitions",
         "arming and disarming through round loads, editor destruction and onUnload, with the per-pack set "
         "registered and removed exactly",
         false, checkLifecycleTransitions},
        {"lifecycle.random-events",
         "random sequences of training events and settings agree with the lifecycle's state machine", true,
         checkLifecycleRandomEvents},
        {"lifecycle.unload-clears",
         "onUnload removes the per-pack hooks and the drawable; nothing is left once the host unloads the "
         "plugin",
         false, checkUnloadClears},
        {"windows.names", "the plugin name, menu name and menu title of the window interfaces", false,
         checkWindowNames},
        {"windows.input-and-overlay",
         "IsActiveOverlay, and ShouldBlockInput with and without a Dear ImGui context", false,
         checkWindowInputAndOverlay},
        {"windows.settings-before-onload", "RenderSettingsPanel before onLoad draws only the heading", false,
         checkSettingsBeforeOnLoad},
        {"contract.session",
         "a whole session with windows and frames: every plugin call on the host's thread, none before "
         "onLoad or after unloading",
         false, checkContractSession},
        {"churn.load-unload",
         "1000 load and unload cycles with a short session each: nothing left registered, resident memory "
         "steady",
         true, checkChurn},
        {"settings.hostile-values",
         "every setting and the game speed at its limits, beyond them, 0, NaN, infinities and the largest "
         "floats, then a session",
         true, checkHostileSettings},
        {"budget.overlay-frame",
         "the overlay's frame time and heap allocations against a tenth of a 240 Hz frame", false,
         checkOverlayFrameBudget},
        {"budget.settings-frame",
         "the settings page's frame time and heap allocations against a tenth of a 240 Hz frame", false,
         checkSettingsFrameBudget},
    };
    return checks;
}

} // namespace kadenzo::validate
