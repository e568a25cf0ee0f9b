#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The dialog that chooses where to save a file, or which file to open. The window may not list the
// user's folders itself (its sandbox gives it no right to read folders outside its own places): the
// writer of the user's files opens each folder shown, and the dialog reads the names from that.
//
// Before a name is taken for a save, it is checked: a name without an ending takes the chosen
// type's; an ending that no offered type has is refused, never changed; a name longer than the disk
// allows, a link that leads nowhere and a read-only file are refused, each with its own message;
// only then is the user asked whether to replace a file that exists.
class FileDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        save,
        open,
    };
    // `filters` as « Données CSV (*.csv) »; the first is chosen at first.
    FileDialog(QWidget* parent, Mode mode, const QString& title, const QString& folder,
               const QString& fileName, const QStringList& filters);

    QString chosenPath() const { return chosen_; }
    QString folder() const { return folder_; }

    // The folder's entries as the dialog shows them: folders first, then the files of `patterns`
    // ("*.csv"), hidden ones left out, each group in alphabetical order; empty with `error` set when
    // the folder cannot be opened. Read from a folder that the writer opened.
    struct Entry
    {
        QString name;
        bool folder = false;
    };
    static std::vector<Entry> listFolder(const QString& folder, const QStringList& patterns, int& error);

    // Why `name` (without its folder) may not be saved in `folder` with these offered endings
    // ("csv"), or an empty text; `name` gets the chosen ending when it has none.
    static QString saveFault(const QString& folder, QString& name, const QStringList& endings,
                             const QString& chosenEnding);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFolder(const QString& folder);
    void entryActivated(QListWidgetItem* item);
    QStringList patterns() const;
    QStringList endings() const;
    void addPlaces();

    Mode mode_;
    QStringList filters_;
    QString folder_;
    QString chosen_;
    QLineEdit* folderEdit_ = nullptr;
    QListWidget* places_ = nullptr;
    QListWidget* entries_ = nullptr;
    QLabel* folderError_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* types_ = nullptr;
    QString shownEnding_; // the chosen type's, to follow a change of type in the name
};
