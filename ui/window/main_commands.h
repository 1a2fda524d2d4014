#pragma once
// The main window's command numbers: menu 159 and the buttons of template 129.

// System menu "系 统".
constexpr int kCmdNewGame = 32782;
constexpr int kCmdTopTen = 32773;
constexpr int kCmdSettings = 32783;
constexpr int kCmdQuit = 32774;
// "重要场所".
constexpr int kCmdBank = 32775;
constexpr int kCmdPostOffice = 32776;
constexpr int kCmdHospital = 32777;
constexpr int kCmdRentAgent = 32778;
constexpr int kCmdAirport = 32779;
constexpr int kCmdNetCafe = 32780;
// "帮 助".
constexpr int kCmdHelp = 32771;
constexpr int kCmdAbout = 32781;
constexpr int kCmdStory = 32784;
constexpr int kCmdCityIntro = 32785;

// Buttons and controls of the main window.
constexpr int kMarketListId = 1001;
constexpr int kRoomListId = 1002;
constexpr int kSellButtonId = 1003;
constexpr int kBuyAllButtonId = 1004;
constexpr int kSellAllButtonId = 1005;
constexpr int kBuyButtonId = 1006;
constexpr int kTickerId = 1051;
constexpr int kBankButtonId = 1084;
constexpr int kHospitalButtonId = 1085;
constexpr int kPostOfficeButtonId = 1086;
constexpr int kRentAgentButtonId = 1087;
constexpr int kNetCafeButtonId = 1088;
constexpr int kBossButtonId = 1089;
constexpr int kMapToggleId = 1090;
constexpr int kGoodsCountLabelId = 1108;
constexpr int kMapGroupId = 1120;
