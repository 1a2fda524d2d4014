#pragma once
// The dialog templates of the window, by template number.

#include "ui/framework/dialog_template.h"

extern const DialogTemplate kMainTemplate;      // 129, CMainDlg
extern const DialogTemplate kSellTemplate;      // 130, CSellDlg
extern const DialogTemplate kBuyTemplate;       // 131, CBuyDlg
extern const DialogTemplate kTopTenTemplate;    // 137, CTopTenDlg
extern const DialogTemplate kNewsTemplate;      // 138, CNewsDlg
extern const DialogTemplate kDiaryTemplate;     // 142, CDiaryDlg
extern const DialogTemplate kCongratsTemplate;  // 164, CCongratsDlg
extern const DialogTemplate kStoryTemplate;     // 166, CStoryDlg
