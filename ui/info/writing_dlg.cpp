#include "ui/info/writing_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/info/info_ids.h"

namespace {

// The report, piece by piece, with the line ends it was written with.
const char* const kReportPieces[] = {
    "                              关于做好本月工作的一些具体想法  \r\n",
    "一、坚持做好本职工作，把业务和技术方面的协调任务进一步\r\n抓起来。工作要专注。\r\n",
    "二、虚心听取同事的意见。这一点很重要。\r\n",
    "三、我目前工作情况很好，但是要争取更好，无止境地提高自己的能力。\r\n",
    "四、主动、积极、制定计划、按时完成计划，每一天都要问自己：\r\n我工作得怎么样了？\r\n",
    "五、老板、经理非常有能力，而且对我很关心很照顾，我一定要认\r\n真工作,\r\n",
    "六、每天下班后，把自己的办公桌收拾干净，因为整洁有助于营造\r\n高效益的工作气氛，也能给人空气清香的感觉。\r\n",
    "七、每周六半夜，应把下一周该做的事情考虑好，并且最好把较容\r\n易的事放在周四下午，半个星期都干劲十足。 \r\n",
    "八、说话和做事不要自做主张，重要的事都要经理和老板指点，他们是\r\n绝对是正确的。\r\n",
};

const char* const kSpellCheckJoke = "拼写检查建议：“空气清香”改为“空气清新”\n“老板”改为“老板娘”。";

}  // namespace

CWritingDlg::CWritingDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kWritingTemplate);
    auto* report = control<QPlainTextEdit>(this, kReportEditId);
    report->setPlainText(ReportText());
    report->setAccessibleName(QStringLiteral("写作"));
    connect(control<QPushButton>(this, kSpellCheckButtonId), &QPushButton::clicked, this,
            &CWritingDlg::OnSpellCheck);
}

QString CWritingDlg::ReportText()
{
    QString text;
    for (const char* piece : kReportPieces)
        text += QString::fromUtf8(piece);
    // The edit control keeps one line break character per line end.
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void CWritingDlg::OnSpellCheck()
{
    ShowMessageBox(this, QString::fromUtf8(kSpellCheckJoke), Icon::Information);
}
