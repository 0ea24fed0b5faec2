#include "views/kit/SheetFooter.h"

#include "views/kit/Style.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

SheetFooter makeSheetFooter(QDialog* sheet, const QString& primaryTitle, const QString& primaryName,
                            FooterReturn returnKey) {
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch(1);
    auto* cancel = new QPushButton(u"Отмена"_s, sheet);
    cancel->setObjectName(u"cancel"_s);
    // Only the primary button takes Return; any other would be pressed by Return in a text box.
    cancel->setAutoDefault(false);
    Style::makeLarge(cancel);
    QObject::connect(cancel, &QPushButton::clicked, sheet, &QDialog::reject);
    row->addWidget(cancel);
    auto* primary = new QPushButton(primaryTitle, sheet);
    primary->setObjectName(primaryName);
    primary->setAutoDefault(false);
    primary->setDefault(returnKey == FooterReturn::pressesPrimary);
    Style::makeLarge(primary);
    Style::makeProminent(primary);
    row->addWidget(primary);
    return {row, cancel, primary};
}
