#include "files/FileWriter.h"

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

} // namespace
