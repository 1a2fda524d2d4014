#include "ui/records/congrats_dlg.h"

#include <QLineEdit>
#include <QValidator>

#include "records/top_ten.h"
#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

namespace {

// The table keeps 19 GBK bytes of a name: the box refuses whatever would be
// cut or changed on saving, so the name shown is the name saved.
class TopTenNameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const std::string name = input.toStdString();
        return CutTopTenName(name) == name ? Acceptable : Invalid;
    }
};

}  // namespace

CCongratsDlg::CCongratsDlg(const DialogRequest& request, QWidget* parent)
    : CTextsDlg(kCongratsTemplate, request, parent)
{
    if (auto* edit = control<QLineEdit>(this, 1092)) {
        edit->setValidator(new TopTenNameValidator(edit));
        edit->setFocus();
    }
}

void CCongratsDlg::accept()
{
    if (auto* edit = control<QLineEdit>(this, 1092))
        answerToFill().name = edit->text().toStdString();
    CTextsDlg::accept();
}

void CCongratsDlg::reject()
{
    answerToFill().name.clear();
    CTextsDlg::reject();
}
