#include <algorithm>

#include "places/quantity_dialogs.h"
#include "game/text_format.h"
#include "records/catalogue.h"

NumberField MakeNumberField(int controlId, std::int64_t value, std::int64_t lower, std::int64_t upper)
{
    NumberField field;
    field.controlId = controlId;
    field.value = value;
    field.lower = lower;
    field.upper = upper;
    field.spinLower = 1;
    field.spinUpper = static_cast<std::int16_t>(static_cast<std::uint16_t>(upper & 0xFFFF));
    return field;
}

DialogRequest BuyDialog(std::int32_t cash, std::int32_t maxQuantity, const std::string& goodsName)
{
    DialogRequest request;
    request.id = kBuyDialogId;
    if (maxQuantity != 0) {
        request.texts.push_back({1022, Format(Tr("%1元人民币,最多可以买%2个%3。"),
                                              {std::to_string(cash), std::to_string(maxQuantity), goodsName})});
        request.texts.push_back({1107, ""});
    } else {
        request.texts.push_back({1022, Format(Tr("%1元人民币, 您租的房子放满了东西，所以不能再进货了。"), {std::to_string(cash)})});
        request.texts.push_back({1107, Tr("为扩大生意规模，建议您去租更大的房子。")});
    }
    request.field = MakeNumberField(1053, maxQuantity, 0, maxQuantity);
    return request;
}

DialogRequest SellDialog(std::int32_t quantity, const std::string& goodsName)
{
    DialogRequest request;
    request.id = kSellDialogId;
    request.texts.push_back({1027, Format(Tr("您有%1个%2，想卖出多少？"), {std::to_string(quantity), goodsName})});
    request.field = MakeNumberField(1053, quantity, 0, quantity);
    return request;
}

DialogRequest BankDialog(std::int32_t cash, std::int32_t savings)
{
    DialogRequest request;
    request.id = kBankDialogId;
    request.texts.push_back({kIdBankGreeting, Format(Tr("客户您好! 您的现金是%1, 您的存款是%2. 请问您要..."),
                                                     {std::to_string(cash), std::to_string(savings)})});
    return request;
}

DialogRequest CashDialog(int mode, std::int32_t cash, std::int32_t savings)
{
    DialogRequest request;
    request.id = kCashDialogId;
    const std::int32_t limit = mode == 1 ? cash : savings;
    request.texts.push_back({kIdCashPrompt, mode == 1 ? Tr("您存多少钱?") : Tr("您提走多少钱?")});
    request.field = MakeNumberField(kIdCashAmount, limit, 0, limit);
    return request;
}

DialogRequest HospitalDialog(std::int32_t health)
{
    DialogRequest request;
    request.id = kHospitalDialogId;
    const std::int64_t points = 100 - std::int64_t{health};
    request.texts.push_back({kIdDoctorLine, Format(Tr("大夫高兴地拍着手：“您的健康点数是%1，需要治疗的点数是%2。"),
                                                   {std::to_string(health), std::to_string(points)})});
    request.field = MakeNumberField(kIdTreatPoints, points, 1, points);
    return request;
}

DialogRequest RepayDialog(std::int32_t cash, std::int32_t debt)
{
    DialogRequest request;
    request.id = kRepayDialogId;
    const std::int32_t most = std::min(cash, debt);
    request.texts.push_back({kIdRepayPrompt, Format(Tr("村长在电话中说：\"铁牛，你欠俺%1元，快还!\""), {std::to_string(debt)})});
    request.field = MakeNumberField(kIdRepayAmount, most, 0, most);
    return request;
}
