#include "engine/commands.h"

#include <sstream>

#include "game/game.h"
#include "game/goods.h"

namespace {

bool ParseInt(const std::string& word, int lo, int hi, int& value)
{
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(word);
    return value >= lo && value <= hi;
}

// The goods the words after buy or sell name: an index 0 to 7 or a goods name
// in the interface language (an English name is several words); -1 when neither.
int GoodsOfWords(const std::vector<std::string>& words)
{
    int index = 0;
    if (words.size() == 2 && ParseInt(words[1], 0, 7, index))
        return index;
    std::string name = words[1];
    for (std::size_t k = 2; k < words.size(); ++k)
        name += " " + words[k];
    return GoodsIndex(name);
}

// Selects the row of the goods in list (the window shows it selected); none
// when the goods is not in it.
void SelectGoods(Game& game, ListId list, int goods)
{
    game.SelectRow(list, list == ListId::Market ? game.market().FindGoods(goods) : game.room().FindGoods(goods));
}

}  // namespace

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

CommandLineWords SplitAnswers(const std::vector<std::string>& words)
{
    CommandLineWords split;
    bool afterDashes = false;
    for (const std::string& word : words) {
        if (!afterDashes && word == "--")
            afterDashes = true;
        else if (afterDashes)
            split.answers.push_back(word);
        else
            split.command.push_back(word);
    }
    return split;
}

bool DispatchCommand(Game& game, const std::vector<std::string>& words)
{
    const std::string& verb = words[0];
    const std::size_t n = words.size();
    int number = 0;
    if (n == 1) {
        if (verb == "new") game.NewGame();
        else if (verb == "map") game.ToggleMap();
        else if (verb == "buy") { game.SelectRow(ListId::Market, -1); game.OnBuy(); }
        else if (verb == "sell") { game.SelectRow(ListId::Room, -1); game.OnSell(); }
        else if (verb == "buyall") game.OnBuyAll();
        else if (verb == "sellall") game.OnSellAll();
        else if (verb == "bank") game.OnBank();
        else if (verb == "hospital") game.OnHospital();
        else if (verb == "post") game.OnPostOffice();
        else if (verb == "rent") game.OnRentAgent();
        else if (verb == "cafe") game.OnNetCafe();
        else if (verb == "airport") game.OnAirport();
        else if (verb == "settings") game.OnSettings();
        else if (verb == "topten") game.OnTopTen();
        else if (verb == "quit") game.FinishGame();
        else return false;
        return true;
    }
    if (n == 2 && verb == "travel" && ParseInt(words[1], 1, 10, number)) {
        game.Travel(number);
        return true;
    }
    if (n >= 2 && (verb == "buy" || verb == "sell")) {
        int goods = GoodsOfWords(words);
        if (goods < 0)
            return false;
        if (verb == "buy") {
            SelectGoods(game, ListId::Market, goods);
            game.OnBuy();
        } else {
            SelectGoods(game, ListId::Room, goods);
            game.OnSell();
        }
        return true;
    }
    if (n == 3 && verb == "sort" && (words[1] == "market" || words[1] == "room") &&
        ParseInt(words[2], 0, 2, number)) {
        game.SortList(words[1] == "market" ? ListId::Market : ListId::Room, number);
        return true;
    }
    return false;
}
