#include "fixture.h"

#include "platform/threads.h"

using namespace nbtest;

namespace {

class ReachabilityTest : public NeighbourhoodFixture {};

TEST_F(ReachabilityTest, ColoursOnlyItemsWhoseComputerAnswers) {
    fake::SetItems(Named({"FAST", "ZERO", "SILENT", "192.168.1.9"}));
    fake::SetPingAnswer("FAST", 12);
    fake::SetPingAnswer("ZERO", 0);
    fake::SetPingAnswer("192.168.1.9", 1);

    for (int position = 1; position <= 5; ++position) ReachabilityCheck(position);

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"FAST", 0}, {"ZERO", 0}, {"SILENT", 1}, {"192.168.1.9", 0}}));
    // Position 5 does not exist: its empty text is pinged and nothing changes.
    EXPECT_EQ(fake::Pinged(), (TextList{"FAST", "ZERO", "SILENT", "192.168.1.9", ""}));
}

TEST_F(ReachabilityTest, AnswerAfterRescanLeavesTheNewComputerAtThatPositionGrey) {
    fake::DeferPings(true);
    fake::SetNetwork({{"WG", {"OLD1", "OLD2"}}});
    fake::SetPingAnswer("OLD1", 0);
    fake::SetPingAnswer("OLD2", 0);
    fake::SetPingAnswer("NEW2", 0);
    NeighbourhoodScan(1);
    fake::SetNetwork({{"WG", {"NEW1", "NEW2"}}});
    NeighbourhoodScan(1);
    ASSERT_EQ(fake::PendingPings(), 4u);

    fake::CompletePendingPings();

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"NEW1", 1}, {"NEW2", 0}}));
}

TEST_F(ReachabilityTest, RunsAsAThreadRoutine) {
    fake::SetThreadMode(fake::ThreadMode::Run);
    fake::SetItems(Named({"A", "B", "C"}));
    fake::SetPingAnswer("B", 2);
    fake::SetPingAnswer("C", 0);

    StartThread(ReachabilityCheck, 2);
    StartThread(ReachabilityCheck, 3);
    fake::WaitForThreads();

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"A", 1}, {"B", 0}, {"C", 0}}));
}

}  // namespace
