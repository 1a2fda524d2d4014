#pragma once
// The about box (template 100): the game's version, two links, the tiny
// "作者" button with the programmer credit, and the way on to the donation
// and the statement dialogs.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);

    static QString CreditText();

private:
    void OnCredit();
    void OnDonate();
    void OnStatement();
};
