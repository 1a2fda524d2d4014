#pragma once
// The information screens that only show fixed texts and close with OK.

#include <QDialog>

#include "resources/layouts/layouts.h"

class CFixedTextDlg : public QDialog {
public:
    CFixedTextDlg(const DialogTemplate& dialogTemplate, QWidget* parent);
};

// The city introduction (template 167), from the help menu.
class CCityIntroDlg : public CFixedTextDlg {
public:
    explicit CCityIntroDlg(QWidget* parent) : CFixedTextDlg(kCityIntroTemplate, parent) {}
};

// The thank-you for a donation (template 171), from the about box.
class CDonateDlg : public CFixedTextDlg {
public:
    explicit CDonateDlg(QWidget* parent) : CFixedTextDlg(kDonateTemplate, parent) {}
};

// The special statement (template 172), from the about box.
class CStatementDlg : public CFixedTextDlg {
public:
    explicit CStatementDlg(QWidget* parent) : CFixedTextDlg(kStatementTemplate, parent) {}
};
