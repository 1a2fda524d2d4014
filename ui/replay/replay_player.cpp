#include "ui/replay/replay_player.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "engine/commands.h"
#include "game/dialog_ids.h"
#include "records/regular_file.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/framework/tr.h"
#include "ui/window/main_dlg.h"

namespace {

constexpr int kCongratsNameId = 1092;
constexpr int kRetryMs = 20;
constexpr std::size_t kMaxReplayBytes = 64 * 1024 * 1024;

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

void Close(QWidget* modal, bool ok)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().front();
        if (button) {
            button->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        ok ? dialog->accept() : dialog->reject();
}

}  // namespace

ReplayPlayer::ReplayPlayer(CMainDlg& window, ParsedReplay replay, ReplayPace pace)
    : window_(window), replay_(std::move(replay)), pace_(pace)
{
    window_.recorder().SetWatcher(this);
    line_ = new QLabel(&window_);
    line_->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 190); color: white; padding: 2px 6px;"));
    line_->setAccessibleName(TrQ("回放"));
}

ReplayPlayer::~ReplayPlayer()
{
    qApp->removeEventFilter(this);
    window_.recorder().SetWatcher(nullptr);
}

void ReplayPlayer::Start()
{
    qApp->installEventFilter(this);
    line_->setGeometry(0, window_.height() - 26, window_.width(), 26);
    line_->raise();
    line_->show();
    ShowLine(TrQ("回放开始（空格键暂停，Esc键停止）"));
    Later(pace_.commandMs, &ReplayPlayer::RunNext);
}

void ReplayPlayer::Later(int ms, void (ReplayPlayer::*step)())
{
    QTimer::singleShot(ms, this, step);
}

void ReplayPlayer::ShowLine(const QString& text)
{
    shownLine_ = text;
    line_->setText(paused_ ? TrQ("【已暂停】%1").arg(text) : text);
}

void ReplayPlayer::RunNext()
{
    if (ended_)
        return;
    if (paused_) {
        Later(100, &ReplayPlayer::RunNext);
        return;
    }
    if (stopped_ || next_ >= replay_.steps.size()) {
        End();
        return;
    }
    const ReplayStep& step = replay_.steps[next_];
    ShowLine(TrQ("第%1行（%2/%3）：%4")
                 .arg(step.line)
                 .arg(next_ + 1)
                 .arg(replay_.steps.size())
                 .arg(QString::fromStdString(step.command)));
    auto [command, answers] = SplitAnswers(Words(step.command));
    bool understood = !command.empty();
    answers_.Start(std::move(answers));
    if (understood)
        window_.Dispatch([&] { understood = DispatchCommand(window_.game(), command); });
    answers_.Finish();
    if (!understood)
        difference_ = "line " + std::to_string(step.line) + ": not a command: " + step.command;
    else
        difference_ = StepDifference(replay_, next_, answers_.problem(), window_.recorder().last(), closeAsked_);
    ++next_;
    if (!difference_.empty() || closeAsked_ || next_ >= replay_.steps.size()) {
        End();
        return;
    }
    Later(Pace(pace_.commandMs), &ReplayPlayer::RunNext);
}

void ReplayPlayer::BeforeModal(Kind kind, const DialogRequest* request)
{
    Plan plan;
    plan.kind = kind;
    if (kind == Kind::YesNo) {
        plan.yes = AnswerYesNo(answers_);
    } else if (kind == Kind::Dialog && request) {
        plan.request = *request;
        plan.result = AnswerDialog(*request, answers_);
        if (OnlyInforms(request->id))
            plan.kind = Kind::Inform;
    }
    plan_ = plan;
    operated_ = nullptr;
    Later(Pace(pace_.dialogMs), &ReplayPlayer::Operate);
}

void ReplayPlayer::Operate()
{
    if (!plan_)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (paused_ || !modal || modal == &window_ || modal == operated_ || !modal->isVisible()) {
        Later(paused_ ? 100 : kRetryMs, &ReplayPlayer::Operate);
        return;
    }
    const Plan plan = *plan_;
    plan_.reset();
    operated_ = modal;
    if (plan.kind == Kind::Inform) {
        Close(modal, true);
        return;
    }
    if (plan.kind == Kind::YesNo) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            if (QAbstractButton* button = box->button(plan.yes ? QMessageBox::Yes : QMessageBox::No)) {
                button->click();
                return;
            }
        Close(modal, plan.yes);
        return;
    }
    // The answer is filled in and shown a moment before its button is pressed.
    const DialogRequest& request = *plan.request;
    const bool ok = plan.result.button == kIdOk;
    if (request.field && ok)
        if (auto* edit = modal->findChild<QLineEdit*>())
            edit->setText(QString::number(plan.result.value));
    if (request.checks && ok) {
        if (auto* hackers = control<QCheckBox>(modal, kIdHackersCheck))
            hackers->setChecked(plan.result.checks.hackersAllowed != 0);
        if (auto* sound = control<QCheckBox>(modal, kIdSoundOffCheck))
            sound->setChecked(plan.result.checks.soundOff != 0);
    }
    if (request.id == kCongratsDialogId && ok)
        if (auto* edit = control<QLineEdit>(modal, kCongratsNameId))
            edit->setText(QString::fromStdString(plan.result.name));
    QPointer<QWidget> target = modal;
    QTimer::singleShot(Pace(pace_.dialogMs / 2), this, [this, target, plan] { Press(target, plan); });
}

void ReplayPlayer::Press(QPointer<QWidget> modal, Plan plan)
{
    if (!modal)
        return;
    if (paused_) {
        QTimer::singleShot(100, this, [this, modal, plan] { Press(modal, plan); });
        return;
    }
    if (auto* button = control<QPushButton>(modal, plan.result.button))
        button->click();
    else
        Close(modal, plan.result.button == kIdOk);
}

void ReplayPlayer::End()
{
    if (ended_)
        return;
    ended_ = true;
    qApp->removeEventFilter(this);
    line_->hide();
    if (window_.isVisible())
        window_.done(QDialog::Accepted);
}

bool ReplayPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsInput(event->type()))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
            paused_ = !paused_;
            ShowLine(shownLine_);
        } else if (key->key() == Qt::Key_Escape) {
            stopped_ = true;
            paused_ = false;
            ShowLine(TrQ("回放停止中……"));
        }
    }
    // The game is the file's: the player's keys and clicks do not reach it.
    return true;
}

ReplayRun PlayReplay(const std::string& file, const GameFolders& folders, ReplayPace pace,
                     const std::function<void(QWidget*, const ReplayRun&)>& atEnd)
{
    ReplayRun run;
    const std::optional<std::string> text = ReadRegularFile(file, kMaxReplayBytes);
    if (!text) {
        run.line = "cannot read the replay " + file;
        run.summary = TrQ("不能读取回放文件：%1").arg(QString::fromStdString(file));
        return run;
    }
    ReplayParse parse = ParseReplay(*text);
    if (!parse.replay) {
        run.line = "line " + std::to_string(parse.errorLine) + ": " + parse.error;
        run.summary = TrQ("这不是Torvane的回放文件：%1").arg(QString::fromStdString(run.line));
        return run;
    }
    const ParsedReplay& replay = *parse.replay;
    QTemporaryDir scratch;
    if (!scratch.isValid() || !SaveTopTen(scratch.path().toStdString(), TableGivingRank(replay.result.rank))) {
        run.line = "cannot make a scratch folder";
        run.summary = TrQ("不能建立临时文件夹。");
        return run;
    }
    if (!ApplyReplayHeader(replay.header,
                           CatalogueFolders(QCoreApplication::applicationDirPath().toStdString()))) {
        run.line = "line 5: the game was played in English, and the English catalogue cannot be loaded";
        run.summary = TrQ("这局是用英文玩的，找不到英文界面的翻译文件。");
        return run;
    }
    GameFolders playing = GameFolders::Single(scratch.path().toStdString());
    playing.content = folders.content;
    CMainDlg window(playing);
    window.recorder().SetSink({});
    GameState& state = window.game().state();
    state.mapMode = replay.header.map;
    state.soundOff = replay.header.soundOff;
    state.hackerEnabled = replay.header.hackers;
    window.MapChanged(state.mapMode);

    ReplayPlayer player(window, replay, pace);
    std::string difference;
    if (replay.header.program != ProgramName())
        difference = "differs at line 2: the file says " + replay.header.program + ", this is " + ProgramName();
    else
        difference = StartDifference(replay, CheckLine(window.game(), ShownDigest()));
    if (difference.empty()) {
        // Started once the window is shown, modal, at its final size.
        QTimer::singleShot(0, &player, &ReplayPlayer::Start);
        window.exec();
        difference = player.difference();
    }
    // The window stays on screen with the game's last state under the summary.
    window.show();
    if (!difference.empty()) {
        run.status = 1;
        run.line = difference;
        run.summary = TrQ("回放与记录不符：%1").arg(QString::fromStdString(difference));
    } else if (player.stopped()) {
        run.status = 1;
        run.line = "stopped before line " + std::to_string(
                                                 replay.steps[std::min(player.played(), replay.steps.size() - 1)].line);
        run.summary = TrQ("回放已停止。");
    } else {
        const ReplayResult& result = replay.result;
        run.status = 0;
        run.line = VerifiedText(result);
        run.summary = TrQ("回放完毕，与记录相符：财富%1元，名声%2，玩了%3天。")
                          .arg(result.wealth)
                          .arg(result.fame)
                          .arg(result.days);
    }
    if (atEnd)
        atEnd(&window, run);
    return run;
}

int PlayReplayFile(const std::string& file, const GameFolders& folders)
{
    const ReplayRun run = PlayReplay(file, folders, ReplayPace(), [](QWidget* window, const ReplayRun& end) {
        ShowMessageBox(window, end.summary, Icon::Information);
    });
    std::fprintf(run.status == 2 ? stderr : stdout, "%s\n", run.line.c_str());
    if (run.status == 2)
        ShowMessageBox(nullptr, run.summary, Icon::Stop);
    return run.status;
}
