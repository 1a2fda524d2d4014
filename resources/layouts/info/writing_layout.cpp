#include "resources/layouts/layouts.h"
#include "records/catalogue.h"
#include "ui/info/info_ids.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kReportEditId, K::Memo, "", 11, 18, 274, 172, kPlain},
    {kSaveButtonId, K::Button, N_("存 盘"), 50, 209, 50, 14, kPlain},
    {kSpellCheckButtonId, K::Button, N_("拼写检查"), 124, 208, 50, 14, kPlain},
    {1, K::Button, N_("确 定"), 206, 208, 50, 14, kPlain},
};

}  // namespace

const DialogTemplate kWritingTemplate{kWritingDialogId, N_("写作"), 299, 280, kControls};
