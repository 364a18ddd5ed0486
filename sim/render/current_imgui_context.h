// Makes a Dear ImGui context current for a scope and restores the one that was current before, so
// that another user of the same copy of Dear ImGui finds its context as it left it.
#pragma once

#include <imgui.h>

namespace kadenzo::render {

class CurrentImGuiContext {
public:
    explicit CurrentImGuiContext(ImGuiContext* context) : previous(ImGui::GetCurrentContext()) {
        ImGui::SetCurrentContext(context);
    }
    ~CurrentImGuiContext() { ImGui::SetCurrentContext(previous); }
    CurrentImGuiContext(const CurrentImGuiContext&) = delete;
    CurrentImGuiContext& operator=(const CurrentImGuiContext&) = delete;

private:
    ImGuiContext* previous;
};

} // namespace kadenzo::render
