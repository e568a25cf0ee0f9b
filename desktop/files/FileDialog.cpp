#include "files/FileDialog.h"

#include "files/FileWriter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "*.csv" and "csv" from « Données CSV (*.csv) ».
QStringList patternsOf(const QString& filter)
{
    QStringList found;
    auto matches = QRegularExpression(R"(\*\.(\w+))").globalMatch(filter);
    while (matches.hasNext()) {
        found << matches.next().captured(0);
    }
    return found;
}

QString endingOf(const QString& filter)
{
    const QStringList patterns = patternsOf(filter);
    return patterns.isEmpty() ? QString() : patterns.first().mid(2);
}

// Whether the user may write over the file: the sandbox makes access() say no to the window, so the
// permissions are read as the system would apply them.
bool writableByUser(const struct stat& status)
{
    if ((status.st_mode & 0222) == 0) {
        return false;
    }
    if (geteuid() == 0 || status.st_uid == geteuid()) {
        return geteuid() == 0 || (status.st_mode & S_IWUSR) != 0;
    }
    gid_t groups[NGROUPS_MAX];
    const int count = getgroups(NGROUPS_MAX, groups);
    const bool member = status.st_gid == getegid() || std::find(groups, groups + std::max(count, 0),
                                                                status.st_gid) != groups + std::max(count, 0);
    return (status.st_mode & (member ? S_IWGRP : S_IWOTH)) != 0;
}

QString quotedName(const QString& name)
{
    return QStringLiteral("«\u00a0%1\u00a0»").arg(name);
}

} // namespace

FileDialog::FileDialog(QWidget* parent, Mode mode, const QString& title, const QString& folder,
                       const QString& fileName, const QStringList& filters)
    : QDialog(parent), mode_(mode), filters_(filters)
{
    setObjectName(mode == Mode::save ? "saveDialog" : "openDialog");
    setWindowTitle(title);
    setSizeGripEnabled(true);

    auto* folderLabel = new QLabel(tr("&Dossier\u00a0:"), this);
    folderEdit_ = new QLineEdit(this);
    folderEdit_->setObjectName("folderEdit");
    folderLabel->setBuddy(folderEdit_);
    connect(folderEdit_, &QLineEdit::returnPressed, this, [this] { showFolder(folderEdit_->text()); });
    auto* up = new QToolButton(this);
    up->setObjectName("parentFolder");
    up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up->setToolTip(tr("Dossier parent (Retour arrière)"));
    up->setAccessibleName(tr("Dossier parent"));
    connect(up, &QToolButton::clicked, this, [this] { showFolder(QFileInfo(folder_).path()); });

    places_ = new QListWidget(this);
    places_->setObjectName("places");
    places_->setAccessibleName(tr("Emplacements"));
    places_->setMaximumWidth(200);
    connect(places_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showFolder(item->data(Qt::UserRole).toString()); });
    connect(places_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showFolder(item->data(Qt::UserRole).toString()); });
    entries_ = new QListWidget(this);
    entries_->setObjectName("entries");
    entries_->setAccessibleName(tr("Contenu du dossier"));
    connect(entries_, &QListWidget::itemActivated, this, &FileDialog::entryActivated);
    connect(entries_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && !item->data(Qt::UserRole).toBool()) {
            nameEdit_->setText(item->text());
        }
    });
    entries_->installEventFilter(this);
    folderError_ = new QLabel(this);
    folderError_->setObjectName("folderError");
    folderError_->setWordWrap(true);
    folderError_->hide();

    auto* nameLabel = new QLabel(tr("&Nom du fichier\u00a0:"), this);
    nameEdit_ = new QLineEdit(fileName, this);
    nameEdit_->setObjectName("fileName");
    nameLabel->setBuddy(nameEdit_);
    auto* typeLabel = new QLabel(tr("&Type\u00a0:"), this);
    types_ = new QComboBox(this);
    types_->setObjectName("fileType");
    types_->addItems(filters);
    typeLabel->setBuddy(types_);
    shownEnding_ = endingOf(types_->currentText());
    connect(types_, &QComboBox::currentIndexChanged, this, [this] {
        // A name that ends as the former type has the new type's ending instead.
        const QString ending = endingOf(types_->currentText());
        const QString name = nameEdit_->text();
        if (!shownEnding_.isEmpty() && name.endsWith('.' + shownEnding_, Qt::CaseInsensitive)) {
            nameEdit_->setText(name.left(name.size() - shownEnding_.size()) + ending);
        }
        shownEnding_ = ending;
        showFolder(folder_);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* confirm = buttons->addButton(mode == Mode::save ? tr("&Enregistrer") : tr("&Ouvrir"),
                                              QDialogButtonBox::AcceptRole);
    confirm->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(folderLabel);
    top->addWidget(folderEdit_, 1);
    top->addWidget(up);
    auto* middle = new QHBoxLayout;
    middle->addWidget(places_);
    auto* listing = new QVBoxLayout;
    listing->addWidget(folderError_);
    listing->addWidget(entries_, 1);
    middle->addLayout(listing, 1);
    auto* bottom = new QGridLayout;
    bottom->addWidget(nameLabel, 0, 0);
    bottom->addWidget(nameEdit_, 0, 1);
    bottom->addWidget(typeLabel, 1, 0);
    bottom->addWidget(types_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    layout->addWidget(buttons);
    resize(760, 480);

    addPlaces();
    showFolder(folder);
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void FileDialog::addPlaces()
{
    const auto add = [this](const QString& name, const QString& path, QStyle::StandardPixmap icon) {
        if (path.isEmpty() || !QFileInfo(path).isDir()) {
            return;
        }
        auto* item = new QListWidgetItem(style()->standardIcon(icon), name, places_);
        item->setData(Qt::UserRole, path);
    };
    add(tr("Dossier personnel"), QDir::homePath(), QStyle::SP_DirHomeIcon);
    add(tr("Documents"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStyle::SP_DirIcon);
    add(tr("Bureau"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        QStyle::SP_DesktopIcon);
    add(tr("Ordinateur"), QStringLiteral("/"), QStyle::SP_ComputerIcon);
    // The drives mounted for the user (a USB key, a network share).
    const QString user = qEnvironmentVariable("USER");
    for (const QString& drives : {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user,
                                  QStringLiteral("/media"), QStringLiteral("/mnt")}) {
        int error = 0;
        for (const Entry& entry : listFolder(drives, {}, error)) {
            if (entry.folder && entry.name != user) {
                add(entry.name, drives + '/' + entry.name, QStyle::SP_DriveHDIcon);
            }
        }
    }
}

std::vector<FileDialog::Entry> FileDialog::listFolder(const QString& folder, const QStringList& patterns,
                                                      int& error)
{
    error = 0;
    std::vector<Entry> found;
    const int opened = openUserFolder(QFile::encodeName(folder).toStdString());
    if (opened < 0) {
        error = -opened;
        return found;
    }
    DIR* listing = fdopendir(opened);
    if (!listing) {
        error = errno;
        ::close(opened);
        return found;
    }
    QList<QRegularExpression> wanted;
    for (const QString& pattern : patterns) {
        wanted << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                     QRegularExpression::CaseInsensitiveOption);
    }
    while (const dirent* entry = readdir(listing)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name.startsWith('.')) {
            continue; // ".", ".." and hidden files
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status;
            isFolder = fstatat(dirfd(listing), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
        }
        const bool shown = isFolder || wanted.isEmpty() ||
                           std::any_of(wanted.begin(), wanted.end(),
                                       [&](const QRegularExpression& e) { return e.match(name).hasMatch(); });
        if (shown) {
            found.push_back({name, isFolder});
        }
    }
    closedir(listing);
    std::sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) {
        if (a.folder != b.folder) {
            return a.folder;
        }
        return QString::localeAwareCompare(a.name.toCaseFolded(), b.name.toCaseFolded()) < 0;
    });
    return found;
}

QStringList FileDialog::patterns() const
{
    return patternsOf(types_->currentText());
}

QStringList FileDialog::endings() const
{
    QStringList all;
    for (const QString& filter : filters_) {
        for (const QString& pattern : patternsOf(filter)) {
            all << pattern.mid(2);
        }
    }
    return all;
}

void FileDialog::showFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder_).absoluteFilePath(folder));
    int error = 0;
    const std::vector<Entry> found = listFolder(clean, patterns(), error);
    if (error != 0 && error != ENOTDIR && !folder_.isEmpty() && clean != folder_) {
        // Stay where the user was, and say why.
        QMessageBox::warning(this, windowTitle(),
                             tr("Le dossier %1 ne peut pas être ouvert\u00a0: %2")
                                 .arg(quotedName(clean), QString::fromStdString(errorReason(error))));
        folderEdit_->setText(folder_);
        return;
    }
    folder_ = clean;
    folderEdit_->setText(clean);
    entries_->clear();
    folderError_->setVisible(error != 0);
    if (error != 0) {
        folderError_->setText(
            tr("Ce dossier ne peut pas être lu\u00a0: %1").arg(QString::fromStdString(errorReason(error))));
    }
    for (const Entry& entry : found) {
        auto* item = new QListWidgetItem(
            style()->standardIcon(entry.folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon), entry.name,
            entries_);
        item->setData(Qt::UserRole, entry.folder);
    }
}

bool FileDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == entries_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
        showFolder(QFileInfo(folder_).path());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FileDialog::entryActivated(QListWidgetItem* item)
{
    if (item->data(Qt::UserRole).toBool()) {
        showFolder(QDir(folder_).filePath(item->text()));
    } else {
        nameEdit_->setText(item->text());
        accept();
    }
}

QString FileDialog::saveFault(const QString& folder, QString& name, const QStringList& endings,
                              const QString& chosenEnding)
{
    const QString ending = QFileInfo(name).suffix();
    if (ending.isEmpty()) {
        if (!chosenEnding.isEmpty()) {
            name += '.' + chosenEnding;
        }
    } else if (!endings.contains(ending, Qt::CaseInsensitive)) {
        QStringList offered;
        for (const QString& known : endings) {
            offered << '.' + known;
        }
        return tr("L’extension %1 n’est pas proposée ici\u00a0: le nom doit finir par %2.")
            .arg(quotedName('.' + ending), offered.join(tr(" ou ")));
    }
    const QByteArray encoded = QFile::encodeName(name);
    errno = 0;
    const long longest = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    const int allowed = longest > 0 ? static_cast<int>(longest) : NAME_MAX;
    if (encoded.size() > allowed) {
        return tr("Le nom est trop long\u00a0: %1\u00a0octets, quand le disque en accepte %2 au plus.")
            .arg(encoded.size())
            .arg(allowed);
    }
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    struct stat status;
    if (lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode) &&
        stat(path.constData(), &status) != 0) {
        return tr("%1 est un lien vers un fichier qui n’existe pas.").arg(quotedName(name));
    }
    if (stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && !writableByUser(status)) {
        return tr("Le fichier %1 est en lecture seule\u00a0: il ne sera pas remplacé. Choisissez un autre "
                  "nom.")
            .arg(quotedName(name));
    }
    return {};
}

void FileDialog::accept()
{
    QString name = nameEdit_->text().trimmed();
    if (name.isEmpty()) {
        return;
    }
    QString folder = folder_;
    if (name.contains('/')) {
        const QFileInfo typed(QDir(folder_).absoluteFilePath(name));
        folder = typed.absolutePath();
        name = typed.fileName();
    }
    const QString path = QDir(folder).filePath(name);
    struct stat status;
    if (!name.isEmpty() && stat(QFile::encodeName(path).constData(), &status) == 0 &&
        S_ISDIR(status.st_mode)) {
        nameEdit_->clear();
        showFolder(path); // a folder's name: into it
        return;
    }
    if (mode_ == Mode::open) {
        if (stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("Le fichier %1 n’existe pas.").arg(quotedName(name)));
            return;
        }
        chosen_ = path;
        QDialog::accept();
        return;
    }
    if (const QString fault = saveFault(folder, name, endings(), endingOf(types_->currentText()));
        !fault.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), fault);
        return;
    }
    const QString target = QDir(folder).filePath(name);
    if (stat(QFile::encodeName(target).constData(), &status) == 0) {
        const auto answer = QMessageBox::question(
            this, windowTitle(),
            tr("Le fichier %1 existe déjà. Voulez-vous le remplacer\u00a0?").arg(quotedName(name)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    chosen_ = target;
    QDialog::accept();
}
