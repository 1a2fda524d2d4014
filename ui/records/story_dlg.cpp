#include "ui/records/story_dlg.h"

#include <QPainter>
#include <QPushButton>
#include <QTimerEvent>

#include <cstdlib>

#include "records/help_page.h"
#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"

namespace {

constexpr int kTimerInterval = 330;
constexpr int kStatusLine = 1112;

const char* const kLoadingMessages[] = {
    "初始化黑客信息....",
    "初始化二环路信息.....",
    "初始化黑市物品......",
    "初始化随机事件......",
    "加载Varsen实时新闻....",
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
    auto* button = control<QPushButton>(this, kIdOk);
    button->setEnabled(false);
    if (mode_ == 0) {
        timer_.start(kTimerInterval, this);
    } else {
        button->setText(QStringLiteral("继续游戏"));
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
        SetControlText(this, kStatusLine, QString::fromUtf8(kLoadingMessages[loadingStep]));
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
    SetControlText(this, kStatusLine, QStringLiteral("初始化帮助信息...."));
    switch (PrepareHelpPage(folders_.content, folders_.help)) {
    case HelpPageResult::Written:
        SetControlText(this, kStatusLine, QStringLiteral("游戏初始化完毕,准备进入Varsen..."));
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
