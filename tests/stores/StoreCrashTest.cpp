#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <poll.h>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Rewriting a store must leave either the old or the new content on disk at every moment: a
// child process rewrites every store in a loop and is killed with SIGKILL at random moments.
//
// The child is this test program itself, started afresh (posix_spawn) to run only the disabled
// rewriter test below. A fork() without exec would copy whatever the other tests of this
// program left behind (Qt's thread pool, locks held by threads that do not exist in the child);
// a fresh process has none of that, whichever tests ran before.
namespace {

constexpr const char* HomeVariable = "QUILLON_CRASH_HOME";
constexpr const char* ReadyVariable = "QUILLON_CRASH_READY_FD";
constexpr int ReadyFd = 3;
const QString ListName = QStringLiteral("Customers");

// Two contents per store: a long one and a short one, no record shared, so a torn or empty
// file equals neither.
struct Contents
{
    QStringList templates;
    std::vector<SentItem> sentItems;
    QStringList listNames;
    QStringList inUse;
    QStringList numbers;
};

Contents contents(bool longOne)
{
    const int n = longOne ? 800 : 7;
    const QString tag = longOne ? QStringLiteral("alpha") : QStringLiteral("beta");
    Contents c;
    for (int i = 0; i < n; ++i) {
        const QString id = QStringLiteral("%1 %2").arg(tag).arg(i);
        c.templates.append(QStringLiteral("Template %1\nwith a second line").arg(id));
        c.sentItems.push_back({QStringLiteral("+44770090%1").arg(i), QStringLiteral("Text ") + id,
                               QStringLiteral("06/12/2026"),
                               i % 3 ? QStringLiteral("Message sent successfully.")
                                     : QStringLiteral("Error : +CMS ERROR: 38")});
        c.listNames.append(QStringLiteral("List %1").arg(id));
        c.inUse.append(QStringLiteral("In use %1").arg(id));
        c.numbers.append(
            QStringLiteral("%1%2").arg(longOne ? "+4477" : "+4479").arg(i, 7, 10, QChar('0')));
    }
    return c;
}

void rewriteAll(const DataFolder& folder, const Contents& c)
{
    TemplateStore templates(folder);
    SentItemStore sentItems(folder);
    templates.SaveTemplates(c.templates);
    sentItems.WriteBack(c.sentItems);
    using RecordFile::LineEnd;
    RecordFile::Rewrite(folder.exListIndexPath(), c.listNames, LineEnd::LF);
    RecordFile::Rewrite(folder.appExclusionPath(), c.inUse, LineEnd::LF);
    RecordFile::Rewrite(folder.exclusionListPath(ListName), c.numbers, LineEnd::LF);
}

// Which content each store holds: "long", "short", or what is wrong with it.
struct StoreCheck
{
    const char* store;
    std::function<QString(const DataFolder&, const Contents&, const Contents&)> verdict;
};

template <class T> QString which(bool read, const T& got, const T& longOne, const T& shortOne)
{
    if (!read)
        return QStringLiteral("unreadable");
    if (got == longOne)
        return QStringLiteral("long");
    if (got == shortOne)
        return QStringLiteral("short");
    return QStringLiteral("neither (%1 records)").arg(qsizetype(got.size()));
}

QString linesVerdict(const QString& path, const QStringList& longOne, const QStringList& shortOne)
{
    QFile raw(path);
    if (raw.size() < 2 || !raw.open(QIODevice::ReadOnly) || raw.read(2) != "\xFF\xFE")
        return QStringLiteral("empty or without byte-order mark");
    QStringList lines;
    const bool read = RecordFile::ReadLines(path, lines);
    return which(read, lines, longOne, shortOne);
}

const std::vector<StoreCheck>& storeChecks()
{
    static const std::vector<StoreCheck> checks = {
        {"templates",
         [](const DataFolder& f, const Contents& l, const Contents& s) {
             QStringList got;
             const bool read = TemplateStore(f).LoadTemplates(got);
             return which(read, got, l.templates, s.templates);
         }},
        {"sent items",
         [](const DataFolder& f, const Contents& l, const Contents& s) {
             std::vector<SentItem> got;
             const bool read = SentItemStore(f).Load(got);
             return which(read, got, l.sentItems, s.sentItems);
         }},
        {"exclusion index",
         [](const DataFolder& f, const Contents& l, const Contents& s) {
             return linesVerdict(f.exListIndexPath(), l.listNames, s.listNames);
         }},
        {"in-use lists",
         [](const DataFolder& f, const Contents& l, const Contents& s) {
             return linesVerdict(f.appExclusionPath(), l.inUse, s.inUse);
         }},
        {"number list",
         [](const DataFolder& f, const Contents& l, const Contents& s) {
             return linesVerdict(f.exclusionListPath(ListName), l.numbers, s.numbers);
         }},
    };
    return checks;
}

// Starts this program as the rewriter over the data folder in home; returns its pid and the
// read end of its ready pipe.
pid_t startRewriter(const QString& home, int& readyRead)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    readyRead = pipeFds[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], ReadyFd);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char self[] = "/proc/self/exe";
    char filter[] = "--gtest_filter=StoreRewriterChild.DISABLED_RewritesUntilKilled";
    char disabled[] = "--gtest_also_run_disabled_tests";
    char* argv[] = {self, filter, disabled, nullptr};
    ::setenv(HomeVariable, home.toLocal8Bit().constData(), 1);
    ::setenv(ReadyVariable, std::to_string(ReadyFd).c_str(), 1);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    ::unsetenv(HomeVariable);
    ::unsetenv(ReadyVariable);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    return failed ? -1 : pid;
}

bool waitReady(int fd)
{
    pollfd p{fd, POLLIN, 0};
    char byte = 0;
    return ::poll(&p, 1, 20000) == 1 && ::read(fd, &byte, 1) == 1;
}

int leftoverTemporaries(const DataFolder& folder)
{
    int count = 0;
    for (const QString& dir : {folder.folder(), folder.exclusionFolder()})
        for (const QString& name : QDir(dir).entryList(QDir::Files))
            count += name.contains(QStringLiteral(".korv.")) ? 1 : 0;
    return count;
}

TEST(StoreCrashTest, AStoreKilledMidRewriteHoldsTheOldOrTheNewContent)
{
    QTemporaryDir home;
    const DataFolder folder(home.path());
    folder.EnsureDataFolder();
    const Contents longOne = contents(true);
    const Contents shortOne = contents(false);
    rewriteAll(folder, shortOne);

    std::mt19937 rng(20261210);
    constexpr int Kills = 12;
    int midRewrite = 0;
    int temporaries = 0;
    std::map<QString, int> seen;
    for (int kill = 0; kill < Kills; ++kill) {
        int ready = -1;
        const pid_t child = startRewriter(home.path(), ready);
        ASSERT_GT(child, 0);
        const bool started = waitReady(ready);
        ::close(ready);
        // A random moment into the rewriting, not a wait: where the kill lands is what varies.
        if (started)
            ::usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(rng));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(started) << "the rewriter never finished its first round";
        ASSERT_TRUE(WIFSIGNALED(status));

        // A kill inside a rewrite leaves that rewrite's temporary file behind.
        const int now = leftoverTemporaries(folder);
        midRewrite += now > temporaries ? 1 : 0;
        temporaries = now;
        for (const StoreCheck& check : storeChecks()) {
            const QString verdict = check.verdict(folder, longOne, shortOne);
            ++seen[verdict];
            EXPECT_TRUE(verdict == u"long" || verdict == u"short")
                << check.store << " after kill " << kill << ": " << verdict.toStdString();
        }
    }
    std::cout << Kills << " kills, " << midRewrite << " inside a rewrite; store contents seen:";
    for (const auto& [verdict, count] : seen)
        std::cout << ' ' << verdict.toStdString() << " x" << count;
    std::cout << '\n';
}

// The child of the test above: rewrites every store, long and short content in turn, until it
// is killed. It tells the parent through the ready pipe once every store has been rewritten.
TEST(StoreRewriterChild, DISABLED_RewritesUntilKilled)
{
    const QByteArray home = qgetenv(HomeVariable);
    if (home.isEmpty())
        GTEST_SKIP() << "only run as the child of StoreCrashTest";
    const DataFolder folder(QString::fromLocal8Bit(home));
    const Contents longOne = contents(true);
    const Contents shortOne = contents(false);
    const int ready = qEnvironmentVariableIntValue(ReadyVariable);
    for (int round = 0;; ++round) {
        rewriteAll(folder, round % 2 ? shortOne : longOne);
        if (round == 0) {
            const char byte = 1;
            [[maybe_unused]] const auto written = ::write(ready, &byte, 1);
            ::close(ready);
        }
    }
}

} // namespace
