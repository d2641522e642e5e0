#include <sys/stat.h>

#include "settings_fixture.h"

namespace {

const char kCompanyFile[] = "公司名字";

class ClearTest : public SettingsTest {
protected:
    static Text Put(const Text& name) {
        Text path = WorkFolder() + name;
        EXPECT_TRUE(WriteWholeFile(path, "saved")) << path;
        return path;
    }
    static void SetList(const TextList& texts) {
        std::vector<fake::Item> items;
        for (const Text& t : texts) items.push_back({t, 0});
        fake::SetItems(items);
    }
    static void ExpectSuccess() {
        ASSERT_EQ(fake::Messages().size(), 1u);
        EXPECT_EQ(fake::Messages()[0].text, "清除成功！");
        EXPECT_EQ(fake::Messages()[0].icon, 64);
        EXPECT_EQ(fake::Messages()[0].title, "信息：");
    }
};

TEST_F(ClearTest, EmptyListDeletesOnlyTheCompanyFile) {
    Text company = Put(kCompanyFile);
    Text password = Put("PC1.txt");
    ClearSavedData();
    EXPECT_FALSE(PathExists(company));
    EXPECT_TRUE(PathExists(password));
    ExpectSuccess();
}

TEST_F(ClearTest, NothingToDeleteStillSucceeds) {
    SetList({"PC1", "PC2"});
    ClearSavedData();
    ExpectSuccess();
}

TEST_F(ClearTest, DeletesTheFilesOfTheListedNamesOrAddresses) {
    SetList({"PC1", "PC2", "192.168.1.5", "癨机"});
    Text pc1 = Put("PC1.txt"), address = Put("192.168.1.5.txt"), trail = Put("癨机.txt");
    Text other = Put("OTHER.txt"), bare = Put("PC1");
    ClearSavedData();
    EXPECT_FALSE(PathExists(pc1));
    EXPECT_FALSE(PathExists(address));
    EXPECT_FALSE(PathExists(trail));  // its trail byte is 5C, not a path sign
    EXPECT_TRUE(PathExists(other));
    EXPECT_TRUE(PathExists(bare));
    ExpectSuccess();
}

TEST_F(ClearTest, LeavesFilesThatUnsafeItemTextsWouldReach) {
    // The work folder sits one level down so "..", too, has a target to miss.
    Text outer = fake::TempFolder() + "/";
    Text work = outer + "work/";
    ASSERT_EQ(mkdir(work.c_str(), 0700), 0);
    ASSERT_EQ(mkdir((work + "sub").c_str(), 0700), 0);
    fake::SetWorkFolder(work);
    const TextList unsafe = {"../victim", "sub/victim", "..", "a..b", "a\\b", "c:d", "e*f",
                             "g?h", "i\"j", "k<l", "m>n", "o|p"};
    TextList targets;
    for (const Text& text : unsafe) targets.push_back(Put(text + ".txt"));
    SetList(unsafe);
    ClearSavedData();
    for (size_t i = 0; i < unsafe.size(); ++i)
        EXPECT_TRUE(PathExists(targets[i])) << unsafe[i];
    EXPECT_TRUE(PathExists(outer + "victim.txt"));
    ExpectSuccess();
}

TEST_F(ClearTest, FileThatCannotBeDeletedIsReported) {
    SetList({"PC1", "PC2"});
    Text pc2 = Put("PC2.txt");
    ASSERT_EQ(mkdir((WorkFolder() + "PC1.txt").c_str(), 0700), 0);  // unlink refuses a folder
    ClearSavedData();
    EXPECT_FALSE(PathExists(pc2));
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].icon, 16);
    EXPECT_NE(fake::Messages()[0].text.find("PC1.txt"), Text::npos);
}

TEST_F(ClearTest, UsesTheListAsItIsWhenChosen) {
    SetList({"PC1"});
    Text pc1 = Put("PC1.txt"), pc2 = Put("PC2.txt");
    ClearSavedData();
    SetList({"PC2"});
    EXPECT_FALSE(PathExists(pc1));
    EXPECT_TRUE(PathExists(pc2));
}

}  // namespace
