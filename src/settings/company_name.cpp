#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/main_view.h"
#include "platform/registry.h"
#include "settings/settings.h"

Text CompanyFilePath() { return WorkFolder() + "公司名字"; }

Notice ApplyCompanyName(const Text& company) {
    bool stored = WriteWholeFile(CompanyFilePath(), company);
    // The caption changes either way: the name is in effect for this run.
    CaptionSet(company + "文件共享5.0---我的计算机名：" +
               RegReadText(RegRoot::LocalMachine, kComputerNamePath));
    if (stored) return {"设置成功", kIconInfo};
    return {"公司名称无法保存到文件“" + CompanyFilePath() +
                "”。标题已改为新名称，但只在本次运行中有效，下次启动时不会再显示。",
            kIconError};
}

void ChangeCompany() {
    Text company = "青屿";
    if (!InputBox("请输入规公司的名称！", "公司名称", company, kInputPlain)) return;
    Notice notice = ApplyCompanyName(company);
    ShowMessage(notice.text, notice.icon);
}
