#pragma once

#include <QImage>
#include <QStringList>

namespace omaha {

// The table picture, baize.bmp, looked for in a list of folders, first to last: the first copy
// that loads is the one the table shows. It is read anew at every load, so that a picture
// replaced while the game runs shows at the next repaint.
class TablePicture {
public:
    // An empty folder stands for the working folder as it is at each load.
    explicit TablePicture(QStringList folders) : folders_(std::move(folders)) {}

    // The working folder, where a picture put there wins; then the folder that `cmake --install`
    // puts the picture in; then the program's own folder, as in the build tree. So the table is
    // green however the game is started.
    static TablePicture standard();

    // The picture, or a null image when no folder holds one that loads.
    QImage load() const;

    const QStringList& folders() const { return folders_; }

private:
    QStringList folders_;
};

} // namespace omaha
