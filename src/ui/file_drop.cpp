#include "file_drop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace file_drop {

QStringList file_paths(const QMimeData *data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        const QFileInfo info(url.toLocalFile());
        if (!info.isFile())
            return {};
        // As the file dialog gives it: absolute, with forward slashes on Windows too.
        paths << info.absoluteFilePath();
    }
    return paths;
}

} // namespace file_drop
