#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "neighbourhood/neighbourhood.h"
#include "platform/fake/fake.h"
#include "platform/registry.h"
#include "remote/remote.h"
#include "settings/settings.h"
#include "shares/shares.h"

namespace {

// The same small world before every command: two computers, the first one
// selected, a computer name.
void PrepareWorld() {
    fake::Reset();
    fake::SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC-01");
    fake::SetItems({{"PC-02", 0}, {"PC-03", 1}});
    fake::Select(0);
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    if (from.empty()) return s;
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// Everything a command can visibly do in the fake platform, with the fresh
// temporary folder's path made neutral so two runs compare.
std::string Effects() {
    std::string e;
    for (auto& t : fake::Threads()) e += "thread " + std::to_string(reinterpret_cast<uintptr_t>(t.routine)) + "(" + std::to_string(t.argument) + ")\n";
    for (auto& m : fake::Messages()) e += "message " + m.title + "|" + m.text + "|" + std::to_string(m.icon) + "\n";
    for (auto& i : fake::Inputs()) e += "input " + i.title + "|" + i.prompt + "|" + i.initial + "\n";
    for (auto& f : fake::FolderTitles()) e += "folder " + f + "\n";
    for (auto& c : fake::Commands()) e += "command " + c.commandLine + "\n";
    for (auto& s : fake::ShellOpens()) e += "open " + s + "\n";
    for (auto& w : fake::RegWrites()) e += "reg " + w + "\n";
    e += "share windows " + std::to_string(fake::ShareWindowRuns()) + "\n";
    e += "caption " + fake::Caption() + "\nstatus " + fake::Status() + "\n";
    for (auto& item : fake::Items()) e += "item " + item.text + "\n";
    return Replace(e, fake::TempFolder(), "<tmp>/");
}

std::string EffectsOf(void (*command)()) {
    PrepareWorld();
    command();
    if (fake::ShareWindowOpen()) fake::CloseShareWindow();
    return Effects();
}

std::string EffectsOfMenuItem(int item) {
    PrepareWorld();
    RunProgram();
    fake::MainHandlers().onMenuItem(item);
    if (fake::ShareWindowOpen()) fake::CloseShareWindow();
    // RunProgram's own start-up threads are not the command's doing.
    return Effects();
}

struct MenuRoute {
    const char* text;
    void (*handler)();
};

const MenuRoute kExpectedMenu[] = {
    {"以IP方式查看", StartAddressView},
    {"查看本机共享资源", ShowLocalShares},
    {"开启共享功能---解决不能共享", EnableGuestSharing},
    {"远程链接桌面", RemoteDesktopCommand},
    {"开启远程桌面服务", RemoteServiceCommand},
    {"清除密码以及计算机名", ClearSavedData},
    {"一键共享文件夹或磁盘", ShareFolder},
    {"更改本机计算机名", RenameComputer},
    {"更改公司名称", ChangeCompany},
    {"帮助", OpenHelp},
    {"关于", ShowAbout},
};

TEST(RoutingTest, MenuHasTheElevenTextsInOrder) {
    fake::Reset();
    RunProgram();
    std::vector<std::string> expected;
    for (const MenuRoute& r : kExpectedMenu) expected.push_back(r.text);
    EXPECT_EQ(fake::MainHandlers().menuItems, expected);
}

TEST(RoutingTest, EachMenuItemDoesWhatItsHandlerDoes) {
    for (int item = 1; item <= 11; ++item) {
        SCOPED_TRACE(kExpectedMenu[item - 1].text);
        // RunProgram records the start-up threads first; drop them by
        // comparing against the handler run after the same start-up.
        std::string expected = [&] {
            PrepareWorld();
            RunProgram();
            kExpectedMenu[item - 1].handler();
            if (fake::ShareWindowOpen()) fake::CloseShareWindow();
            return Effects();
        }();
        EXPECT_EQ(EffectsOfMenuItem(item), expected);
        // The comparison means something only if the handler leaves a trace.
        EXPECT_NE(EffectsOf(kExpectedMenu[item - 1].handler), EffectsOf([] {}));
    }
}

TEST(RoutingTest, HandlersAreToldApartByTheirEffects) {
    // Guards the test above: two handlers with the same trace could be swapped
    // unnoticed.
    std::vector<std::string> seen;
    for (const MenuRoute& r : kExpectedMenu) {
        std::string e = EffectsOf(r.handler);
        for (const std::string& other : seen) EXPECT_NE(e, other) << r.text;
        seen.push_back(e);
    }
}

TEST(RoutingTest, AboutShowsAMessage) {
    PrepareWorld();
    RunProgram();
    fake::MainHandlers().onMenuItem(11);
    ASSERT_EQ(fake::Messages().size(), 1u);
}

TEST(RoutingTest, ItemsOutsideTheMenuDoNothing) {
    for (int item : {0, 12, -1}) {
        SCOPED_TRACE(item);
        PrepareWorld();
        RunProgram();
        std::string before = Effects();
        fake::MainHandlers().onMenuItem(item);
        EXPECT_EQ(Effects(), before);
    }
}

TEST(RoutingTest, ListClickAndStatusPressReachTheirHandlers) {
    // A click on the selected computer opens it and ends the run.
    PrepareWorld();
    RunProgram();
    fake::MainHandlers().onListClick();
    EXPECT_EQ(fake::ShellOpens(), std::vector<std::string>{"\\\\PC-02"});
    EXPECT_TRUE(fake::MainDestroyed());

    EXPECT_EQ(EffectsOfMenuItem(10), [] {
        PrepareWorld();
        RunProgram();
        fake::MainHandlers().onStatusPress();
        return Effects();
    }());
}

}  // namespace
