#include "fixture.h"

#include "platform/main_view.h"
#include "platform/threads.h"

using namespace nbtest;

namespace {

const char kWorking[] = "获取中。。。";
const char kDone[] = "共享不了请点击这里，单击空白处刷新列表！";

class AddressViewTest : public NeighbourhoodFixture {
protected:
    void SetUp() override {
        NeighbourhoodFixture::SetUp();
        fake::SetItems({{"PC1", 0}, {"PC2", 1}, {"GHOST", 1}, {"服务器", 0}});
        fake::Select(1);
        fake::SetAddress("PC1", "192.168.0.11");
        fake::SetAddress("PC2", "192.168.0.12");
        fake::SetAddress("服务器", "10.1.2.3");
    }
};

TEST_F(AddressViewTest, MenuItemStartsTheViewOnItsOwnThread) {
    StartAddressView();
    ASSERT_EQ(fake::Threads().size(), 1u);
    EXPECT_EQ(fake::Threads()[0].routine, &AddressView);
    EXPECT_EQ(fake::Threads()[0].argument, 1);
}

TEST_F(AddressViewTest, AnsweringSelectionTurnsEveryNameIntoItsAddress) {
    fake::SetPingAnswer("PC2", 0);

    AddressView(1);

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{
                                 {"192.168.0.11", 0}, {"192.168.0.12", 1}, {"", 1}, {"10.1.2.3", 0}}));
    EXPECT_EQ(fake::Pinged(), TextList{"PC2"}) << "only the selected computer is pinged";
    EXPECT_EQ(ListSelected(), 1);
    EXPECT_EQ(fake::StatusHistory(), (TextList{kWorking, kDone}));

    // A second run over addresses keeps them.
    fake::SetPingAnswer("192.168.0.12", 0);
    AddressView(1);
    EXPECT_EQ(fake::Items()[0].text, "192.168.0.11");
    EXPECT_EQ(fake::Items()[3].text, "10.1.2.3");
}

TEST_F(AddressViewTest, SilentSelectionKeepsEveryName) {
    AddressView(1);

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"PC1", 0}, {"PC2", 1}, {"GHOST", 1}, {"服务器", 0}}));
    EXPECT_EQ(fake::Pinged(), TextList{"PC2"});
    EXPECT_EQ(fake::StatusHistory(), (TextList{kWorking, kDone}));
}

TEST_F(AddressViewTest, RunsBesideAPass) {
    fake::SetThreadMode(fake::ThreadMode::Run);
    fake::SetPingAnswer("PC2", 0);
    fake::SetNetwork({{"WG", {"PC1", "PC2", "PC3"}}});

    StartAddressView();
    StartThread(NeighbourhoodScan, 1);
    fake::WaitForThreads();

    // Either may win the race; every text is a name of the network, an address or empty.
    for (const fake::Item& item : fake::Items()) {
        const TextList known{"PC1", "PC2", "PC3", "192.168.0.11", "192.168.0.12", ""};
        EXPECT_NE(std::find(known.begin(), known.end(), item.text), known.end()) << item.text;
    }
    EXPECT_TRUE(fake::Status() == kDone || fake::Status() == kPassHint) << fake::Status();
}

}  // namespace
