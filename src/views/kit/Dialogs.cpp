#include "views/kit/Dialogs.h"

#include "views/kit/Style.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The steps every box shares; buttons are added by the two kinds.
QMessageBox* makeBox(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    auto* box = new QMessageBox(parent);
    box->setTextFormat(Qt::PlainText);
    Dialogs::setText(box, title, text);
    box->setStyleSheet(u"QLabel#qt_msgbox_label { font-weight: bold; }"
                       u"QLabel#qt_msgbox_informativelabel { min-width: 360px; }"_s);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(icon);
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    return box;
}

} // namespace

namespace Dialogs {

QMessageBox* alert(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    QMessageBox* box = makeBox(parent, title, text, icon);
    QPushButton* ok = box->addButton(u"OK"_s, QMessageBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->open();
    return box;
}

void setText(QMessageBox* box, const QString& title, const QString& text) {
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(text);
    // The box's text format leaves the label of the informative text alone, and Qt makes that label anew
    // after an empty text: a message quoting a header such as "<b>Имя</b>" would be drawn as markup.
    for (QLabel* label : box->findChildren<QLabel*>(u"qt_msgbox_informativelabel"_s))
        label->setTextFormat(Qt::PlainText);
}

QMessageBox* question(QWidget* parent, const Question& question, std::function<void()> onAction) {
    QMessageBox* box = makeBox(parent, question.title, question.text, question.icon);
    if (!question.windowTitle.isEmpty())
        box->setWindowTitle(question.windowTitle);
    QPushButton* action = box->addButton(question.action, question.actionRole);
    if (question.actionRole == QMessageBox::DestructiveRole)
        Style::makeDestructive(action);
    QPushButton* back = box->addButton(question.back, QMessageBox::RejectRole);
    action->setObjectName(u"confirm"_s);
    back->setObjectName(u"back"_s);
    action->setAutoDefault(false);
    back->setAutoDefault(false);
    box->setEscapeButton(back);
    QObject::connect(box, &QDialog::finished, box, [box, action, onAction = std::move(onAction)] {
        if (box->clickedButton() == action && onAction)
            onAction();
    });
    box->open();
    // The button box makes its first accepting button the default once shown: undone, so Return stays inert.
    action->setDefault(false);
    // Qt focuses the first button, where Space would act at once.
    back->setFocus();
    return box;
}

} // namespace Dialogs
