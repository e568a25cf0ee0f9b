#include "files/FileWriter.h"
#include "files/WriterProtocol.h"
#include "window/Supervisor.h"

#include "lab/Workbook.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

class FileWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("velmora-writer-" + std::to_string(getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    std::string path(const char* name) const { return (folder / name).string(); }

    static std::string contents(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    // Whether the process has ended (gone, or a zombie waiting for its parent).
    static bool ended(pid_t process)
    {
        std::ifstream status("/proc/" + std::to_string(process) + "/stat");
        std::string pid, name, state;
        return !(status >> pid >> name >> state) || state == "Z";
    }

    fs::path folder;
};

TEST_F(FileWriterTest, WritesAtomicallyInPlaceOfTheFileAndKeepsItsPermissions)
{
    const std::unique_ptr<FileWriter> writer = FileWriter::start();
    ASSERT_TRUE(writer);
    EXPECT_EQ(writer->writeFile(path("courbe.csv"), "second,substrate\n1,100\n"), "");
    EXPECT_EQ(contents(path("courbe.csv")), "second,substrate\n1,100\n");

    fs::permissions(path("courbe.csv"), fs::perms::owner_read | fs::perms::owner_write);
    const std::string picture(300000, '\x89'); // larger than the socket's buffers
    EXPECT_EQ(writer->writeFile(path("courbe.csv"), picture), "");
    EXPECT_EQ(contents(path("courbe.csv")), picture);
    EXPECT_EQ(fs::status(path("courbe.csv")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // Through a link, the file it leads to is replaced and the link stays.
    fs::create_symlink("courbe.csv", folder / "lien.csv");
    EXPECT_EQ(writer->writeFile(path("lien.csv"), "par le lien"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "lien.csv"));
    EXPECT_EQ(contents(path("courbe.csv")), "par le lien");
    EXPECT_EQ(writer->writeFile(path("vide.txt"), ""), "");
    EXPECT_EQ(names(), (std::vector<std::string>{"courbe.csv", "lien.csv", "vide.txt"})); // nothing else left
}

TEST_F(FileWriterTest, AFailureLeavesEveryFileAsItWasAndSaysWhy)
{
    // A writer that may write no file larger than 1000 bytes: it fails in the middle of one.
    rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit small{1000, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const auto previousSignal = signal(SIGXFSZ, SIG_IGN);
    const std::unique_ptr<FileWriter> writer = FileWriter::start();
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, previousSignal);
    ASSERT_TRUE(writer);

    ASSERT_EQ(writer->writeFile(path("earlier.txt"), "earlier"), "");
    fs::create_directory(folder / "dossier");
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    struct Case
    {
        std::string target;
        std::string bytes;
        const char* reason;
    };
    std::vector<Case> cases = {
        {path("earlier.txt"), std::string(5000, 'x'), "le fichier serait trop grand"},
        {path("absent/courbe.csv"), "1", "le dossier n’existe pas"},
        {path("earlier.txt/courbe.csv"), "1", "le chemin passe par un fichier qui n’est pas un dossier"},
        {path("dossier"), "1", "c’est un dossier"},
        {path("pipe"), "1", "ce n’est pas un fichier ordinaire"},
        {std::string("bad\0name", 8), "1", "le nom n’est pas valable"},
    };
    if (geteuid() != 0) { // the superuser writes everywhere
        fs::create_directory(folder / "lecture");
        fs::permissions(folder / "lecture", fs::perms::owner_read | fs::perms::owner_exec);
        cases.push_back({path("lecture/courbe.csv"), "1", "l’accès au dossier ou au fichier est refusé"});
    }
    const std::vector<std::string> before = names();
    for (const Case& c : cases) {
        const std::string error = writer->writeFile(c.target, c.bytes);
        EXPECT_EQ(error,
                  "Le fichier «\u00a0" + c.target + "\u00a0» n’a pas pu être enregistré\u00a0: " + c.reason)
            << c.target;
    }
    EXPECT_EQ(contents(path("earlier.txt")), "earlier");
    EXPECT_EQ(names(), before);
    if (geteuid() != 0) {
        EXPECT_TRUE(fs::is_empty(folder / "lecture"));
    }
}

TEST_F(FileWriterTest, WorkbooksAreMadeAndWrittenByTheWriterWholeOrNotAtAll)
{
    const std::unique_ptr<FileWriter> writer = FileWriter::start();
    ASSERT_TRUE(writer);
    velmora::CourseRecord record;
    record.start({});
    record.add({1, 90, 37, 7});
    record.add({2, 80, 37, 7});
    const std::string message = velmora::workbookMessage(velmora::timeCourseWorkbook(record, {}));
    EXPECT_EQ(writer->writeWorkbook(path("donnees.xlsx"), message), "");
    EXPECT_EQ(contents(path("donnees.xlsx")).substr(0, 2), "PK");
    // A folder that does not exist: the reason, and nothing written anywhere.
    const std::string error = writer->writeWorkbook(path("absent/donnees.xlsx"), message);
    EXPECT_NE(error.find("absent/donnees.xlsx"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(path("absent")));
    // A message that is no workbook is refused, and the file already there stays.
    EXPECT_NE(writer->writeWorkbook(path("donnees.xlsx"), "{not json"), "");
    EXPECT_EQ(contents(path("donnees.xlsx")).substr(0, 2), "PK");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST_F(FileWriterTest, OpensWithoutBlockingAndEndsWithTheProgram)
{
    std::unique_ptr<FileWriter> writer = FileWriter::start();
    ASSERT_TRUE(writer);
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    const int pipe = writer->openForReading(path("pipe")); // returns although no one writes
    EXPECT_GE(pipe, 0);
    close(pipe);
    EXPECT_EQ(writer->openForReading(path("absent.ini")), -ENOENT);

    // A writer killed answers no more: the caller is told, and goes on.
    kill(writer->processId(), SIGKILL);
    waitpid(writer->processId(), nullptr, 0);
    EXPECT_NE(writer->writeFile(path("apres.txt"), "1").find("le programme d’écriture s’est arrêté"),
              std::string::npos);
    EXPECT_EQ(writer->openForReading(path("apres.txt")), -ECHILD);

    // The writer ends with its program, even one killed outright.
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t program = fork();
    if (program == 0) {
        const std::unique_ptr<FileWriter> own = FileWriter::start();
        const pid_t process = own ? own->processId() : 0;
        (void)!write(report[1], &process, sizeof process);
        pause();
        _exit(0);
    }
    pid_t orphan = 0;
    ASSERT_EQ(read(report[0], &orphan, sizeof orphan), static_cast<ssize_t>(sizeof orphan));
    ASSERT_GT(orphan, 0);
    EXPECT_FALSE(ended(orphan));
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    for (int wait = 0; wait < 200 && !ended(orphan); ++wait) {
        usleep(10000);
    }
    EXPECT_TRUE(ended(orphan));
    close(report[0]);
    close(report[1]);
}

// Targets that are not replaced, each with its own French reason, even for the administrator.
TEST_F(FileWriterTest, ReadOnlyTargetsLongNamesAndBrokenLinksAreToldInFrench)
{
    const std::unique_ptr<FileWriter> writer = FileWriter::start();
    ASSERT_TRUE(writer);
    ASSERT_EQ(writer->writeFile(path("lecture-seule.txt"), "gardé"), "");
    fs::permissions(path("lecture-seule.txt"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink("nulle-part.csv", folder / "lien-casse.csv");
    fs::create_symlink("boucle-b", folder / "boucle-a");
    fs::create_symlink("boucle-a", folder / "boucle-b");
    const struct
    {
        std::string target;
        const char* reason;
    } cases[] = {
        {path("lecture-seule.txt"), "le fichier existant est en lecture seule"},
        {path("lien-casse.csv"), "c’est un lien vers un fichier qui n’existe pas"},
        {path(std::string(300, 'n').c_str()),
         "le nom est trop long pour le disque (255 octets au plus par nom)"},
        {path("boucle-a"), "le chemin passe par trop de liens symboliques"},
    };
    const std::vector<std::string> before = names();
    for (const auto& c : cases) {
        EXPECT_EQ(writer->writeFile(c.target, "nouveau"),
                  "Le fichier «\u00a0" + c.target + "\u00a0» n’a pas pu être enregistré\u00a0: " + c.reason);
    }
    EXPECT_EQ(contents(path("lecture-seule.txt")), "gardé");
    EXPECT_EQ(fs::status(path("lecture-seule.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(names(), before);
}

// A save cut short by a kill leaves its temporary file for a moment only: the next writer to start
// removes it, and the target is as it was.
TEST_F(FileWriterTest, ASaveKilledMidwayLeavesNoTemporaryFileOnceAWriterStartsAgain)
{
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    std::unique_ptr<FileWriter> writer = FileWriter::start();
    ASSERT_TRUE(writer);
    ASSERT_EQ(writer->writeFile(path("cible.csv"), "avant"), "");
    const pid_t process = writer->processId();
    std::thread killer([&] {
        for (int wait = 0; wait < 2000; ++wait) {
            for (const std::string& name : names()) {
                if (name.rfind(".velmora2-save-", 0) == 0) {
                    kill(process, SIGKILL);
                    return;
                }
            }
            usleep(1000);
        }
    });
    const std::string error = writer->writeFile(path("cible.csv"), std::string(64 * 1024 * 1024, 'x'));
    killer.join();
    EXPECT_NE(error.find("le programme d’écriture s’est arrêté"), std::string::npos) << error;
    writer.reset();
    const auto temporaries = [&] {
        int count = 0;
        for (const std::string& name : names()) {
            count += name.rfind(".velmora2-save-", 0) == 0;
        }
        return count;
    };
    EXPECT_EQ(temporaries(), 1) << "the kill came in the middle of the save";
    writer = FileWriter::start();
    ASSERT_TRUE(writer);
    EXPECT_GE(writer->openForReading(path("cible.csv")), 0); // the new writer has cleaned up by now
    EXPECT_EQ(temporaries(), 0);
    EXPECT_EQ(contents(path("cible.csv")), "avant");
    unsetenv("XDG_STATE_HOME");
}

// Under the program's supervisor, a writer killed or stuck is replaced and the save done; a writer
// of its own that is stuck is given up after the time limit, with a French reason.
TEST_F(FileWriterTest, AWriterKilledOrStuckIsReplacedAndNoCallWaitsForEver)
{
    writer::setStepTimeLimit(std::chrono::milliseconds(500));
    std::unique_ptr<FileWriter> own = FileWriter::start();
    ASSERT_TRUE(own);
    kill(own->processId(), SIGSTOP);
    EXPECT_NE(own->writeFile(path("arrete.txt"), "1").find("le programme d’écriture ne répond plus"),
              std::string::npos);
    own.reset();

    std::fflush(nullptr);
    const pid_t program = fork();
    if (program == 0) {
        // This process becomes the supervisor; its window checks the replacements and ends with
        // the number of failures, which the supervisor ends with too.
        WindowSide side;
        if (startSupervisedWindow(side) != SupervisedStart::window) {
            _exit(100);
        }
        const std::unique_ptr<FileWriter> writer =
            FileWriter::attach(side.writerChannel, side.writer, side.supervisor);
        int failures = 0;
        failures += writer->writeFile(path("un.txt"), "1") != "";
        kill(writer->processId(), SIGKILL);
        failures += writer->writeFile(path("deux.txt"), "2") != "";
        kill(writer->processId(), SIGSTOP);
        failures += writer->writeFile(path("trois.txt"), "3") != "";
        failures += writer->processId() == side.writer;
        _exit(failures);
    }
    int status = 0;
    ASSERT_EQ(waitpid(program, &status, 0), program);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contents(path("un.txt")) + contents(path("deux.txt")) + contents(path("trois.txt")), "123");
    writer::setStepTimeLimit(std::chrono::milliseconds(20000));
}

} // namespace
