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

// Dialogs that only inform: they take no answer and close with OK.
constexpr bool OnlyInforms(int id)
{
    return id == kTopTenDialogId || id == kAirportDialogId || id == kNetCafeDialogId;
}
