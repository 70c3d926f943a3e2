#pragma once

#include <QStringList>

class QMimeData;

// What the window takes from a drag: firmware files, as a file manager drags them.
namespace file_drop {

// The absolute paths of the files that `data` carries, in its order; nothing when
// the drag is to be refused. It is refused as a whole when it carries no address,
// or any one that is not an existing file on this machine (a folder, a web
// address, a file gone since): the firmware box gains only what the user meant.
QStringList file_paths(const QMimeData *data);

} // namespace file_drop
