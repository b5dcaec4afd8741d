#pragma once
// The drive, folder and file lists of the file choosers. The file list reads its folder when
// told to (as the system's file list box does, so a window refreshes it after a change); the
// folder list browses the file system; the drive list offers the mounted file systems' roots.
#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <QTreeView>

class QFileSystemModel;

namespace platform {

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Name patterns separated by ";" ("*.txt;*.csv").
    void setPattern(const QString& pattern);
    QString pattern() const { return patterns_.join(u';'); }
    // The folder listed; setting it lists it anew.
    void setPath(const QString& folder);
    QString path() const { return path_; }
    // Lists the folder again, keeping the chosen file when it is still there.
    void refresh();
    // The chosen file's name, empty when none is chosen.
    QString fileName() const;
    // Chooses the file of that name when it is listed (none for an empty name).
    void setFileName(const QString& name);

signals:
    // The player chose a file, with the mouse or the keyboard.
    void Click();

private:
    QStringList patterns_;
    QString path_;
};

class DirListBox : public QTreeView {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Shows and chooses the folder; raises no Change.
    void setPath(const QString& folder);

signals:
    // The player chose another folder.
    void Change();

private:
    void reveal();

    QFileSystemModel* model_;
    QString path_;
    bool settingPath_ = false;
    bool revealing_ = false;
};

// The roots of the mounted file systems that can be read, "/" first.
QStringList driveRoots();

class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    // Lists driveRoots().
    explicit DriveListBox(QWidget* parent = nullptr);
    // Lists these roots instead ("/" first), as a machine with other mounts would have them.
    void setRoots(const QStringList& roots);
    QString drive() const { return currentText(); }
    // Chooses the drive whose root holds the folder; raises no Change.
    void setDriveOf(const QString& folder);

signals:
    // The player chose another drive.
    void Change();

private:
    bool settingDrive_ = false;
};

}  // namespace platform
