#include "engine/replay_verify.h"

#include <deque>
#include <limits>

#include "engine/answers.h"
#include "engine/commands.h"
#include "game/game.h"
#include "game/random_source.h"
#include "game/replay_recorder.h"
#include "places/fame_penalties.h"

namespace {

// Answers the game's questions from a command's words.
class VerifyUi : public HeadlessUi {
public:
    ReplayAnswers answers;
    bool closed = false;

    void ShowNews(const std::string&) override {}
    void ShowDiary(const std::string&, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string&, Icon) override {}
    bool AskYesNo(const std::string&, Icon) override { return AnswerYesNo(answers); }
    DialogResult RunDialog(const DialogRequest& request) override { return AnswerDialog(request, answers); }
    void PlaySound(const std::string&) override {}
    void CloseMainWindow(bool) override { closed = true; }
    void Exit(int status) override { answers.Note("ended the program with status " + std::to_string(status)); }
};

std::string Differs(int line, const std::string& context, const std::string& file, const std::string& game)
{
    return "differs at line " + std::to_string(line) + context + ": the file says " + file + ", the game did " + game;
}

std::string Quoted(const std::string& text) { return " (" + text + ")"; }

VerifyOutcome Outcome(int status, std::string message) { return VerifyOutcome{status, std::move(message)}; }

// The first difference between a line of the file and the game's own.
std::string LineDiffers(int line, const std::string& context, const std::string& file, const std::string& game)
{
    const auto [said, did] = FirstDifference(file, game);
    return Differs(line, context, said, did);
}

}  // namespace

bool ApplyReplayHeader(const ReplayHeader& header, const std::vector<std::string>& catalogueFolders)
{
    ClearQueuedDraws();
    SeedRandom(header.random);
    fameMessageFlags.bookMessageShown = header.bookMessage != 0;
    fameMessageFlags.liquorMessageShown = header.liquorMessage != 0;
    return UseLanguage(header.language, catalogueFolders);
}

TopTenTable TableGivingRank(int rank)
{
    TopTenTable table = DefaultTopTen();
    for (int row = 0; row < 10; ++row) {
        TopTenEntry& entry = table[static_cast<std::size_t>(row)];
        entry.name = "-";
        // The places above the rank are out of reach; the rank itself takes any wealth of 1 or more.
        entry.money = rank == 0 || row < rank - 1 ? std::numeric_limits<std::int32_t>::max() : 1;
        entry.health = 100;
        entry.reputation = ReputationWord(100);
    }
    return table;
}

VerifyOutcome VerifyReplay(const std::string& text, const std::string& scratchDir,
                           const std::vector<std::string>& catalogueFolders)
{
    ReplayParse parse = ParseReplay(text);
    if (!parse.replay)
        return Outcome(2, "line " + std::to_string(parse.errorLine) + ": " + parse.error);
    const ParsedReplay& replay = *parse.replay;
    if (replay.header.program != ProgramName())
        return Outcome(1, Differs(replay.programLine, " (the program)", replay.header.program,
                                  "not run: this is " + ProgramName() + ", whose rules may differ"));
    if (!SaveTopTen(scratchDir, TableGivingRank(replay.result.rank)))
        return Outcome(2, "cannot write a score file into the scratch folder " + scratchDir);

    if (!ApplyReplayHeader(replay.header, catalogueFolders))
        return Outcome(2, "line 5: the game was played in English, and the English catalogue cannot be loaded");
    VerifyUi ui;
    ReplayRecorder recorder(ui);
    Game game(recorder, GameFolders::Single(scratchDir));
    game.SetRecorder(&recorder);
    game.state().mapMode = replay.header.map;
    game.state().soundOff = replay.header.soundOff;
    game.state().hackerEnabled = replay.header.hackers;
    game.OpenWindow();
    if (std::string difference = StartDifference(replay, recorder.last().check); !difference.empty())
        return Outcome(1, difference);

    for (std::size_t i = 0; i < replay.steps.size(); ++i) {
        const ReplayStep& step = replay.steps[i];
        auto [command, answers] = SplitAnswers(Words(step.command));
        if (command.empty() || (command.size() == 1 && (command[0] == "ok" || command[0] == "cancel")))
            return Outcome(2, "line " + std::to_string(step.line) + ": not an action of the player: " + step.command);
        ui.answers.Start(std::move(answers));
        if (!DispatchCommand(game, command))
            return Outcome(2, "line " + std::to_string(step.line) + ": not a command: " + step.command);
        ui.answers.Finish();
        if (std::string difference = StepDifference(replay, i, ui.answers.problem(), recorder.last(), ui.closed);
            !difference.empty())
            return Outcome(1, difference);
    }
    return Outcome(0, VerifiedText(replay.result));
}

void ReplayAnswers::Start(std::deque<std::string> answers)
{
    answers_ = std::move(answers);
    problem_.clear();
}

void ReplayAnswers::Finish()
{
    if (answers_.empty())
        return;
    std::string list;
    for (const std::string& answer : answers_)
        list += (list.empty() ? "" : " ") + answer;
    Note("left the answers " + list + " unused");
    answers_.clear();
}

void ReplayAnswers::Note(const std::string& text)
{
    if (problem_.empty())
        problem_ = text;
}

bool ReplayAnswers::NextAnswer(std::string& answer)
{
    if (answers_.empty()) {
        Note("asked a question the line gives no answer to");
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    // Names are written with their blanks and '%' escaped.
    if (answer.rfind("name=", 0) == 0) {
        std::optional<std::string> name = UnescapeWord(answer.substr(5));
        if (!name)
            Note("could not read the name in " + answer);
        answer = "name=" + name.value_or(std::string());
    }
    return true;
}

void ReplayAnswers::AnswerFitsNothing(const std::string& answer) { Note("found no button for the answer " + answer); }

void ReplayAnswers::ShowValidationMessage(const std::string& text) { Note("refused an answer: " + text); }

std::string StepDifference(const ParsedReplay& replay, std::size_t i, const std::string& problem,
                           const ActionOutcome& did, bool closed)
{
    const ReplayStep& step = replay.steps[i];
    const bool lastStep = i + 1 == replay.steps.size();
    const bool finished = !did.result.empty();
    if (!problem.empty())
        return Differs(step.line, "", step.command, "otherwise: it " + problem);
    if (finished && !lastStep)
        return Differs(step.checkLine, Quoted(step.command), step.check, "its final evaluation: " + did.result);
    if (!finished && (did.beganGame || closed))
        return Differs(lastStep ? replay.resultLine : step.checkLine, Quoted(step.command),
                       lastStep ? replay.resultText : step.check,
                       did.beganGame ? "begin a new game" : "close the window without its final evaluation");
    if (!finished && lastStep)
        return Differs(replay.resultLine, Quoted(step.command), replay.resultText,
                       "not reach its final evaluation: " + did.check);
    if (finished && did.result != replay.resultText)
        return LineDiffers(replay.resultLine, Quoted(step.command), replay.resultText, did.result);
    if (!finished && did.check != step.check)
        return LineDiffers(step.checkLine, Quoted(step.command), step.check, did.check);
    return std::string();
}

std::string StartDifference(const ParsedReplay& replay, const std::string& startCheck)
{
    if (startCheck == replay.startCheck)
        return std::string();
    return LineDiffers(replay.startLine, " (the game's start, from the header above it)", replay.startCheck,
                       startCheck);
}

std::string VerifiedText(const ReplayResult& result)
{
    return "verified: wealth " + std::to_string(result.wealth) + " fame " + std::to_string(result.fame) + " days " +
           std::to_string(result.days);
}
