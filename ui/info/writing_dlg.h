#pragma once
// The boss key's cover (template 168): a work report in a large edit box, a
// save button that does nothing and a spelling check that tells a joke. The
// report is built anew at every opening; edits are never kept.

#include <QDialog>

class CWritingDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWritingDlg(QWidget* parent);

    // The report as it opens, with real line breaks.
    static QString ReportText();

private:
    void OnSpellCheck();
};
