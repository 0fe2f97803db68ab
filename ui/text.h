// The engine and the catalogue keep their text as UTF-16 without Qt; this
// is where it becomes a QString.
#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

namespace morvane {

inline QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

}  // namespace morvane
