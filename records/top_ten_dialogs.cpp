#include "records/top_ten_dialogs.h"

#include "game/random_source.h"

namespace {

const char* const kTitles[5] = {
    "Varsen市优秀赚钱员",
    "Varsen十大杰出小青年",
    "京城最酷倒卖手",
    "京都捞钱大师",
    "Varsen第一金手指",
};

const char* const kPlaceLabels[10] = {
    "第一名", "第二名", "第三名", "第四名", "第五名", "第六名", "第七名", "第八名", "第九名", "第十名",
};

}  // namespace

DialogRequest CongratsDialog(int rank, std::int32_t money)
{
    DialogRequest request;
    request.id = kCongratsDialogId;
    request.texts.push_back({1091, "您的财富" + std::to_string(money) + "人民币已经进入Varsen富人前" +
                                       std::to_string(rank) + "名。"});
    request.texts.push_back({1099, std::string("您还被授予“") + kTitles[RandomDraw() % 5] + "”。"});
    return request;
}

DialogRequest TopTenDialog(const TopTenTable& table, int highlightRow)
{
    DialogRequest request;
    request.id = kTopTenDialogId;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const TopTenEntry& row = table[k];
        request.rows.push_back({kPlaceLabels[k], row.name, std::to_string(row.money),
                                std::to_string(row.health), row.reputation});
    }
    request.selected = highlightRow;
    return request;
}
