#include "ui/info/writing_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/info/info_ids.h"
#include "ui/framework/tr.h"

namespace {

// The report, piece by piece; the edit control keeps one line break character per line end.
const char* const kReportPieces[] = {
    N_("                              关于做好本月工作的一些具体想法  \n"),
    N_("一、坚持做好本职工作，把业务和技术方面的协调任务进一步\n抓起来。工作要专注。\n"),
    N_("二、虚心听取同事的意见。这一点很重要。\n"),
    N_("三、我目前工作情况很好，但是要争取更好，无止境地提高自己的能力。\n"),
    N_("四、主动、积极、制定计划、按时完成计划，每一天都要问自己：\n我工作得怎么样了？\n"),
    N_("五、老板、经理非常有能力，而且对我很关心很照顾，我一定要认\n真工作,\n"),
    N_("六、每天下班后，把自己的办公桌收拾干净，因为整洁有助于营造\n高效益的工作气氛，也能给人空气清香的感觉。\n"),
    N_("七、每周六半夜，应把下一周该做的事情考虑好，并且最好把较容\n易的事放在周四下午，半个星期都干劲十足。 \n"),
    N_("八、说话和做事不要自做主张，重要的事都要经理和老板指点，他们是\n绝对是正确的。\n"),
};

const char* const kSpellCheckJoke = N_("拼写检查建议：“空气清香”改为“空气清新”\n“老板”改为“老板娘”。");

}  // namespace

CWritingDlg::CWritingDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kWritingTemplate);
    auto* report = control<QPlainTextEdit>(this, kReportEditId);
    report->setPlainText(ReportText());
    report->setAccessibleName(TrQ("写作"));
    connect(control<QPushButton>(this, kSpellCheckButtonId), &QPushButton::clicked, this,
            &CWritingDlg::OnSpellCheck);
}

QString CWritingDlg::ReportText()
{
    QString text;
    for (const char* piece : kReportPieces)
        text += TrQ(piece);
    return text;
}

void CWritingDlg::OnSpellCheck()
{
    ShowMessageBox(this, TrQ(kSpellCheckJoke), Icon::Information);
}
