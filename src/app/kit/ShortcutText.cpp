#include "app/kit/ShortcutText.h"

#include <QList>

using namespace Qt::StringLiterals;

QString shortcutText(const QKeySequence& keys) {
    QStringList parts;
    for (int i = 0; i < keys.count(); ++i) {
        const QKeyCombination combination = keys[i];
        QString text = QKeySequence(combination).toString(QKeySequence::NativeText);
        if (combination.key() == Qt::Key_Minus && text.endsWith(u'-'))
            text.replace(text.size() - 1, 1, QChar(0x2212));
        parts.append(text);
    }
    return parts.join(u", "_s);
}

QString withShortcut(const QString& text, const QKeySequence& keys) {
    return text + u" ("_s + shortcutText(keys) + u')';
}

QString literalLabel(const QString& text) {
    QString literal = text;
    return literal.replace(u'&', u"&&"_s);
}
