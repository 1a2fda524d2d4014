#include "ui/records/story_dlg.h"

#include <QPainter>
#include <QPushButton>
#include <QTimerEvent>

#include <cstdlib>

#include "records/help_page.h"
#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/framework/text_fit.h"
#include "ui/framework/tr.h"

namespace {

constexpr int kTimerInterval = 330;
constexpr int kStatusLine = 1112;

const char* const kLoadingMessages[] = {
    N_("初始化黑客信息...."),
    N_("初始化二环路信息....."),
    N_("初始化黑市物品......"),
    N_("初始化随机事件......"),
    N_("加载Varsen实时新闻...."),
};
constexpr int kLoadingSteps = 5;

// Counts the loading ticks over the whole run.
int loadingStep = 0;

}  // namespace

CStoryDlg::CStoryDlg(int mode, const std::string& dir, QWidget* parent)
    : CStoryDlg(mode, GameFolders::Single(dir), parent)
{
}

CStoryDlg::CStoryDlg(int mode, GameFolders folders, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), mode_(mode), folders_(std::move(folders))
{
    SetUpDialog(this, kStoryTemplate);
    QStringList steps;
    for (const char* message : kLoadingMessages)
        steps << TrQ(message);
    steps << TrQ("初始化帮助信息....") << TrQ("游戏初始化完毕,准备进入Varsen...");
    SetLaterTexts(control<QWidget>(this, kStatusLine), steps);
    auto* button = control<QPushButton>(this, kIdOk);
    SetLaterTexts(button, {TrQ("继续游戏")});
    button->setEnabled(false);
    if (mode_ == 0) {
        timer_.start(kTimerInterval, this);
    } else {
        button->setText(TrQ("继续游戏"));
        button->setEnabled(true);
    }
}

void CStoryDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timer_.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    if (loadingStep < kLoadingSteps) {
        SetControlText(this, kStatusLine, TrQ(kLoadingMessages[loadingStep]));
        control<QPushButton>(this, kIdOk)->setEnabled(false);
        ++loadingStep;
        return;
    }
    timer_.stop();
    PrepareHelp();
    control<QPushButton>(this, kIdOk)->setEnabled(true);
}

void CStoryDlg::PrepareHelp()
{
    SetControlText(this, kStatusLine, TrQ("初始化帮助信息...."));
    switch (PrepareHelpPage(folders_.content, folders_.help)) {
    case HelpPageResult::Written:
        SetControlText(this, kStatusLine, TrQ("游戏初始化完毕,准备进入Varsen..."));
        break;
    case HelpPageResult::SourceMissing:
        ShowMessageBox(this, QString::fromStdString(HelpSourcePath(folders_.content)));
        std::exit(-1);
    case HelpPageResult::TargetNotWritten:
        // The game runs on without a fresh help page.
        break;
    }
}

void CStoryDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The thin border of a window without caption bar.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
