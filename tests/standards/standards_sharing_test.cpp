// Two copies of the program on one standards file: one writer at a time, lists that follow the file.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "standards/file_lock.h"
#include "standards/standards_store.h"
#include "standards_test_support.h"

namespace tmcalc {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::ReadBytes;
using Kind = StandardKind;
using Status = StoreStatus;

StandardsStore StoreIn(const fs::path& folder, StandardsClock clock, std::chrono::milliseconds lockWait,
                       FileWriteHooks hooks = {})
{
    return StandardsStore(
        StandardsStoreOptions{folder, std::move(clock), std::move(hooks), kStandardsFileMaxBytes, lockWait});
}

// What one copy was told had worked, by product number (unique per copy: the year is the copy's).
struct Confirmed {
    std::map<std::string, std::string> live;  // product number -> the Zn it was last saved with, or "-": deleted
    int refused = 0;
};

// Adds thermocouple standards, writes a value into the last of its own (one key, or the whole record) and
// deletes its oldest, 15 operations in all. Every copy reads the same ticks, so their first choices of
// section name collide: only a name picked against the file under the lock keeps them apart.
Confirmed Work(const fs::path& folder, int copy)
{
    const auto year = [copy] { return test::LocalTime(2000 + copy, 1, 2, 3, 4, 5); };
    StandardsStore store =
        StoreIn(folder, {year, [tick = std::uint64_t{10000000}]() mutable { return tick++; }}, 5s);
    Confirmed done;
    std::vector<std::pair<std::string, std::string>> mine;  // section, product number
    for (int step = 0; step < 15; ++step) {
        const std::string value = std::to_string(copy) + "." + std::to_string(step);
        StandardRecord record(Kind::Thermocouple);
        Status status = Status::Ok;
        if (step % 3 == 0) {
            status = store.AddStandard(Kind::Thermocouple, record);
            if (status == Status::Ok) {
                mine.emplace_back(store.GetStandardName(Kind::Thermocouple, store.Count(Kind::Thermocouple) - 1),
                                  record.Value("ProductNo"));
                done.live[mine.back().second] = record.Value("Zn");
            }
        } else if (step % 5 != 4 && !mine.empty()) {
            const auto& [name, product] = mine.back();
            static_cast<void>(store.LoadStandard(Kind::Thermocouple, name, record));
            record.SetValue("Zn", value);
            status = step % 2 == 0 ? store.SaveStandard(Kind::Thermocouple, name, record)
                                   : store.SetStandardValue(Kind::Thermocouple, name, "Zn", value);
            if (status == Status::Ok) done.live[product] = value;
        } else if (!mine.empty()) {
            status = store.DeleteStandard(Kind::Thermocouple, mine.front().first);
            if (status == Status::Ok) done.live[mine.front().second] = "-";
            if (status == Status::Ok) mine.erase(mine.begin());
        }
        done.refused += status == Status::Ok ? 0 : 1;
    }
    return done;
}

// Regression: without the lock 21 of 81 standards went missing and 913 confirmed deletions came back.
void ExpectNothingLost(const fs::path& folder, const Confirmed& first, const Confirmed& second)
{
    std::map<std::string, std::string> stored;
    for (const StandardRecord& record : StoreIn(folder, {}, 5s).LoadAllStandards(Kind::Thermocouple))
        stored[record.Value("ProductNo")] = record.Value("Zn");
    std::size_t live = 0;
    for (const Confirmed* done : {&first, &second}) {
        EXPECT_EQ(done->refused, 0);
        for (const auto& [product, zn] : done->live) {
            const auto found = stored.find(product);
            EXPECT_EQ(found == stored.end() ? "-" : found->second, zn) << product;
            live += zn == "-" ? 0 : 1;
        }
    }
    EXPECT_EQ(stored.size(), live);
}

class SharingTest : public testing::Test {
protected:
    StandardsStore MakeStore(std::chrono::milliseconds lockWait = 1s, FileWriteHooks hooks = {})
    {
        return StoreIn(m_folder.Path(), m_clock.Bind(), lockWait, std::move(hooks));
    }

    test::TempFolder m_folder;
    test::ScriptedClock m_clock{{1234567890, 1234567891, 1234567892, 1234567893}};
};

TEST_F(SharingTest, TwoStoresInOneProcess)
{
    Confirmed other;
    std::thread thread([&] { other = Work(m_folder.Path(), 1); });
    const Confirmed done = Work(m_folder.Path(), 0);
    thread.join();
    ExpectNothingLost(m_folder.Path(), done, other);
}

TEST_F(SharingTest, TwoProcesses)
{
    std::fflush(nullptr);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {  // no test teardown here: the folder is the parent's
        const Confirmed done = Work(m_folder.Path(), 1);
        std::string text;
        for (const auto& [product, zn] : done.live) text += product + ' ' + zn + '\n';
        const bool sent = ::write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? done.refused : 99);
    }
    ::close(ends[1]);
    const Confirmed done = Work(m_folder.Path(), 0);
    std::string text(1 << 16, '\0');
    text.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(ends[0], text.data(), text.size()))));
    ::close(ends[0]);
    int exitStatus = -1;
    ASSERT_EQ(::waitpid(child, &exitStatus, 0), child);
    Confirmed other;
    other.refused = WIFEXITED(exitStatus) ? WEXITSTATUS(exitStatus) : 99;
    std::istringstream in(text);
    for (std::string product, zn; in >> product >> zn;) other.live[product] = zn;
    EXPECT_EQ(other.live.size(), 5U);
    ExpectNothingLost(m_folder.Path(), done, other);
}

// Regression: B's Add during A's save (between reading and renaming) reported Ok; A's rename erased it.
TEST_F(SharingTest, ChangesDuringAnotherSaveWaitForIt)
{
    StandardsStore b = MakeStore(2ms);
    StandardRecord record(Kind::Thermocouple);
    ASSERT_EQ(b.AddStandard(Kind::Thermocouple, record), Status::Ok);
    std::vector<Status> during;
    StandardsStore a = MakeStore(
        1s, FileWriteHooks{[&](const fs::path&) {
            const std::string before = ReadBytes(b.Path());
            StandardRecord added(Kind::Resistor);
            during = {b.AddStandard(Kind::Resistor, added), b.SetStandardValue(Kind::Thermocouple, 0, "Zn", "1"),
                      b.SaveStandard(Kind::Thermocouple, b.GetStandardName(Kind::Thermocouple, 0), record),
                      b.DeleteStandard(Kind::Thermocouple, 0)};
            EXPECT_EQ(ReadBytes(b.Path()), before);
            return true;
        }});
    ASSERT_EQ(a.AddStandard(Kind::Thermocouple, record), Status::Ok);
    EXPECT_EQ(during, std::vector<Status>(4, Status::Busy));
    EXPECT_EQ(b.Count(Kind::Thermocouple), 1U);
    EXPECT_EQ(b.Count(Kind::Resistor), 0U);
    ASSERT_EQ(b.AddStandard(Kind::Resistor, record), Status::Ok);  // once A is done
    const StandardsStore reopened = MakeStore();
    EXPECT_EQ(reopened.Count(Kind::Thermocouple), 2U);
    EXPECT_EQ(reopened.Count(Kind::Resistor), 1U);
}

// Regression: B's stale edits once wrote 1 of 19 values of a deleted standard, or brought it back whole.
TEST_F(SharingTest, StaleChangesToAStandardDeletedElsewhereAreRefused)
{
    StandardsStore a = MakeStore();
    StandardRecord record(Kind::Thermocouple);
    ASSERT_EQ(a.AddStandard(Kind::Thermocouple, record), Status::Ok);
    StandardsStore b = MakeStore();
    StandardsStore c = MakeStore();
    const std::string name = b.GetStandardName(Kind::Thermocouple, 0);
    ASSERT_EQ(a.DeleteStandard(Kind::Thermocouple, 0), Status::Ok);
    // Deleting what is already gone elsewhere is what the caller wanted: Ok, and no longer listed.
    EXPECT_EQ(c.DeleteStandard(Kind::Thermocouple, 0), Status::Ok);
    EXPECT_EQ(c.Count(Kind::Thermocouple), 0U);
    const std::string before = ReadBytes(a.Path());
    EXPECT_EQ(b.SetStandardValue(Kind::Thermocouple, 0, "Zn", "9"), Status::NotFound);
    EXPECT_EQ(b.SaveStandard(Kind::Thermocouple, name, record), Status::NotFound);
    EXPECT_EQ(ReadBytes(a.Path()), before);
    EXPECT_EQ(b.Count(Kind::Thermocouple), 1U);  // not behind the caller's back
    EXPECT_TRUE(b.RefreshIfChanged(Kind::Thermocouple));
    EXPECT_EQ(b.Count(Kind::Thermocouple), 0U);
}

TEST_F(SharingTest, ListsFollowChangesMadeElsewhere)
{
    StandardsStore a = MakeStore();
    StandardsStore b = MakeStore();
    for (const Kind kind : kAllStandardKinds) EXPECT_FALSE(b.RefreshIfChanged(kind));
    StandardRecord record(Kind::Thermocouple);
    ASSERT_EQ(a.AddStandard(Kind::Thermocouple, record), Status::Ok);
    EXPECT_FALSE(a.RefreshIfChanged(Kind::Thermocouple));  // its own change: the caller knows it
    ASSERT_TRUE(b.RefreshIfChanged(Kind::Thermocouple));
    EXPECT_EQ(b.Names(Kind::Thermocouple), a.Names(Kind::Thermocouple));
    // Two edits that keep the size, likely within one tick of the file system's clock, still show; each
    // change under the lock adds one to the count, which is what shows them where no file identity does.
    const auto changes = [&a] {
        return StampOf(a.Path(), a.Path().parent_path() / kStandardsLockFileName).changeCount;
    };
    const std::uint64_t before = changes();
    ASSERT_EQ(b.SetStandardValue(Kind::Thermocouple, 0, "Zn", "3.4471"), Status::Ok);
    EXPECT_EQ(changes(), before + 1);
    ASSERT_EQ(b.SetStandardValue(Kind::Thermocouple, 0, "Zn", "3.4473"), Status::Ok);
    EXPECT_EQ(changes(), before + 2);
    EXPECT_TRUE(a.RefreshIfChanged(Kind::Thermocouple));
    // A's own change does not hide one made elsewhere before it.
    ASSERT_EQ(b.SetStandardValue(Kind::Thermocouple, 0, "Al", "5.8"), Status::Ok);
    ASSERT_EQ(a.SetStandardValue(Kind::Thermocouple, 0, "Cu", "10.5"), Status::Ok);
    EXPECT_TRUE(a.RefreshIfChanged(Kind::Thermocouple));
    // A hand edit takes no lock and counts nothing; the file's size and identity give it away.
    test::WriteBytes(a.Path(), ReadBytes(a.Path()) + test::Utf16Bytes("[couplestd1]\n"));
    EXPECT_TRUE(a.RefreshIfChanged(Kind::Thermocouple));
    EXPECT_EQ(a.Count(Kind::Thermocouple), 2U);
}

TEST_F(SharingTest, StartRemovesLeftoverTemporaryFilesAndNothingElse)
{
    const StandardsStore store = MakeStore();
    const std::string file(kStandardsFileName);
    const std::vector<std::string> kept = {file + ".0123456789ABCDEF.tmp",  file + ".0123456789abcde.tmp",
                                           file + ".0123456789abcdef0.tmp", file + ".0123456789abcdeg.tmp",
                                           file + ".0123456789abcdef.tmp~", "x" + file + ".0123456789abcdef.tmp",
                                           file + ".0123456789abcdef.TMP",  std::string(kStandardsLockFileName)};
    for (const auto& name : kept) test::WriteBytes(m_folder.Path() / name, "x");
    test::WriteBytes(m_folder.Path() / (file + ".fedcba9876543210.tmp"), "x");
    fs::create_directory(m_folder.Path() / (file + ".00000000ffffffff.tmp"));
    const auto listing = [this] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder.Path())) names.insert(entry.path().filename());
        return names;
    };
    {  // not while another copy holds the lock: one of them may be its write under way
        const FileLock held = FileLock::Acquire(store.LockPath(), 0ms);
        const std::size_t before = listing().size();
        const StandardsStore busy = MakeStore(2ms);
        EXPECT_EQ(listing().size(), before);
    }
    const StandardsStore restarted = MakeStore();
    std::set<std::string> expected(kept.begin(), kept.end());
    expected.insert({file, file + ".00000000ffffffff.tmp"});
    EXPECT_EQ(listing(), expected);
}

}  // namespace
}  // namespace tmcalc
