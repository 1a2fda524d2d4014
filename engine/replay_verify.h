#pragma once
// Plays a replay file in a fresh game and compares, action by action, what the
// game did with what the file says.

#include <deque>
#include <string>
#include <vector>

#include "engine/answers.h"
#include "game/replay_format.h"
#include "game/replay_recorder.h"
#include "records/top_ten.h"

struct VerifyOutcome {
    int status = 2;          // 0 verified, 1 the game went another way, 2 not a replay
    std::string message;     // "verified: wealth W fame F days D", the first difference, or the error
};

// The game's files go to scratchDir, which must be an empty folder of its own:
// the player's score.txt is never read or written. A game played in English
// needs its catalogue from one of catalogueFolders.
VerifyOutcome VerifyReplay(const std::string& text, const std::string& scratchDir,
                           const std::vector<std::string>& catalogueFolders = {});

// Sets what a replay's game starts from that lives for the whole process: the
// random generator, the fame-message flags and the interface language. False
// when the language's catalogue is in none of catalogueFolders.
bool ApplyReplayHeader(const ReplayHeader& header, const std::vector<std::string>& catalogueFolders);

// A table in which a wealth of 1 or more takes the recorded rank (1 to 10), or
// enters nowhere (0), as the player's own table made it.
TopTenTable TableGivingRank(int rank);

// The answers of one command line of a replay, noting the first thing that
// goes otherwise than the line says: an answer no button takes, a number the
// dialog refuses, a question without an answer, answers left over.
class ReplayAnswers : public AnswerSource {
public:
    void Start(std::deque<std::string> answers);
    // Notes the answers no question took.
    void Finish();
    const std::string& problem() const { return problem_; }
    void Note(const std::string& text);

    bool NextAnswer(std::string& answer) override;
    void AnswerFitsNothing(const std::string& answer) override;
    void ShowValidationMessage(const std::string& text) override;

private:
    std::deque<std::string> answers_;
    std::string problem_;
};

// How the game's action at replay.steps[step] differs from the file, as a
// line for the player; empty when it does as the file says. problem is the
// answers' own, closed whether the window was asked to close.
std::string StepDifference(const ParsedReplay& replay, std::size_t step, const std::string& problem,
                           const ActionOutcome& did, bool closed);

// How the game's start (its check line) differs from the file's; empty when it does not.
std::string StartDifference(const ParsedReplay& replay, const std::string& startCheck);

// "verified: wealth W fame F days D".
std::string VerifiedText(const ReplayResult& result);
