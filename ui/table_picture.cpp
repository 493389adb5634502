#include "ui/table_picture.h"

#include <QCoreApplication>
#include <QDir>

namespace omaha {

namespace {

const QString kPictureName = QStringLiteral("baize.bmp");

} // namespace

TablePicture TablePicture::standard() {
    // The installed data folder is fixed when the build is configured (ui/CMakeLists.txt).
    return TablePicture(
        {QString(), QStringLiteral(OMAHA_INSTALLED_DATA), QCoreApplication::applicationDirPath()});
}

QImage TablePicture::load() const {
    for (const QString& folder : folders_) {
        const QImage picture(folder.isEmpty() ? kPictureName : QDir(folder).filePath(kPictureName));
        if (!picture.isNull())
            return picture;
    }
    return QImage();
}

} // namespace omaha
