#include "fixture.h"

#include "platform/main_view.h"
#include "platform/threads.h"

using namespace nbtest;

namespace {

class ScanTest : public NeighbourhoodFixture {};

TEST_F(ScanTest, TwoWorkgroupsListPingAndSaveEveryComputer) {
    fake::SetNetwork({{"WORKGROUP", {"ALPHA", "BETA"}}, {"办公室", {"GAMMA", "财务01", "DELTA"}}});
    fake::SetPingAnswer("BETA", 3);
    fake::SetPingAnswer("财务01", 0);  // an answer in 0 ms still counts
    fake::DeferPings(true);
    StatusSetText(kStartHint);

    NeighbourhoodScan(1);

    // The pass is over before any answer: every item grey, every ping outstanding.
    EXPECT_EQ(fake::Items(), Named({"ALPHA", "BETA", "GAMMA", "财务01", "DELTA"}, 1));
    EXPECT_EQ(fake::PendingPings(), 5u);
    EXPECT_EQ(fake::Pinged(), (TextList{"ALPHA", "BETA", "GAMMA", "财务01", "DELTA"}));
    EXPECT_TRUE(fake::Threads().empty()) << "no thread may be held per check";
    EXPECT_EQ(fake::StatusHistory(), (TextList{kStartHint, kPassHint, kPassHint})) << "once per workgroup";
    EXPECT_EQ(CacheBytes(), std::string("ALPHA\r\nBETA\r\nGAMMA\r\n财务01\r\nDELTA\r\n"));

    fake::CompletePendingPings();
    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{
                                 {"ALPHA", 1}, {"BETA", 0}, {"GAMMA", 1}, {"财务01", 0}, {"DELTA", 1}}));
}

TEST_F(ScanTest, NoWorkgroupClearsListAndKeepsStatusAndCache) {
    fake::SetItems(Named({"OLD1", "OLD2"}));
    StatusSetText(kStartHint);
    WriteCache("OLD1\r\nOLD2\r\n");
    std::vector<fake::Item> whileAsking;
    fake::OnListWorkgroups([&] { whileAsking = fake::Items(); });

    NeighbourhoodScan(1);

    EXPECT_EQ(whileAsking, Named({"OLD1", "OLD2"})) << "old names stay while the network is asked";
    EXPECT_TRUE(fake::Items().empty());
    EXPECT_EQ(fake::StatusHistory(), TextList{kStartHint});
    EXPECT_EQ(CacheBytes(), std::string("OLD1\r\nOLD2\r\n"));
}

TEST_F(ScanTest, EmptyWorkgroupStillSetsStatus) {
    struct Case {
        std::vector<fake::Workgroup> network;
        TextList items;
        std::string cache;
        size_t statusSets;
    };
    const Case cases[] = {
        {{{"EMPTY", {}}}, {}, "OLD\r\n", 1},
        {{{"EMPTY", {}}, {"WG", {"A"}}, {"EMPTY2", {}}}, {"A"}, "A\r\n", 3},
    };
    for (const Case& c : cases) {
        fake::Reset();
        fake::SetItems(Named({"OLD"}));
        WriteCache("OLD\r\n");
        fake::SetNetwork(c.network);

        NeighbourhoodScan(1);

        EXPECT_EQ(fake::Items(), Named(c.items));
        EXPECT_EQ(fake::StatusHistory(), TextList(c.statusSets, kPassHint));
        EXPECT_EQ(CacheBytes(), c.cache);
    }
}

TEST_F(ScanTest, EmptyNamesAreLeftOutOfCache) {
    struct Case {
        TextList computers;
        std::string expectedCache;
    };
    const Case cases[] = {
        {{"A", "", "B"}, "A\r\nB\r\n"},
        {{"", ""}, "OLD\r\n"},  // nothing to save: the last good list stays
    };
    for (const Case& c : cases) {
        fake::Reset();
        WriteCache("OLD\r\n");
        fake::SetNetwork({{"WG", c.computers}});
        NeighbourhoodScan(1);
        EXPECT_EQ(fake::Items().size(), c.computers.size());
        EXPECT_EQ(CacheBytes(), c.expectedCache);
    }
}

TEST_F(ScanTest, UnwritableCacheFolderIsSilent) {
    fake::SetWorkFolder(fake::TempFolder() + "no-such-folder/");
    fake::SetNetwork({{"WG", {"A"}}});
    NeighbourhoodScan(1);
    EXPECT_EQ(fake::Items(), Named({"A"}));
    EXPECT_EQ(fake::Status(), kPassHint);
}

TEST_F(ScanTest, PassOnItsOwnThreadColoursAnsweringComputers) {
    fake::SetThreadMode(fake::ThreadMode::Run);
    fake::SetNetwork({{"WG1", {"A", "B", "C"}}, {"WG2", {"D"}}});
    fake::SetPingAnswer("A", 1);
    fake::SetPingAnswer("D", 0);

    StartThread(NeighbourhoodScan, 1);
    fake::WaitForThreads();

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"A", 0}, {"B", 1}, {"C", 1}, {"D", 0}}));
    EXPECT_EQ(CacheBytes(), std::string("A\r\nB\r\nC\r\nD\r\n"));
}

TEST_F(ScanTest, OverlappingPassesNeverColourASilentComputer) {
    fake::SetThreadMode(fake::ThreadMode::Run);
    TextList names;
    for (int i = 0; i < 40; ++i) names.push_back("PC" + std::to_string(i));
    fake::SetNetwork({{"WG", names}});
    for (int i = 0; i < 40; i += 3) fake::SetPingAnswer(names[size_t(i)], 0);

    for (int pass = 0; pass < 4; ++pass) StartThread(NeighbourhoodScan, 1);
    fake::WaitForThreads();

    for (const fake::Item& item : fake::Items()) {
        int number = std::stoi(item.text.substr(2));
        if (number % 3 != 0) {
            EXPECT_EQ(item.image, 1) << item.text;
        }
    }
    EXPECT_EQ(fake::Status(), kPassHint);
}

}  // namespace
