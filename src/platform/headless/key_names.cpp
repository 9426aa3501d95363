#include <algorithm>

#include <QKeySequence>
#include <QString>

#include "platform/headless/script.h"

namespace headless {

std::optional<KeyChord> ParseKeyName(std::string_view name) {
    // Key names are printable ASCII; Qt would take a control byte as a key.
    if (name.empty() || std::any_of(name.begin(), name.end(), [](char c) { return c <= ' ' || c > '~'; }))
        return std::nullopt;
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromUtf8(name.data(), qsizetype(name.size())), QKeySequence::PortableText);
    if (sequence.count() != 1) return std::nullopt;
    const QKeyCombination combination = sequence[0];
    const Qt::Key key = combination.key();
    if (key == Qt::Key_unknown || key == 0) return std::nullopt;
    return KeyChord{int(key), int(combination.keyboardModifiers().toInt())};
}

}  // namespace headless
