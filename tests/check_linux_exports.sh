#!/usr/bin/env bash
# The plugin module exports its three entry points and the host base class's members, nothing else.
set -euo pipefail
module=$1
symbols=$(nm -D --defined-only "$module" | awk '{print $3}' | sort)
for required in getPlugin deleteMe exports _ZTVN6Halvex6Plugin12HalvexPluginE; do
  grep -qx "$required" <<<"$symbols" || { echo "missing export: $required"; exit 1; }
done
unexpected=$(grep -v -x -E 'getPlugin|deleteMe|exports|_Z(N|TV|TI|TS)N?6Halvex6Plugin12HalvexPlugin.*' <<<"$symbols" || true)
if [ -n "$unexpected" ]; then
  echo "exported but not part of the host interface:"
  echo "$unexpected"
  exit 1
fi
undefined_imgui=$(nm -D --undefined-only "$module" | grep -c ImGui || true)
[ "$undefined_imgui" -eq 0 ] || { echo "the module needs Dear ImGui from outside; it must carry its own"; exit 1; }
echo "exports: $(tr '\n' ' ' <<<"$symbols")"
