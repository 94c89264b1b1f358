#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <filesystem>

#include "store/AtomicFile.h"
#include "store/Profile.h"
#include "StoreFixture.h"

using namespace tandrel;
using tandrel::testing::StoreTest;

namespace {

// A sample file by its sections: a comment and the options, then two players.
const std::string Head = "; kept as it is\n[Options]\nPlayer=Ann\n\n";
const std::string Ann = "[Ann]\nWin=4\n  Speed =  9  \nodd line without equals\n\n";
const std::string Bob = "[Bob]\nWin=7\n";
const std::string Sample = Head + Ann + Bob;

} // namespace

TEST(ProfileRead, MissingKeysSectionsAndFilesGiveTheDefaultAndDuplicatesTheFirst)
{
    const ProfileFile f = ProfileFile::FromText(Sample);
    EXPECT_EQ(f.ReadString("Ann", "BackImage", "def"), "def");
    EXPECT_EQ(f.ReadString("Carl", "Win", "def"), "def");
    EXPECT_EQ(f.ReadInt("Ann", "Loss", 13), 13);
    EXPECT_EQ(ReadProfileInt("/nonexistent/folder/x.ini", "Ann", "Win", 5), 5);
    // A key before any section belongs to none.
    EXPECT_EQ(ProfileFile::FromText("Win=3\n[Ann]\n").ReadInt("Ann", "Win", -1), -1);
    // Only the first section of a name is looked in, as the profile functions do.
    const ProfileFile twice = ProfileFile::FromText("[A]\nK=1\nK=2\n[a]\nK=3\nL=4\n");
    EXPECT_EQ(twice.ReadInt("a", "k", 0), 1);
    EXPECT_EQ(twice.ReadInt("A", "L", 0), 0);
}

TEST(ProfileRead, IntegerReadTakesTheLeadingNumber)
{
    const ProfileFile f = ProfileFile::FromText(
        "[S]\nA=12abc\nB=-5\nC=abc\nD=\nE=   7\nF=+3\nG=99999999999\nH=-99999999999\nI=- 5\nJ=0x1F\n");
    // No number at all, or an empty value, reads as the default; blanks before the
    // number are skipped; held at the ends, never wrapped; decimal only.
    const std::pair<const char*, int> cases[] = {{"A", 12}, {"B", -5}, {"C", 1},       {"D", 1},       {"E", 7},
                                                 {"F", 3},  {"G", INT_MAX}, {"H", INT_MIN}, {"I", 1}, {"J", 0}};
    for (const auto& [key, value] : cases) EXPECT_EQ(f.ReadInt("S", key, 1), value) << key;
    EXPECT_EQ(LeadingNumber("\t42"), 42);
}

TEST(ProfileRead, StringsAreTrimmedAndSeenUpTo255Characters)
{
    const std::string longValue(300, 'x');
    const ProfileFile f = ProfileFile::FromText("[S]\nLong=" + longValue + "\nPad =  a b  \nEmpty=\n");
    EXPECT_EQ(f.ReadString("S", "Long", ""), std::string(255, 'x'));
    EXPECT_EQ(f.Find("S", "Long")->size(), 300u);
    EXPECT_EQ(f.ReadString("S", "Pad", ""), "a b");
    // Present and empty is not missing.
    EXPECT_EQ(f.ReadString("S", "Empty", "def"), "");
    // The cut never leaves half a UTF-8 character behind.
    const std::string accents = std::string(254, 'x') + "\xC3\xA9\xC3\xA9";
    const ProfileFile u = ProfileFile::FromText("[S]\nU=" + accents + "\n");
    EXPECT_EQ(u.ReadString("S", "U", ""), std::string(254, 'x'));
}

TEST(ProfileWrite, ReplacesInPlaceAddsAtTheEndsAndDeletesWholeSections)
{
    ProfileFile f = ProfileFile::FromText(Sample);
    ASSERT_TRUE(f.Write("ann", "speed", "11"));
    ASSERT_TRUE(f.Write("Bob", "Win", "8"));
    EXPECT_EQ(f.Text(), Head + "[Ann]\nWin=4\nSpeed=11\nodd line without equals\n\n[Bob]\nWin=8\n");
    // New keys go to the end of their section, new sections to the end of the file.
    f = ProfileFile::FromText(Sample);
    ASSERT_TRUE(f.Write("Ann", "Loss", "2"));
    ASSERT_TRUE(f.Write("Carl", "Created", "2024-01-31"));
    EXPECT_EQ(f.Text(), Head + "[Ann]\nWin=4\n  Speed =  9  \nodd line without equals\nLoss=2\n\n" + Bob +
                            "\n[Carl]\nCreated=2024-01-31\n");
    EXPECT_EQ(ProfileFile::FromText("").Text(), "");
    ProfileFile fresh;
    ASSERT_TRUE(fresh.Write("Options", "Player", "Ann"));
    EXPECT_EQ(fresh.Text(), "[Options]\nPlayer=Ann\n");
    // Every section of the name goes.
    f = ProfileFile::FromText(Sample + "[ann]\nWin=1\n");
    EXPECT_TRUE(f.DeleteSection("Ann"));
    EXPECT_EQ(f.Text(), Head + Bob);
    EXPECT_FALSE(f.DeleteSection("Ann"));
    EXPECT_FALSE(f.HasSection("Ann"));
    EXPECT_TRUE(f.HasSection("bob"));
}

TEST(ProfileWrite, RefusesWhatCouldNotBeReadBack)
{
    ProfileFile f = ProfileFile::FromText(Sample);
    const std::string before = f.Text();
    const std::array<std::string, 3> refused[] = {
        {"Ann", "Win", "1\n[Evil]"}, {"Ann", "Win", std::string("1\0" "2", 3)}, {"Ev]il", "Win", "1"},
        {"Line\nBreak", "Win", "1"}, {" Ann", "Win", "1"}, {"", "Win", "1"},
        {"Ann", "W=in", "1"},        {"Ann", "[Win", "1"}, {"Ann", "", "1"}};
    for (const auto& [section, key, value] : refused) EXPECT_FALSE(f.Write(section, key, value)) << section << key;
    EXPECT_EQ(f.Text(), before);
}

TEST(ProfileLineEnds, CrLfFilesAndAByteOrderMarkAreReadAndKept)
{
    ProfileFile f = ProfileFile::FromText("[Options]\r\nPlayer=Ann\r\n\r\n[Ann]\r\nWin=3\r\n");
    EXPECT_TRUE(f.UsesCrLf());
    EXPECT_EQ(f.ReadString("Options", "Player", ""), "Ann");
    EXPECT_EQ(f.ReadInt("Ann", "Win", 0), 3);
    ASSERT_TRUE(f.Write("Ann", "Loss", "1"));
    ASSERT_TRUE(f.Write("Bob", "Win", "2"));
    EXPECT_EQ(f.Text(), "[Options]\r\nPlayer=Ann\r\n\r\n[Ann]\r\nWin=3\r\nLoss=1\r\n\r\n[Bob]\r\nWin=2\r\n");

    f = ProfileFile::FromText("[A]\nK=1"); // no end on the last line
    EXPECT_FALSE(f.UsesCrLf());
    ASSERT_TRUE(f.Write("A", "K", "2"));
    EXPECT_EQ(f.Text(), "[A]\nK=2\n");

    f = ProfileFile::FromText("\xEF\xBB\xBF[Options]\nPlayer=Ann\n"); // the mark does not hide the first section
    EXPECT_EQ(f.ReadString("Options", "Player", ""), "Ann");
    ASSERT_TRUE(f.Write("Options", "Player", "Bob"));
    EXPECT_EQ(f.Text(), "\xEF\xBB\xBF[Options]\nPlayer=Bob\n");
}

class ProfileDisk : public StoreTest {};

TEST_F(ProfileDisk, AFailedWriteIsReportedAndTheOldFileStays)
{
    // A folder where the file should be: it can be neither read nor replaced, not even by a blank one.
    std::filesystem::create_directory(Path("taken.ini"));
    EXPECT_FALSE(WriteProfileString(Path("taken.ini"), "A", "K", "1"));
    EXPECT_FALSE(WriteFileAtomically(Path("taken.ini"), "x"));
    ProfileFile f;
    EXPECT_EQ(f.Load(Path("taken.ini")), ProfileFile::LoadStatus::Unreadable);
    ASSERT_TRUE(f.Write("A", "K", "1"));
    EXPECT_FALSE(f.Save(Path("taken.ini")));
    EXPECT_TRUE(std::filesystem::is_directory(Path("taken.ini")));
    EXPECT_EQ(f.Load(Path("none.ini")), ProfileFile::LoadStatus::Missing);
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_EQ(FileCount(), 1); // no temporary file left behind
}

TEST_F(ProfileDisk, RewritingKeepsALinkLinkedAndTheFilePermissions)
{
    WriteText(Path("real.ini"), "[A]\nK=1\n");
    std::filesystem::permissions(Path("real.ini"), std::filesystem::perms(0640));
    std::filesystem::create_symlink(Path("real.ini"), Path("duelpat.ini"));
    ASSERT_TRUE(WriteProfileString(Path("duelpat.ini"), "A", "K", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("duelpat.ini")));
    EXPECT_EQ(ReadText(Path("real.ini")), "[A]\nK=2\n");
    EXPECT_EQ(std::filesystem::status(Path("real.ini")).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0640));
}

TEST_F(ProfileDisk, TemporaryFilesOfADeadWriterAreRemoved)
{
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    WriteText(Path("duelpat.ini.tmp" + std::to_string(dead) + "-3"), "half a file");
    // A live writer (the first process never ends) and names that are not ours stay.
    const std::vector<std::string> kept = {"duelpat.ini.tmp1-0", "notes.tmp", "a.tmp12-", "duelpat.ini"};
    for (const auto& name : kept) WriteText(Path(name), "x");
    EXPECT_EQ(RemoveStaleTemporaries(dir), 1);
    EXPECT_EQ(FileCount(), static_cast<int>(kept.size()));
    EXPECT_EQ(RemoveStaleTemporaries(Path("none")), 0);
}
