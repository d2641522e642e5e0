#include "fixture.h"

using namespace nbtest;

namespace {

class ComputerListClickTest : public NeighbourhoodFixture {};

TEST_F(ComputerListClickTest, ClickOnAComputerOpensItsSharesAndCloses) {
    struct Case {
        Text text;
        Text path;
    };
    const Case cases[] = {
        {"PC1", "\\\\PC1"},
        {"财务室", "\\\\财务室"},
        {"192.168.1.20", "\\\\192.168.1.20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fake::Reset();
        fake::SetItems(Named({"OTHER", c.text}));
        fake::Select(1);

        OnComputerListClick();

        EXPECT_TRUE(fake::MainHidden());
        EXPECT_EQ(fake::ShellOpens(), TextList{c.path});
        EXPECT_TRUE(fake::MainDestroyed());
        EXPECT_TRUE(fake::Threads().empty());
        EXPECT_TRUE(fake::Pinged().empty());
    }
}

TEST_F(ComputerListClickTest, ClickBesideItemsStartsAPass) {
    struct Case {
        const char* what;
        int selected;
    };
    const Case cases[] = {{"empty space", -1}, {"item with empty text", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::Reset();
        fake::SetItems(Named({"PC1", ""}));
        fake::Select(c.selected);
        WriteCache("CACHED\r\n");

        OnComputerListClick();

        ASSERT_EQ(fake::Threads().size(), 1u);
        EXPECT_EQ(fake::Threads()[0].routine, &NeighbourhoodScan);
        EXPECT_EQ(fake::Threads()[0].argument, 1);
        EXPECT_EQ(fake::Items(), Named({"PC1", ""})) << "the pass has not run yet";
        EXPECT_FALSE(fake::MainHidden());
        EXPECT_TRUE(fake::ShellOpens().empty());
        EXPECT_FALSE(fake::MainDestroyed());
    }
}

TEST_F(ComputerListClickTest, ClickInEmptyListReloadsCacheWithoutAskingNetwork) {
    WriteCache("PC1\r\nPC2\r\n");
    fake::SetNetwork({{"WG", {"NETPC"}}});
    bool asked = false;
    fake::OnListWorkgroups([&] { asked = true; });

    OnComputerListClick();

    EXPECT_EQ(fake::Items(), Named({"PC1", "PC2"}));
    EXPECT_FALSE(asked);
    EXPECT_TRUE(fake::Threads().empty());
    EXPECT_TRUE(fake::ShellOpens().empty());
}

}  // namespace
