// Handles to game objects, identified by their address in the game.
#pragma once

#include "halvex/export.h"

#include <cstdint>

class HALVEX_SDK_API ActorWrapper {
public:
    ActorWrapper() = default;
    explicit ActorWrapper(std::uintptr_t address);

    // True when the handle refers to an actor.
    explicit operator bool() const;

    std::uint64_t memory_address = 0;
};

// The custom-training editor's game event.
class HALVEX_SDK_API TrainingEditorWrapper : public ActorWrapper {
public:
    explicit TrainingEditorWrapper(std::uintptr_t address);
};
