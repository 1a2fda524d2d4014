#pragma once
// The template numbers of the dialogs the rules open through the Ui port.

constexpr int kSellDialogId = 130;
constexpr int kBuyDialogId = 131;
constexpr int kCashDialogId = 132;
constexpr int kBankDialogId = 133;
constexpr int kHospitalDialogId = 135;
constexpr int kRepayDialogId = 136;
constexpr int kTopTenDialogId = 137;
constexpr int kAirportDialogId = 145;
constexpr int kNetCafeDialogId = 160;
constexpr int kRentAgentDialogId = 163;
constexpr int kCongratsDialogId = 164;
constexpr int kSettingsDialogId = 165;

// Controls of the place dialogs that the rules fill on entry or read back.
constexpr int kIdCashPrompt = 1037;
constexpr int kIdCashAmount = 1038;
constexpr int kIdAmountSpin = 1039;     // the up-down beside every number field
constexpr int kIdBankGreeting = 1040;
constexpr int kIdDoctorLine = 1041;
constexpr int kIdTreatPoints = 1042;
constexpr int kIdRepayPrompt = 1043;
constexpr int kIdRepayAmount = 1044;
constexpr int kIdRoomNow = 1089;
constexpr int kIdRoomOffer = 1090;
constexpr int kIdSoundOffCheck = 1098;
constexpr int kIdHackersCheck = 1100;

// Dialogs that only inform: they take no answer and close with OK.
constexpr bool OnlyInforms(int id)
{
    return id == kTopTenDialogId || id == kAirportDialogId || id == kNetCafeDialogId;
}
