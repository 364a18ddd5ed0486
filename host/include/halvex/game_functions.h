// Names of the game functions and the game variable that plugins hook and read.
#pragma once

namespace game_function {
inline constexpr const char* loadRound = "Function TAGame.GameEvent_TrainingEditor_TA.LoadRound";
inline constexpr const char* editorDestroyed = "Function TAGame.GameEvent_TrainingEditor_TA.Destroyed";
inline constexpr const char* roundChanged = "Function TAGame.GameEvent_TrainingEditor_TA.EventRoundChanged";
inline constexpr const char* carHitBall = "Function TAGame.Ball_TA.RecordCarHit";
inline constexpr const char* ballExploded = "Function TAGame.Ball_TA.Explode";
inline constexpr const char* goalScored = "Function TAGame.Ball_TA.OnHitGoal";
inline constexpr const char* controllerRestart = "Function Engine.Controller.Restart";
} // namespace game_function

// The game's speed variable; 1.0 is normal speed.
inline constexpr const char* gameSpeedVariable = "sv_soccar_gamespeed";
