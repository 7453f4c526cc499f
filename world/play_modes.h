#pragma once
// TGameState.PlayMode: how the game is played. Play by mail cycles through
// 2 (set up), 3 (a turn to send) and 4 (a turn received, replayed first).
namespace TPlayMode {
inline constexpr int OneMachine = 0;
inline constexpr int MailSetUp = 2;
inline constexpr int MailToSend = 3;
inline constexpr int MailReceived = 4;
}  // namespace TPlayMode
