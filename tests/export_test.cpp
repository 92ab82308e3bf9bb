// The export's file handling on real file systems: a full disk, links in the
// file's place, and the longest names.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>

#include "core/ReplaceFile.h"
#include "tests/support/NecroWindow.h"

namespace {

using testing_support::kBone;

constexpr const char* kDiskFull = "61\r\nDisk full";
constexpr const char* kAccessError = "75\r\nPath/File access error";

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class Export : public testing_support::NecroWindowTest {
 protected:
  QString Path(const QString& name) const { return QDir(folder.path()).filePath(name); }
  // SAVE under `name`, a point further on each time so every save has new text.
  void Save(const QString& name) {
    W().img_Tree_Click(kBone, 0);
    desktop.inputAnswers.push_back(name);
    W().lbl_Save_Click();
  }
  QStringList Prompts() const {
    QStringList prompts;
    for (const auto& box : desktop.boxes) prompts << box.prompt;
    return prompts;
  }
  // Everything in the folder, hidden files included.
  QStringList Entries() const {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  // Saves Old.txt, fills the disk, then SAVE "Old" again: the disk-full box,
  // the earlier file byte for byte, and no other file left but `expected`'s.
  void ExpectFullDiskKeepsOld(const std::function<void()>& fillDisk, const QStringList& expected) {
    Save("Old");
    const QByteArray before = Read(Path("Old.txt"));
    ASSERT_TRUE(before.startsWith("Old\r\n"));
    fillDisk();
    Save("Old");
    EXPECT_EQ(Prompts(), QStringList{kDiskFull});
    EXPECT_EQ(Read(Path("Old.txt")), before);
    EXPECT_EQ(Entries(), expected);
    EXPECT_TRUE(W().lb_SkillsPerLevel->isVisibleTo(&W()));
  }
  void TearDown() override {
    korvinth::SetTemporaryFileHook(nullptr);
    NecroWindowTest::TearDown();
  }
};

// Puts /dev/full in the place of the export's temporary file: every write
// fails with "No space left on device", as on a full disk.
void WriteToAFullDevice(int descriptor) {
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0) << std::strerror(errno);
  ASSERT_EQ(::dup2(full, descriptor), descriptor);
  ::close(full);
}

// The same write path meeting ENOSPC without privileges, so it runs everywhere.
TEST_F(Export, FullDiskKeepsTheEarlierFile) {
  ExpectFullDiskKeepsOld([] { korvinth::SetTemporaryFileHook(WriteToAFullDevice); }, {"Old.txt"});
}

// Tests that mount a file system run again in a process of their own with a
// private mount namespace (as root only), so no mount outlives them.
constexpr const char* kInOwnNamespace = "KORVINTH_TEST_OWN_MOUNTS";

void RunInOwnMountNamespace() {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root; FullDiskKeepsTheEarlierFile covers a full disk";
  if (QProcess::execute("unshare", {"--mount", "--propagation", "private", "true"}) != 0) {
    GTEST_SKIP() << "no private mount namespace here";
  }
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  QProcess run;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kInOwnNamespace, "1");
  run.setProcessEnvironment(environment);
  run.setProcessChannelMode(QProcess::MergedChannels);
  run.start("unshare", {"--mount", "--propagation", "private", QCoreApplication::applicationFilePath(),
                        QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
  ASSERT_TRUE(run.waitForFinished(60000));
  const QString output = QString::fromLocal8Bit(run.readAll());
  if (output.contains("[  SKIPPED ] 1 test")) GTEST_SKIP() << output.toStdString();
  EXPECT_EQ(run.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

// A small file system mounted on a folder for the length of a test.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const QString& folder) : path_(QFile::encodeName(folder)) {
    mounted_ = ::mount("tmpfs", path_.constData(), "tmpfs", 0, "size=64k") == 0;
    error_ = errno;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(path_.constData(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  QString error() const { return QString::fromLocal8Bit(std::strerror(error_)); }

 private:
  QByteArray path_;
  bool mounted_ = false;
  int error_ = 0;
};

// Writes `path` until the file system has no space left.
void Fill(const QString& path) {
  QFile filler(path);
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  const QByteArray block(4096, 'f');
  while (filler.write(block) > 0) {
  }
  ASSERT_EQ(filler.error(), QFileDevice::ResourceError) << filler.errorString().toStdString();
}

// A real full file system: a 64k tmpfs over the program's folder (root only).
TEST_F(Export, FullFileSystemKeepsTheEarlierFile) {
  if (!qEnvironmentVariableIsSet(kInOwnNamespace)) return RunInOwnMountNamespace();
  const SmallFileSystem disk(folder.path());
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs: " << disk.error().toStdString();
  ExpectFullDiskKeepsOld([this] { Fill(Path("space filler")); }, {"Old.txt", "space filler"});
}

TEST_F(Export, RefusesALinkInTheFilesPlace) {
  QTemporaryDir elsewhere;
  const QString outside = QDir(elsewhere.path()).filePath("outside.txt");
  const QString nowhere = QDir(elsewhere.path()).filePath("nowhere.txt");
  QFile file(outside);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
  file.close();
  for (const auto& [name, target] : {std::pair{QString("Linked"), outside}, {QString("Dangling"), nowhere}}) {
    SCOPED_TRACE(name.toStdString());
    desktop.boxes.clear();
    ASSERT_TRUE(QFile::link(target, Path(name + ".txt")));
    Save(name);
    EXPECT_EQ(Prompts(), QStringList{kAccessError});
    EXPECT_EQ(QFileInfo(Path(name + ".txt")).symLinkTarget(), target);
  }
  EXPECT_EQ(Read(outside), "kept");
  EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"outside.txt"});
  EXPECT_EQ(Entries(), QStringList({"Dangling.txt", "Linked.txt"}));
}

// The program's folder is the user's choice, links and all.
TEST_F(Export, TheFolderMayBeReachedThroughALink) {
  QTemporaryDir elsewhere;
  const QString linked = QDir(elsewhere.path()).filePath("program");
  ASSERT_TRUE(QFile::link(folder.path(), linked));
  desktop.appPath = linked;
  Save("Hero");
  EXPECT_TRUE(Prompts().isEmpty());
  EXPECT_TRUE(Read(Path("Hero.txt")).startsWith("Hero\r\n"));
}

// The export gives the name a new file: another name of the earlier file
// keeps the earlier text.
TEST_F(Export, AHardLinkKeepsTheEarlierText) {
  Save("Old");
  const QByteArray before = Read(Path("Old.txt"));
  ASSERT_EQ(
      ::link(QFile::encodeName(Path("Old.txt")).constData(), QFile::encodeName(Path("other")).constData()),
      0);
  Save("Old");
  EXPECT_TRUE(Prompts().isEmpty());
  EXPECT_TRUE(Read(Path("Old.txt")).startsWith("Old\r\n"));
  EXPECT_NE(Read(Path("Old.txt")), before);
  EXPECT_EQ(Read(Path("other")), before);
}

// A name fits when "<name>.txt" takes at most 255 bytes in the local (UTF-8)
// encoding; one that fits saves over its own file again, a longer one gets
// the bad-name box before anything is written.
TEST_F(Export, NamesUpToTheFileSystemsLimitSaveEveryTime) {
  const QString e(QChar(0xE9));  // two bytes in UTF-8
  const struct {
    QString name;
    bool fits;
  } cases[] = {
      {QString(251, u'a'), true},
      {QString(252, u'b'), false},
      {e.repeated(125) + "c", true},  // 126 characters, 251 bytes
      {e.repeated(126), false},       // 126 characters, 252 bytes
  };
  QStringList saved;
  for (const auto& [name, fits] : cases) {
    SCOPED_TRACE(QString("%1 characters, %2 bytes").arg(name.size()).arg(name.toUtf8().size()).toStdString());
    desktop.boxes.clear();
    Save(name);
    const QByteArray first = Read(Path(name + ".txt"));
    Save(name);
    if (fits) {
      saved << name + ".txt";
      EXPECT_TRUE(Prompts().isEmpty());
      EXPECT_TRUE(Read(Path(name + ".txt")).startsWith(name.toUtf8() + "\r\n"));
      EXPECT_NE(Read(Path(name + ".txt")), first);
    } else {
      EXPECT_EQ(Prompts(), QStringList(2, "52\r\nBad file name or number"));
    }
  }
  EXPECT_EQ(Entries(), saved);
}

}  // namespace
