// A handle to one host console variable. Cheap to copy; an empty handle stands for "no such variable".
#pragma once

#include "halvex/export.h"
#include "halvex/types.h"

#include <memory>
#include <string>

class HALVEX_SDK_API CVarWrapper {
public:
    CVarWrapper() = default;
    CVarWrapper(halvex::host::HostState* host, halvex::host::ConsoleVariable* variable,
                halvex::host::PluginId owner);

    // False when the lookup that made this handle found no variable.
    explicit operator bool() const;

    // The cell receives the current value at once and every later change of the variable.
    // The host keeps its own reference to the cell until the owning plugin is unloaded.
    void bindTo(std::shared_ptr<bool> cell) const;
    void bindTo(std::shared_ptr<int> cell) const;
    void bindTo(std::shared_ptr<float> cell) const;

    bool getBoolValue() const;
    int getIntValue() const;
    float getFloatValue() const;
    std::string getStringValue() const;

    // Sets the value as the console would, clamped to the registered range.
    void setValue(int value) const;
    void setValue(float value) const;

private:
    halvex::host::HostState* host = nullptr;
    halvex::host::ConsoleVariable* variable = nullptr;
    halvex::host::PluginId owner = 0;
};
