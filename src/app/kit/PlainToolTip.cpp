#include "app/kit/PlainToolTip.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

QString plainToolTip(const QString& text) {
    // Qt draws a tooltip as markup as soon as its text merely looks like it ("<b>…", "&lt;"): such a text
    // is handed over escaped, its line breaks kept.
    if (!Qt::mightBeRichText(text))
        return text;
    return u"<p style=\"white-space:pre-wrap\">"_s + text.toHtmlEscaped() + u"</p>"_s;
}
