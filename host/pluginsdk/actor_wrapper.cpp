#include "halvex/actor_wrapper.h"

ActorWrapper::ActorWrapper(std::uintptr_t address) : memory_address(address) {}

ActorWrapper::operator bool() const {
    return memory_address != 0;
}

TrainingEditorWrapper::TrainingEditorWrapper(std::uintptr_t address) : ActorWrapper(address) {}
