// The dialog that chooses where to save: what it lists, and the names it refuses before asking to
// replace a file.

#include "files/FileDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

class FileDialogTest : public QObject
{
    Q_OBJECT

    static void write(const QString& path, const QByteArray& bytes = "x")
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void foldersComeFirstThenTheFilesOfTheChosenType()
    {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("Zeta");
        QDir(folder.path()).mkdir("alpha");
        QDir(folder.path()).mkdir(".cachés");
        write(folder.filePath("courbe.CSV"));
        write(folder.filePath("b.csv"));
        write(folder.filePath("image.png"));
        write(folder.filePath(".secret.csv"));
        QVERIFY(QFile::link(folder.filePath("alpha"), folder.filePath("lien-dossier")));
        int error = -1;
        QStringList shown;
        for (const FileDialog::Entry& entry : FileDialog::listFolder(folder.path(), {"*.csv"}, error)) {
            shown << (entry.folder ? entry.name + '/' : entry.name);
        }
        QCOMPARE(error, 0);
        QCOMPARE(shown, QStringList({"alpha/", "lien-dossier/", "Zeta/", "b.csv", "courbe.CSV"}));
        FileDialog::listFolder(folder.filePath("absent"), {}, error);
        QCOMPARE(error, ENOENT);
    }

    // Each refusal has its own reason; a name without an ending takes the chosen type's, one with an
    // offered ending keeps it.
    void namesAreCheckedBeforeTheOverwriteQuestion_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kept");  // the name as it will be saved
        QTest::addColumn<QString>("fault"); // a part of the reason, empty when accepted
        QTest::newRow("no ending") << "courbe"
                                   << "courbe.png"
                                   << "";
        QTest::newRow("an offered ending") << "courbe.SVG"
                                           << "courbe.SVG"
                                           << "";
        QTest::newRow("an ending not offered") << "mine.gif"
                                               << "mine.gif"
                                               << "«\u00a0.gif\u00a0» n’est pas proposée";
        QTest::newRow("too long") << QString(300, 'n') + ".png"
                                  << ""
                                  << "Le nom est trop long\u00a0: 304\u00a0octets";
        QTest::newRow("a link to nothing") << "lien.png"
                                           << ""
                                           << "est un lien vers un fichier qui n’existe pas";
        QTest::newRow("read-only") << "gardé.png"
                                   << ""
                                   << "est en lecture seule";
        QTest::newRow("an existing file") << "existant.png"
                                          << "existant.png"
                                          << "";
    }

    void namesAreCheckedBeforeTheOverwriteQuestion()
    {
        QFETCH(QString, name);
        QFETCH(QString, kept);
        QFETCH(QString, fault);
        QTemporaryDir folder;
        QVERIFY(QFile::link("nulle-part.png", folder.filePath("lien.png")));
        write(folder.filePath("gardé.png"));
        QFile(folder.filePath("gardé.png"))
            .setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        write(folder.filePath("existant.png"));
        QString checked = name;
        const QString said = FileDialog::saveFault(folder.path(), checked, {"png", "svg", "pdf"}, "png");
        if (fault.isEmpty()) {
            QCOMPARE(said, QString());
            QCOMPARE(checked, kept);
        } else {
            QVERIFY2(said.contains(fault), qPrintable(said));
        }
    }

    // The whole dialog: a refused name leaves it open with a message; an existing file is replaced
    // only when the user says so.
    void theDialogRefusesThenAsksThenTakes()
    {
        QTemporaryDir folder;
        write(folder.filePath("existant.png"));
        FileDialog dialog(nullptr, FileDialog::Mode::save, "Enregistrer", folder.path(), "mine.gif",
                          {"Image PNG (*.png)"});
        dialog.show();
        QStringList messages;
        QString answer = "Yes";
        // Answers every message box as it shows.
        QTimer boxes;
        QObject::connect(&boxes, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->button(answer == "Yes" && box->button(QMessageBox::Yes) ? QMessageBox::Yes
                            : box->button(QMessageBox::No)                   ? QMessageBox::No
                                                                             : QMessageBox::Ok)
                    ->click();
            }
        });
        boxes.start(20);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(".gif"));

        auto* name = dialog.findChild<QLineEdit*>("fileName");
        name->setText("existant");
        answer = "No";
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(messages.last().contains("existe déjà"));
        answer = "Yes";
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chosenPath(), folder.filePath("existant.png"));
    }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
