#include "game/replay_recorder.h"

#include "game/dialog_ids.h"
#include "game/game.h"
#include "game/random_source.h"

namespace {

// The answer words that give this result to the dialog, as the engine reads them.
std::string AnswerWords(const DialogRequest& request, const DialogResult& result)
{
    const bool ok = result.button == kIdOk;
    if (OnlyInforms(request.id))
        return std::string();
    if (request.field)
        return ok ? std::to_string(result.value) : "cancel";
    if (request.checks)
        return ok ? "hackers=" + std::to_string(result.checks.hackersAllowed) +
                        " soundoff=" + std::to_string(result.checks.soundOff) + " ok"
                  : "cancel";
    if (request.id == kCongratsDialogId)
        return ok ? "name=" + EscapeWord(result.name) : "cancel";
    if (request.id == kBankDialogId)
        return ok ? "deposit" : result.button == kIdBankLeave ? "leave" : "withdraw";
    return ok ? "ok" : "cancel";
}

}  // namespace

ReplayRecorder::ReplayRecorder(Ui& player, ReplaySink sink) : player_(player), sink_(std::move(sink)) {}

void ReplayRecorder::GameBegins()
{
    // Playing again from the final evaluation: that game's answers are all given.
    if (Recording() && result_)
        Finish();
    live_ = true;
    startPending_ = true;
    inAction_ = false;
    lines_.clear();
    result_.reset();
    random_ = RandomStateNow();
}

void ReplayRecorder::ActionBegins(const std::string& command)
{
    last_ = ActionOutcome();
    if (command.empty())
        return;
    inAction_ = true;
    command_ = command;
    answers_.clear();
    shown_ = ShownDigest();
}

void ReplayRecorder::ActionEnds(const Game& game)
{
    if (startPending_) {
        startPending_ = false;
        lines_ = HeaderLines(HeaderOfGame(game, random_));
        lines_.push_back(CheckLine(game, ShownDigest()));
        last_.check = lines_.back();
        last_.beganGame = true;
    } else if (Recording() && result_) {
        Finish();
    } else if (Recording()) {
        last_.command = CommandText();
        last_.check = CheckLine(game, shown_);
        lines_.push_back(last_.command);
        lines_.push_back(last_.check);
    }
    inAction_ = false;
}

void ReplayRecorder::Evaluated(const Game& game, std::int32_t wealth, int place)
{
    if (!Recording())
        return;
    ReplayResult result;
    result.wealth = wealth;
    result.fame = game.state().fame;
    result.days = kDaysPerGame - game.state().daysLeft;
    result.rank = place >= 0 && place < 10 ? place + 1 : 0;
    result_ = result;
}

void ReplayRecorder::Finish()
{
    result_->shown = shown_.value();
    last_.command = CommandText();
    last_.result = ResultLine(*result_);
    lines_.push_back(last_.command);
    lines_.push_back(last_.result);
    const std::int32_t wealth = result_->wealth;
    live_ = false;
    inAction_ = false;
    result_.reset();
    if (!sink_)
        return;
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\n";
    sink_(FinishedReplay{text, wealth});
}

std::string ReplayRecorder::CommandText() const
{
    std::string text = command_;
    for (std::size_t i = 0; i < answers_.size(); ++i)
        text += (i == 0 ? " -- " : " ") + answers_[i];
    return text;
}

void ReplayRecorder::Watch(ModalWatcher::Kind kind, const DialogRequest* request)
{
    if (watcher_)
        watcher_->BeforeModal(kind, request);
}

void ReplayRecorder::ShowNews(const std::string& text)
{
    if (Recording()) {
        shown_.Add("news");
        shown_.Add(text);
    }
    Watch(ModalWatcher::Kind::Inform, nullptr);
    player_.ShowNews(text);
}

void ReplayRecorder::ShowDiary(const std::string& middle, const std::string& top, const std::string& bottom)
{
    if (Recording()) {
        shown_.Add("diary");
        shown_.Add(top);
        shown_.Add(middle);
        shown_.Add(bottom);
    }
    Watch(ModalWatcher::Kind::Inform, nullptr);
    player_.ShowDiary(middle, top, bottom);
}

void ReplayRecorder::ShowMessage(const std::string& text, Icon icon)
{
    if (Recording()) {
        shown_.Add("box");
        shown_.Add(text);
        shown_.Add(static_cast<std::int64_t>(icon));
    }
    Watch(ModalWatcher::Kind::Inform, nullptr);
    player_.ShowMessage(text, icon);
}

bool ReplayRecorder::AskYesNo(const std::string& text, Icon icon)
{
    const bool recording = Recording();
    if (recording) {
        shown_.Add("question");
        shown_.Add(text);
        shown_.Add(static_cast<std::int64_t>(icon));
    }
    Watch(ModalWatcher::Kind::YesNo, nullptr);
    const bool yes = player_.AskYesNo(text, icon);
    if (recording)
        answers_.push_back(yes ? "yes" : "no");
    return yes;
}

DialogResult ReplayRecorder::RunDialog(const DialogRequest& request)
{
    const bool recording = Recording();
    if (recording) {
        // The top-ten rows are left out: they come from the player's own score file.
        shown_.Add("dialog");
        shown_.Add(request.id);
        for (const auto& [id, text] : request.texts) {
            shown_.Add(id);
            shown_.Add(text);
        }
        if (request.field) {
            shown_.Add(request.field->value);
            shown_.Add(request.field->lower);
            shown_.Add(request.field->upper);
        }
        if (request.checks) {
            shown_.Add(request.checks->hackersAllowed);
            shown_.Add(request.checks->soundOff);
        }
    }
    Watch(ModalWatcher::Kind::Dialog, &request);
    DialogResult result = player_.RunDialog(request);
    if (recording) {
        if (std::string words = AnswerWords(request, result); !words.empty())
            answers_.push_back(words);
        if (request.id == kCongratsDialogId && result_)
            result_->name = result.name;
    }
    return result;
}

void ReplayRecorder::PlaySound(const std::string& file)
{
    if (Recording()) {
        shown_.Add("sound");
        shown_.Add(file);
    }
    player_.PlaySound(file);
}

void ReplayRecorder::CloseMainWindow(bool ok)
{
    if (Recording()) {
        shown_.Add("close");
        shown_.Add(std::int64_t{ok});
    }
    if (watcher_)
        watcher_->BeforeClose();
    player_.CloseMainWindow(ok);
}

void ReplayRecorder::Exit(int status)
{
    // The program ends inside the evaluation: the game has no result to record.
    live_ = false;
    inAction_ = false;
    player_.Exit(status);
}
