#pragma once

// The jukebox's numeric commands. Buttons send their control id as their
// command; menus and keys send the 33xx ids; timers keep their historic numbers
// so the code can speak of them.
namespace ControlId {
constexpr int Play = 1001;
constexpr int Dict = 1002;
constexpr int Tlist = 1003;
constexpr int Pause = 1004;
constexpr int Stop = 1005;
constexpr int Home = 1006;
constexpr int End = 1009;
constexpr int Loop = 1010;
constexpr int Random = 1011;
constexpr int Options = 1012;
constexpr int Help = 1013;
constexpr int Menu = 1014;
constexpr int Ui = 1015;
constexpr int Close = 1016;
constexpr int Mini = 1017;
constexpr int Cover = 1018;
constexpr int BalRight = 1019;
constexpr int BalLeft = 1020;
constexpr int VolUp = 1021;
constexpr int VolDown = 1022;
constexpr int PosForward = 1023;
constexpr int PosRewind = 1024;
constexpr int Track = 1030;
constexpr int Time = 1031;
constexpr int AvLamp = 1032;
constexpr int TagLamp = 1033;
constexpr int PmLamp = 1034;
constexpr int Anim = 1035;
constexpr int Position = 1036;
constexpr int Volume = 1037;
constexpr int Balance = 1038;
}  // namespace ControlId

namespace CommandId {
constexpr int Home = 3321;
constexpr int Play = 3324;
constexpr int End = 3327;
constexpr int Stop = 3328;
constexpr int PauseResume = 3329;
constexpr int VolumeUp = 3331;
constexpr int VolumeDown = 3332;
constexpr int BalanceLeft = 3333;
constexpr int BalanceRight = 3334;
constexpr int Filters = 3285;
// Menu items; the menu handler maps them onto button commands.
constexpr int MenuHelp = 3351;
constexpr int MenuOptions = 3352;
constexpr int MenuRestore = 3353;
constexpr int MenuExit = 3354;
}  // namespace CommandId

namespace TimerId {
constexpr int StartupStep = 3204;   // once: at the first frame, else after 2 s
constexpr int Poll = 3205;          // 500 ms
constexpr int TrayClick = 3206;     // the double-click time, once
constexpr int TimeModeBack = 3208;  // 1000 ms, once, restarted by each change
constexpr int SeekCommit = 3236;    // 200 ms (buttons) or 100 ms (keys), once
}  // namespace TimerId

// Track panel state bits and pop-up kinds.
namespace PanelBit {
constexpr int Opening = 1;
constexpr int Scanning = 2;
constexpr int Sorting = 4;
constexpr int Text = 8;
constexpr int Scroll = 32;
constexpr int Alternate = 128;
}  // namespace PanelBit

namespace PanelPopup {
constexpr int None = 0;
constexpr int Scan = 2;
constexpr int Sort = 4;
constexpr int Loop = 128;
constexpr int Random = 256;
constexpr int Speed = 512;
}  // namespace PanelPopup
