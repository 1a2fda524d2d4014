#include "records/top_ten_dialogs.h"

#include "game/random_source.h"
#include "game/text_format.h"
#include "records/catalogue.h"

namespace {

const char* const kTitles[5] = {
    N_("Varsen市优秀赚钱员"),
    N_("Varsen十大杰出小青年"),
    N_("京城最酷倒卖手"),
    N_("京都捞钱大师"),
    N_("Varsen第一金手指"),
};

const char* const kPlaceLabels[10] = {
    N_("第一名"), N_("第二名"), N_("第三名"), N_("第四名"), N_("第五名"), N_("第六名"), N_("第七名"), N_("第八名"), N_("第九名"), N_("第十名"),
};

}  // namespace

DialogRequest CongratsDialog(int rank, std::int32_t money)
{
    DialogRequest request;
    request.id = kCongratsDialogId;
    request.texts.push_back({1091, Format(Tr("您的财富%1人民币已经进入Varsen富人前%2名。"),
                                          {std::to_string(money), std::to_string(rank)})});
    request.texts.push_back({1099, Format(Tr("您还被授予“%1”。"), {Tr(kTitles[RandomDraw() % 5])})});
    return request;
}

DialogRequest TopTenDialog(const TopTenTable& table, int highlightRow)
{
    DialogRequest request;
    request.id = kTopTenDialogId;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const TopTenEntry& row = table[k];
        // The file keeps the Chinese words; the table shows them in the interface language.
        request.rows.push_back({Tr(kPlaceLabels[k]), row.name, std::to_string(row.money),
                                std::to_string(row.health), Tr(row.reputation.c_str())});
    }
    request.selected = highlightRow;
    return request;
}
