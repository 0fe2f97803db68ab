#include "filedialog.h"

#include "calendar.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace morvane {
namespace {

// The columns of Qt's file system model.
enum Column { Name, Size, Type, DateModified };

class ThaiDetails : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() == Name)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QFileInfo info = files->fileInfo(source);
        const QLocale thai(QLocale::Thai, QLocale::Thailand);
        switch (index.column()) {
        case Size:
            if (info.isDir())
                break;
            return thai.formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
        case Type:
            // Folders, drives and shortcuts keep Qt's own words, which the
            // program's translation puts in Thai.
            if (info.isDir() || info.isSymLink())
                break;
            return info.suffix().isEmpty() ? QStringLiteral(u"ไฟล์") : QStringLiteral(u"ไฟล์ ") + info.suffix().toUpper();
        case DateModified: {
            const QDateTime when = files->lastModified(source);
            if (!when.isValid())
                break;
            return QStringLiteral("%1 %2 %3 %4")
                .arg(when.date().day())
                .arg(thai.monthName(when.date().month(), QLocale::ShortFormat))
                .arg(BuddhistYear(when.date().year()))
                .arg(when.time().toString(QStringLiteral("HH:mm")));
        }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void showDetailsInThai(QFileDialog &dialog)
{
    dialog.setProxyModel(new ThaiDetails(&dialog));
}

}  // namespace morvane
