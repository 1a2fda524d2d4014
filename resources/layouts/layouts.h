#pragma once
// The dialog templates of the window, by template number.

#include "ui/framework/dialog_template.h"

extern const DialogTemplate kMainTemplate;      // 129, CMainDlg
extern const DialogTemplate kSellTemplate;      // 130, CSellDlg
extern const DialogTemplate kBuyTemplate;       // 131, CBuyDlg
extern const DialogTemplate kCashTemplate;      // 132, CCashDlg
extern const DialogTemplate kBankTemplate;      // 133, CBankDlg
extern const DialogTemplate kHospitalTemplate;  // 135, CHospitalDlg
extern const DialogTemplate kRepayTemplate;     // 136, CRepayDlg
extern const DialogTemplate kTopTenTemplate;    // 137, CTopTenDlg
extern const DialogTemplate kNewsTemplate;      // 138, CNewsDlg
extern const DialogTemplate kDiaryTemplate;     // 142, CDiaryDlg
extern const DialogTemplate kAirportTemplate;   // 145, CAirportDlg
extern const DialogTemplate kRentAgentTemplate; // 163, CRentAgentDlg
extern const DialogTemplate kCongratsTemplate;  // 164, CCongratsDlg
extern const DialogTemplate kSettingsTemplate;  // 165, CSettingsDlg
extern const DialogTemplate kStoryTemplate;     // 166, CStoryDlg
extern const DialogTemplate kNetCafeTemplate;   // 160, CNetCafeDlg
extern const DialogTemplate kAboutTemplate;     // 100, CAboutDlg
extern const DialogTemplate kCityIntroTemplate; // 167, CCityIntroDlg
extern const DialogTemplate kWritingTemplate;   // 168, CWritingDlg
extern const DialogTemplate kDonateTemplate;    // 171, CDonateDlg
extern const DialogTemplate kStatementTemplate; // 172, CStatementDlg
